#pragma once
// vantaedit-cli merge BASE OURS THEIRS [-o OUT]: the three versions of one AI file merged by
// entry (document/entrymerge.h), written to OUT, or to standard output without -o. Conflicts go
// to standard error with both versions. Exit status 0 when merged clean, 1 when merged with
// conflicts; 2, nothing written, for bad usage (`usage` prints it and gives the status), a file
// that could not be read, or OUT that could not be written.

int RunMerge(int argc, char **argv, int (*usage)());
