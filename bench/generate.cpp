// Writes the benchmarks' generated AI rules file: vantaedit-generate K FILE (K = 16 gives the
// 18.9 MB file of 80,000 entries), with CR LF line ends as an editor on the system writes it.

#include "platform/codepage.h"
#include "platform/textfile.h"
#include "support/generator.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    const int k = argc == 3 ? std::atoi(argv[1]) : 0;
    if (k <= 0) {
        std::fputs("usage: vantaedit-generate K FILE\n", stderr);
        return 2;
    }
    const platform::WriteResult written = platform::WriteTextFile(
        platform::AbsolutePathOf(argv[2]), testsupport::GenerateAiFile(k, 1));
    if (!written.ok) std::fprintf(stderr, "%s\n", platform::WideToUtf8(written.error).c_str());
    return written.ok ? 0 : 1;
}
