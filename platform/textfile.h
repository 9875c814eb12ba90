#pragma once
// Text-mode files: inside the program a line break is one LF, on disk CR LF.
// Paths are wide text; '\' and '/' are both taken as separators.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Largest file the document can hold: lengths are signed 32-bit.
constexpr int64_t kMaxFileSize = INT32_MAX;

// Size in bytes of an open file, leaving it positioned at its start; -1 for a null file or when
// the size cannot be told.
int64_t FileLength(std::FILE *file);

// The system's reason for an error code (errno; GetLastError() on Windows), for the user:
// Chinese where we have the text, else the system's own.
std::u16string SystemErrorText(int error);

struct ReadResult {
    // Missing: there is no such file or folder. CannotRead and TooLarge: the file exists but its
    // content was not read (no permission, not a regular file, a read error, over kMaxFileSize).
    enum class Status { Ok, Missing, CannotRead, TooLarge };
    Status status = Status::Missing;
    std::string text;      // each CR LF of the file arrives as one LF
    std::u16string reason; // why it was not read; empty on success
};

// Reads a whole regular file. Any other kind of file (pipe, device, socket, folder) is refused
// without being opened, so reading never blocks. Only a result with status Ok carries content.
ReadResult ReadTextFile(const std::u16string &path);

// ReadTextFile without the line-break translation: the bytes as they are on disk.
ReadResult ReadFileBytes(const std::u16string &path);

// True when the path is a regular file that can be opened for reading (it is opened and closed
// again at once).
bool CanOpenForReading(const std::u16string &path);

struct FileInfo {
    bool exists = false; // false too when the file cannot be looked at
    int64_t size = 0;
    int64_t modified = 0; // the last write, in nanoseconds since 1970-01-01 00:00 UTC
};

// What the file or folder at `path` is now, links followed.
FileInfo FileInfoOf(const std::u16string &path);

struct WriteResult {
    bool ok = false;
    std::u16string error; // what went wrong, for the user; empty on success
};

struct FileContent {
    std::u16string path;
    // The text as pieces written one after another, so that texts held apart are written without
    // being joined first. The views must stay valid for the call.
    std::vector<std::string_view> pieces;
};

// Writes each text with each LF turned into CR LF (while writing, the text is not copied), all or
// nothing: every content first goes to a temporary file in its target's folder, which is flushed to
// disk; only when all are complete are they renamed over their targets, in order. A failure before
// that changes nothing and leaves no temporary file; a rename failing part-way leaves the earlier
// targets replaced and the later ones as they were. A symbolic link is written through (its final
// target gets the content). With `confine` given, a target whose final path lies outside that
// folder is refused before anything is written, naming the link that leads out.
WriteResult WriteTextFiles(const std::vector<FileContent> &files,
                           const std::u16string &confine = {});

// WriteTextFiles for one file.
WriteResult WriteTextFile(const std::u16string &path, std::string_view text);

// WriteTextFile without the line-break translation: the bytes as they are, all or nothing.
WriteResult WriteFileBytes(const std::u16string &path, std::string_view bytes);

// Renames a file, replacing any file of the new name; false when that fails.
bool RenameFile(const std::u16string &from, const std::u16string &to);

// Removes a file; false when there was none or it could not be removed.
bool RemoveFile(const std::u16string &path);

enum class FolderResult { Created, AlreadyExists, Failed };

// Creates one folder; an existing folder is reported as such and left as it is. A plain file of
// that name is a failure; `reason` then says why.
FolderResult CreateFolder(const std::u16string &path, std::u16string *reason = nullptr);

// Removes a folder if it is empty.
void RemoveEmptyFolder(const std::u16string &path);

// The names of what a folder holds (files and folders); empty when it cannot be listed.
std::vector<std::u16string> NamesInFolder(const std::u16string &path);

// The value of an environment variable; empty when it is not set.
std::u16string EnvironmentValue(const char *name);

// A command-line argument naming a file, as an absolute wide path. Bytes that are not valid in
// the system's encoding become U+FFFD, so such a name is reported as missing rather than read.
std::u16string AbsolutePathOf(const char *argument);

// `path` made absolute from the current folder, in the system's separators.
std::u16string AbsolutePath(const std::u16string &path);

// Whether `path` names a file that exists and is not a folder (links followed).
bool IsExistingFile(const std::u16string &path);

// The last component of `path`: what follows its last '\' or '/'.
std::u16string FileNameOf(std::u16string_view path);

// The folder separator of this system.
char16_t NativeSeparator();

} // namespace platform
