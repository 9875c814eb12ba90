#pragma once
// vantaedit-cli explain: each line of the named entries with what the editor's windows say of it.

// explain [--rules RULES] [--csf FILE] [--engine NAME] [--actions TABLE] [--format=text|json]
// FILE ID...; argv[1] is "explain".
// Returns the exit status; `usage` prints the usage text to standard error and returns 2.
int Explain(int argc, char **argv, int (*usage)());
