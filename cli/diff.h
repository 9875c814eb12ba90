#pragma once
// vantaedit-cli diff [--format=text|json] OLD NEW: the entries added, removed and changed from
// OLD to NEW, each file read with its include files as Open reads it. Exit status 0 when the
// entries are equal, 1 when they differ, 2 for bad usage (`usage` prints it and gives the status)
// or when a file, or an include file that exists, could not be read.

int RunDiff(int argc, char **argv, int (*usage)());
