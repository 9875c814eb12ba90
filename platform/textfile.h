#pragma once
// Text-mode files: inside the program a line break is one LF, on disk CR LF.
// Paths are wide text; '\' and '/' are both taken as separators.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace platform {

// Largest file the document can hold: lengths are signed 32-bit.
constexpr int64_t kMaxFileSize = INT32_MAX;

// Size in bytes of an open file, leaving it positioned at its start; -1 for a null file or when
// the size cannot be told.
int64_t FileLength(std::FILE *file);

struct ReadResult {
    enum class Status { Ok, CannotOpen, TooLarge, ReadError };
    Status status = Status::CannotOpen;
    std::string text; // each CR LF of the file arrives as one LF
};

// Reads a whole file. Only a result with status Ok carries the file's content.
ReadResult ReadTextFile(const std::u16string &path);

// True when the file can be opened for reading (it is opened and closed again at once).
bool CanOpenForReading(const std::u16string &path);

struct WriteResult {
    bool ok = false;
    std::u16string error; // what went wrong, for the user; empty on success
};

// Writes `text` with each LF turned into CR LF, replacing the file atomically: the content goes
// to a temporary file in the same folder, which is flushed and renamed over the target. On any
// failure the target keeps its old content and no temporary file is left behind.
WriteResult WriteTextFile(const std::u16string &path, std::string_view text);

enum class FolderResult { Created, AlreadyExists, Failed };

// Creates one folder; an existing folder is reported as such and left as it is. A plain file of
// that name is a failure.
FolderResult CreateFolder(const std::u16string &path);

// The folder separator of this system.
char16_t NativeSeparator();

} // namespace platform
