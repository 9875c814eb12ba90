#pragma once
// The system calls under the text files of platform/textfile.cpp, one implementation per system:
// textfile_posix.cpp and textfile_win32.cpp. Everything above them is the same on every system.
// Paths are in the system's own form (Native); errors are the system's codes, read back with
// LastError().

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace platform::sys {

#ifdef _WIN32
using Native = std::wstring; // UTF-16, '\' separated
using File = void *;         // a HANDLE
using Mode = unsigned long;  // file attributes
inline constexpr wchar_t kSeparator = L'\\';
#else
using Native = std::string; // UTF-8, '/' separated
using File = int;
using Mode = mode_t; // permission bits
inline constexpr char kSeparator = '/';
#endif

extern const File kNoFile;

// The keys of what the systems' error tables say, in the program's words (res/text.h).
inline constexpr char kNoSuchFile[] = "error.noSuchFile";
inline constexpr char kNoPermission[] = "error.noPermission";
inline constexpr char kDiskFull[] = "error.diskFull";
inline constexpr char kReadOnlyDisk[] = "error.readOnlyDisk";
inline constexpr char kFileTooBig[] = "error.fileTooBig";
inline constexpr char kIsFolder[] = "error.isFolder";
inline constexpr char kInUse[] = "error.inUse";
inline constexpr char kIoError[] = "error.ioError";
inline constexpr char kNameTooLong[] = "error.nameTooLong";
inline constexpr char kTooManyLinks[] = "error.tooManyLinks";
inline constexpr char kNoMemory[] = "error.noMemory";
inline constexpr char kNotRegular[] = "error.notRegular";

int LastError();
bool IsMissing(int error);
bool AlreadyExists(int error);
int NoMemoryError();
// The key of our own text for an error code; nullptr when we have none.
const char *KnownErrorText(int error);
// The system's own text for an error code.
std::u16string OwnErrorText(int error);

// A wide path ('\' and '/' both separators) in the system's form, and back.
Native Encoded(const std::u16string &path);
std::u16string Decoded(const Native &path);
// Whether `path` starts with `prefix`, as the system compares names.
bool SamePrefix(const Native &path, const Native &prefix);

// Without following a final link.
bool Exists(const Native &path);
bool IsLink(const Native &path);
// Following links.
bool IsFolder(const Native &path);
// The size and the time of the last write (nanoseconds since 1970-01-01 00:00 UTC), following
// links; false when the file cannot be looked at.
bool SizeAndTime(const Native &path, int64_t &size, int64_t &modified);

// Opens a regular file for reading; any other kind of file is refused without being opened, with
// `kind` saying why (error 0), so that opening never blocks.
File OpenRegular(const Native &path, int &error, std::u16string &kind);
int64_t SizeOf(File file);
// Up to `count` bytes; 0 at the end, -1 on an error.
int64_t ReadSome(File file, char *into, size_t count);
bool WriteAll(File file, std::string_view bytes);
// To disk.
bool Flush(File file);
bool Close(File file);

// The path with every link followed.
bool RealPath(const Native &path, Native &out);
// Whether an existing file can be replaced: a regular file (not read-only on Windows); its mode to
// give the replacement, or why not.
bool WritableRegular(const Native &path, Mode &mode, std::u16string &kind);
unsigned long ProcessId();
// A new file that did not exist, with `mode` when `keepMode`.
File CreateNew(const Native &path, bool keepMode, Mode mode);
// Renames `from` over `to`.
bool Replace(const Native &from, const Native &to);
bool Remove(const Native &path);
bool MakeFolder(const Native &path);
void RemoveFolder(const Native &path);
// The names in a folder, without "." and ".."; none when it cannot be listed.
std::vector<Native> ListFolder(const Native &path);

// The value of an environment variable; empty when it is not set.
std::u16string Environment(const char *name);

// A command-line argument as an absolute wide path.
std::u16string FullPath(const char *argument);
// A path made absolute from the current folder.
Native Absolute(const Native &path);

} // namespace platform::sys
