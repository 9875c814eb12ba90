// Arbitrary bytes as a recovery file: as they are, where the checksum stops almost everything,
// and as a body under a header that matches it, so that the body's reading is reached. Besides
// crashes and sanitizer reports it aborts when bytes read as a recovery file are not exactly what
// writing that recovery gives.

#include "document/recovery.h"

#include <cstdlib>

namespace {

void Check(std::string_view bytes) {
    const RecoveryRead read = ParseRecovery(bytes);
    if (read.status == RecoveryRead::Status::Ok && SerializeRecovery(read.recovery) != bytes)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view body(reinterpret_cast<const char *>(data), size);
    Check(body);
    // The header of a recovery file (magic and version), with the body's size and checksum.
    std::string sealed = SerializeRecovery(Recovery()).substr(0, 44);
    uint64_t length = body.size(), hash = ContentHash(body);
    for (size_t i = 0; i < 8; ++i, length >>= 8, hash >>= 8) {
        sealed[28 + i] = char(length & 0xff);
        sealed[36 + i] = char(hash & 0xff);
    }
    Check(sealed + std::string(body));
    return 0;
}
