// The system calls of the text files on Windows. File names are UTF-16, read-only files are not
// replaced, and final paths are read from open handles.

#include "platform/textfile.h"
#include "platform/textfile_system.h"
#include "res/text.h"

#include <algorithm>
#include <windows.h>

namespace platform::sys {

const File kNoFile = INVALID_HANDLE_VALUE;

namespace {

struct ErrorText {
    DWORD error;
    const char *text; // a key of res/text.h
};

const ErrorText kErrorTexts[] = {
    {ERROR_FILE_NOT_FOUND, kNoSuchFile},
    {ERROR_PATH_NOT_FOUND, kNoSuchFile},
    {ERROR_ACCESS_DENIED, kNoPermission},
    {ERROR_DISK_FULL, kDiskFull},
    {ERROR_HANDLE_DISK_FULL, kDiskFull},
    {ERROR_WRITE_PROTECT, kReadOnlyDisk},
    {ERROR_FILE_TOO_LARGE, kFileTooBig},
    {ERROR_SHARING_VIOLATION, kInUse},
    {ERROR_LOCK_VIOLATION, kInUse},
    {ERROR_READ_FAULT, kIoError},
    {ERROR_WRITE_FAULT, kIoError},
    {ERROR_IO_DEVICE, kIoError},
    {ERROR_CRC, kIoError},
    {ERROR_FILENAME_EXCED_RANGE, kNameTooLong},
    {ERROR_CANT_RESOLVE_FILENAME, kTooManyLinks},
    {ERROR_NOT_ENOUGH_MEMORY, kNoMemory},
    {ERROR_OUTOFMEMORY, kNoMemory},
};

// UTF-16 or ASCII text, unit by unit.
template <typename Text> std::u16string Wide(const Text &text) {
    return std::u16string(text.begin(), text.end());
}

// Attributes without following a final link; INVALID_FILE_ATTRIBUTES with LastError() set.
DWORD Attributes(const Native &path) { return GetFileAttributesW(path.c_str()); }

// Why a file of these attributes is no regular file; empty when it is one.
std::u16string KindText(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return res::Str(kIsFolder);
    return attributes & FILE_ATTRIBUTE_DEVICE ? res::Str(kNotRegular) : std::u16string();
}

// Named pipes may only identify us, not act as us.
constexpr DWORD kOpenFlags = SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

constexpr size_t kChunk = size_t(1) << 30; // one ReadFile/WriteFile call moves a DWORD at most

} // namespace

int LastError() { return int(GetLastError()); }

bool IsMissing(int error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool AlreadyExists(int error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

int NoMemoryError() { return ERROR_NOT_ENOUGH_MEMORY; }

const char *KnownErrorText(int error) {
    for (const ErrorText &known : kErrorTexts)
        if (int(known.error) == error) return known.text;
    return nullptr;
}

std::u16string OwnErrorText(int error) {
    wchar_t *buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, DWORD(error), 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    std::u16string text(reinterpret_cast<const char16_t *>(buffer), n);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '))
        text.pop_back();
    if (text.empty()) text = res::Format("error.code", {Wide(std::to_string(error))});
    return text;
}

Native Encoded(const std::u16string &path) {
    Native native(path.begin(), path.end());
    std::replace(native.begin(), native.end(), L'/', L'\\');
    return native;
}

// Final paths come as \\?\C:\... or \\?\UNC\server\...; the user knows them without that prefix.
std::u16string Decoded(const Native &path) {
    if (path.starts_with(L"\\\\?\\UNC\\")) return u"\\" + Wide(path.substr(7));
    return Wide(path.starts_with(L"\\\\?\\") ? path.substr(4) : path);
}

// Windows file names ignore case.
bool SamePrefix(const Native &path, const Native &prefix) {
    return path.size() >= prefix.size() &&
           CompareStringOrdinal(path.c_str(), int(prefix.size()), prefix.c_str(),
                                int(prefix.size()), TRUE) == CSTR_EQUAL;
}

bool Exists(const Native &path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsLink(const Native &path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsFolder(const Native &path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A link is looked at through a handle to its final target; anything else by its attributes
// alone, so that nothing is opened (opening a pipe or device may block or act).
bool SizeAndTime(const Native &path, int64_t &size, int64_t &modified) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    DWORD sizeHigh = data.nFileSizeHigh, sizeLow = data.nFileSizeLow;
    FILETIME written = data.ftLastWriteTime;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        File file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | kOpenFlags, nullptr);
        if (file == kNoFile) return false;
        BY_HANDLE_FILE_INFORMATION info{};
        const bool ok = GetFileInformationByHandle(file, &info);
        CloseHandle(file);
        if (!ok) return false;
        sizeHigh = info.nFileSizeHigh;
        sizeLow = info.nFileSizeLow;
        written = info.ftLastWriteTime;
    }
    size = int64_t((uint64_t(sizeHigh) << 32) | sizeLow);
    // FILETIME counts 100 ns from 1601-01-01; 1970-01-01 is 11,644,473,600 s later.
    const uint64_t ticks = (uint64_t(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    modified = (int64_t(ticks) - 116444736000000000) * 100;
    return true;
}

File OpenRegular(const Native &path, int &error, std::u16string &kind) {
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        error = LastError();
        return kNoFile;
    }
    kind = KindText(attributes);
    if (!kind.empty()) {
        error = 0;
        return kNoFile;
    }
    File file =
        CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN | kOpenFlags, nullptr);
    if (file == kNoFile) {
        error = LastError();
        return kNoFile;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        error = 0;
        kind = res::Str(kNotRegular);
        return kNoFile;
    }
    return file;
}

int64_t SizeOf(File file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? int64_t(size.QuadPart) : -1;
}

int64_t ReadSome(File file, char *into, size_t count) {
    DWORD got = 0;
    return ReadFile(file, into, DWORD(std::min(count, kChunk)), &got, nullptr) ? int64_t(got) : -1;
}

bool WriteAll(File file, std::string_view bytes) {
    for (size_t done = 0; done < bytes.size();) {
        DWORD n = 0;
        if (!WriteFile(file, bytes.data() + done, DWORD(std::min(bytes.size() - done, kChunk)), &n,
                       nullptr))
            return false;
        if (n == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += n;
    }
    return true;
}

bool Flush(File file) { return FlushFileBuffers(file); }

bool Close(File file) { return CloseHandle(file); }

// The path with every link and reparse point followed, as \\?\C:\... (flags 0: normalized, with
// the drive letter).
bool RealPath(const Native &path, Native &out) {
    File file = CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS | kOpenFlags, nullptr);
    if (file == kNoFile) return false;
    Native buffer(MAX_PATH, L'\0');
    DWORD n = GetFinalPathNameByHandleW(file, buffer.data(), DWORD(buffer.size()), 0);
    if (n >= buffer.size()) {
        buffer.resize(n);
        n = GetFinalPathNameByHandleW(file, buffer.data(), DWORD(buffer.size()), 0);
    }
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (n == 0 || n >= buffer.size()) {
        SetLastError(n == 0 ? error : ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    buffer.resize(n);
    out = buffer;
    return true;
}

// A read-only file counts as not writable: replacing it would fail only after the files before
// it were replaced.
bool WritableRegular(const Native &path, Mode &mode, std::u16string &kind) {
    const DWORD attributes = Attributes(path);
    kind = attributes == INVALID_FILE_ATTRIBUTES  ? SystemErrorText(LastError())
           : attributes & FILE_ATTRIBUTE_READONLY ? res::Str(kNoPermission)
                                                  : KindText(attributes);
    mode = attributes;
    return kind.empty();
}

unsigned long ProcessId() { return GetCurrentProcessId(); }

// A hidden or system file stays so.
File CreateNew(const Native &path, bool keepMode, Mode mode) {
    const DWORD kept = keepMode ? mode & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) : 0;
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       kept ? kept : FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool Replace(const Native &from, const Native &to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool Remove(const Native &path) { return DeleteFileW(path.c_str()); }

bool MakeFolder(const Native &path) { return CreateDirectoryW(path.c_str(), nullptr); }

void RemoveFolder(const Native &path) { RemoveDirectoryW(path.c_str()); }

std::vector<Native> ListFolder(const Native &path) {
    std::vector<Native> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const Native name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::u16string Environment(const char *name) {
    const Native wideName(name, name + std::char_traits<char>::length(name));
    Native value(GetEnvironmentVariableW(wideName.c_str(), nullptr, 0), L'\0');
    if (value.empty()) return {};
    value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), DWORD(value.size())));
    return Wide(value);
}

// Command-line arguments come in the ANSI code page.
std::u16string FullPath(const char *argument) {
    const int n = MultiByteToWideChar(CP_ACP, 0, argument, -1, nullptr, 0);
    Native wide(size_t(std::max(n, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, argument, -1, wide.data(), n);
    return Wide(Absolute(wide.c_str()));
}

Native Absolute(const Native &path) {
    Native full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(std::min<size_t>(
        GetFullPathNameW(path.c_str(), DWORD(full.size()), full.data(), nullptr), full.size()));
    return full;
}

} // namespace platform::sys
