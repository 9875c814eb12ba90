// The libFuzzer program of one target of fuzz/fuzzcases.h, named by VANTAEDIT_FUZZ_TARGET. A
// property that does not hold aborts with its message, as a crash does.

#include "fuzz/fuzzcases.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const fuzzcases::FuzzTarget *target = fuzzcases::FindFuzzTarget(VANTAEDIT_FUZZ_TARGET);
    try {
        target->run(std::string_view(reinterpret_cast<const char *>(data), size));
    } catch (const fuzzcases::PropertyFailure &failure) {
        std::fprintf(stderr, "property failed (%s): %s\n", VANTAEDIT_FUZZ_TARGET, failure.what());
        std::abort();
    }
    return 0;
}
