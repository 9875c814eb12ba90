#pragma once
// The start of a program on the Windows backend, without the system's headers: what a program's
// main() calls.

#include <functional>
#include <string>
#include <vector>

namespace gui::win32 {

// What a program does once the backend stands: its arguments (without the program's name) in,
// the process's exit status out.
using ProgramMain = std::function<int(const std::vector<std::u16string> &arguments)>;

// Whom the windows are for: the user, or a replay of scenarios, which keeps its settings apart
// from the user's and reports an error on standard error, not in a box.
enum class Audience { User, Replay };

// Runs `program` with the arguments of the wide command line, the Windows backend installed and
// the seams answered by the system's boxes. An exception ends the run with status 1, reported.
int Main(const ProgramMain &program, Audience audience = Audience::User);

} // namespace gui::win32
