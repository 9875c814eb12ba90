#pragma once
// The commands of vantaedit-cli that live in files of their own; main.cpp dispatches to them.
// Each takes the whole command line and returns the exit status.

// The status of bad usage; the caller then prints the usage text.
inline constexpr int kBadUsage = -2;

int ImportCommand(int argc, char **argv);
int CopyChainCommand(int argc, char **argv);
