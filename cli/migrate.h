#pragma once
// vantaedit-cli migrate: moves the action numbers of a file's scripts from one Phobos numbering to
// the other, then saves as save does.

// migrate --from ENGINE --to ENGINE [--split] [--no-autodetect] FILE; argv[1] is "migrate".
// Returns the exit status; `usage` prints the usage text to standard error and returns 2.
int Migrate(int argc, char **argv, int (*usage)());
