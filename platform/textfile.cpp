#include "platform/textfile.h"

#include <algorithm>
#include <new>

#ifdef _WIN32
#include <windows.h>
#else
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

constexpr char16_t kNoSuchFile[] = u"文件或文件夹不存在";
constexpr char16_t kNoPermission[] = u"没有权限";
constexpr char16_t kDiskFull[] = u"磁盘空间不足";
constexpr char16_t kReadOnlyDisk[] = u"文件系统是只读的";
constexpr char16_t kFileTooBig[] = u"文件太大";
constexpr char16_t kIsFolder[] = u"是一个文件夹";
constexpr char16_t kInUse[] = u"文件正被占用";
constexpr char16_t kIoError[] = u"输入输出错误";
constexpr char16_t kNameTooLong[] = u"文件名太长";
constexpr char16_t kTooManyLinks[] = u"符号链接层数太多";
constexpr char16_t kNoMemory[] = u"内存不足";
constexpr char16_t kNotRegular[] = u"不是普通文件";

// UTF-16 or ASCII text, unit by unit.
template <typename Text> std::u16string Wide(const Text &text) {
    return std::u16string(text.begin(), text.end());
}

// Both '\\' and '/' separate folders in the paths we are given.
std::u16string Slashed(std::u16string path) {
    std::replace(path.begin(), path.end(), u'\\', u'/');
    return path;
}

struct ErrorText {
    int error;
    const char16_t *text;
};

// The system primitives: everything below them is the same on every system. Paths are in the
// system's own form (`Native`), errors are the system's codes, read back with LastError().

#ifdef _WIN32

using Native = std::wstring; // UTF-16, '\' separated
using File = HANDLE;
const File kNoFile = INVALID_HANDLE_VALUE;
constexpr wchar_t kSeparator = L'\\';
using Mode = DWORD; // file attributes

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

const int kNoMemoryError = ERROR_NOT_ENOUGH_MEMORY;

int LastError() { return int(GetLastError()); }

bool IsMissing(int error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool AlreadyExists(int error) {
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
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
    if (text.empty()) text = u"错误代码 " + Wide(std::to_string(error));
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

// Attributes without following a final link; INVALID_FILE_ATTRIBUTES with LastError() set.
DWORD Attributes(const Native &path) { return GetFileAttributesW(path.c_str()); }

bool Exists(const Native &path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsLink(const Native &path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsFolder(const Native &path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Why a file of these attributes is no regular file; empty when it is one.
std::u16string KindText(DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return kIsFolder;
    return attributes & FILE_ATTRIBUTE_DEVICE ? kNotRegular : u"";
}

// Named pipes may only identify us, not act as us.
constexpr DWORD kOpenFlags = SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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
        kind = kNotRegular;
        return kNoFile;
    }
    return file;
}

int64_t SizeOf(File file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? int64_t(size.QuadPart) : -1;
}

constexpr size_t kChunk = size_t(1) << 30; // one ReadFile/WriteFile call moves a DWORD at most

int64_t ReadSome(File file, char *into, size_t count) {
    DWORD got = 0;
    return ReadFile(file, into, DWORD(std::min(count, kChunk)), &got, nullptr) ? int64_t(got) : -1;
}

bool WriteAll(File file, const std::string &bytes) {
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
           : attributes & FILE_ATTRIBUTE_READONLY ? kNoPermission
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

void Remove(const Native &path) { DeleteFileW(path.c_str()); }

bool MakeFolder(const Native &path) { return CreateDirectoryW(path.c_str(), nullptr); }

void RemoveFolder(const Native &path) { RemoveDirectoryW(path.c_str()); }

// Command-line arguments come in the ANSI code page.
std::u16string FullPath(const char *argument) {
    const int n = MultiByteToWideChar(CP_ACP, 0, argument, -1, nullptr, 0);
    Native wide(size_t(std::max(n, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, argument, -1, wide.data(), n);
    Native full(GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(std::min<size_t>(
        GetFullPathNameW(wide.c_str(), DWORD(full.size()), full.data(), nullptr), full.size()));
    return Wide(full);
}

#else

using Native = std::string; // bytes in the system's encoding, '/' separated
using File = int;
constexpr File kNoFile = -1;
constexpr char kSeparator = '/';
using Mode = mode_t;

const ErrorText kErrorTexts[] = {
    {ENOENT, kNoSuchFile},
    {ENOTDIR, kNoSuchFile},
    {EACCES, kNoPermission},
    {EPERM, kNoPermission},
    {ENOSPC, kDiskFull},
    {EDQUOT, u"超出磁盘配额"},
    {EROFS, kReadOnlyDisk},
    {EFBIG, kFileTooBig},
    {EISDIR, kIsFolder},
    {EBUSY, kInUse},
    {ETXTBSY, kInUse},
    {EIO, kIoError},
    {ENAMETOOLONG, kNameTooLong},
    {ELOOP, kTooManyLinks},
    {ENOMEM, kNoMemory},
};

const int kNoMemoryError = ENOMEM;

int LastError() { return errno; }

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

bool AlreadyExists(int error) { return error == EEXIST; }

std::u16string OwnErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error)).toStdU16String();
}

Native Encoded(const std::u16string &path) {
    return QFile::encodeName(QString::fromStdU16String(Slashed(path))).toStdString();
}

std::u16string Decoded(const Native &path) {
    return QFile::decodeName(path.c_str()).toStdU16String();
}

bool SamePrefix(const Native &path, const Native &prefix) {
    return path.compare(0, prefix.size(), prefix) == 0;
}

bool Exists(const Native &path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool IsLink(const Native &path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool IsFolder(const Native &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::u16string KindText(mode_t mode) { return S_ISDIR(mode) ? kIsFolder : kNotRegular; }

// The kind is checked before opening, so a pipe or device is never opened (opening either may
// block or act), and again on the open descriptor in case the path was swapped in between.
File OpenRegular(const Native &path, int &error, std::u16string &kind) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = errno;
        return kNoFile;
    }
    if (!S_ISREG(st.st_mode)) {
        error = 0;
        kind = KindText(st.st_mode);
        return kNoFile;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return kNoFile;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = 0;
        kind = KindText(st.st_mode);
        return kNoFile;
    }
    return fd;
}

int64_t SizeOf(File fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? int64_t(st.st_size) : -1;
}

int64_t ReadSome(File fd, char *into, size_t count) {
    for (;;) {
        ssize_t n = ::read(fd, into, count);
        if (n >= 0 || errno != EINTR) return n;
    }
}

bool WriteAll(File fd, const std::string &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

bool Flush(File fd) { return ::fsync(fd) == 0; }

bool Close(File fd) { return ::close(fd) == 0; }

bool RealPath(const Native &path, Native &out) {
    char buffer[PATH_MAX];
    if (!::realpath(path.c_str(), buffer)) return false;
    out = buffer;
    return true;
}

bool WritableRegular(const Native &path, Mode &mode, std::u16string &kind) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        kind = KindText(st.st_mode);
        return false;
    }
    mode = st.st_mode & 07777;
    return true;
}

unsigned long ProcessId() { return static_cast<unsigned long>(::getpid()); }

File CreateNew(const Native &path, bool keepMode, Mode mode) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 && keepMode) ::fchmod(fd, mode);
    return fd;
}

bool Replace(const Native &from, const Native &to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

void Remove(const Native &path) { ::unlink(path.c_str()); }

bool MakeFolder(const Native &path) { return ::mkdir(path.c_str(), 0777) == 0; }

void RemoveFolder(const Native &path) { ::rmdir(path.c_str()); }

std::u16string FullPath(const char *argument) {
    return QFileInfo(QFile::decodeName(argument)).absoluteFilePath().toStdU16String();
}

#endif

Native Ascii(std::string_view text) { return Native(text.begin(), text.end()); }

// Text-mode reading: each CR LF pair becomes one LF; a lone CR stays.
void DropCrBeforeLf(std::string &s) {
    size_t out = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        s[out++] = s[i];
    }
    s.resize(out);
}

// "what: path (detail)", the path with this system's separators.
std::u16string Message(std::u16string_view what, std::u16string path,
                       const std::u16string &detail) {
    std::replace(path.begin(), path.end(), u'/', char16_t(kSeparator));
    std::u16string message = std::u16string(what) + u": " + path;
    if (!detail.empty()) message += u" (" + detail + u")";
    return message;
}

// Where the last part of a path starts.
size_t NameStart(const Native &path) {
    size_t separator = path.find_last_of(kSeparator);
    return separator == Native::npos ? 0 : separator + 1;
}

Native Join(const Native &folder, const Native &name) {
    return folder.back() == kSeparator ? folder + name : folder + kSeparator + name;
}

bool IsInside(const Native &path, const Native &folder) {
    return SamePrefix(path, folder.back() == kSeparator ? folder : folder + kSeparator);
}

bool SamePath(const Native &a, const Native &b) { return a.size() == b.size() && SamePrefix(a, b); }

// One file on its way to its target.
struct Pending {
    std::u16string shownPath; // as the caller named it, for messages
    Native target;            // links followed to the end
    Native temp;
    bool exists = false;
    Mode mode = 0;
};

// Follows `path` to the file a write replaces: an existing file through all its links, a new one
// in the real folder. False with `error` for a target that is no regular file or a link that
// leads nowhere.
bool Resolve(const Native &path, Pending &pending, std::u16string &error) {
    const std::u16string &shown = pending.shownPath;
    if (!Exists(path)) {
        const size_t name = NameStart(path);
        Native folder;
        if (!IsMissing(LastError()) ||
            !RealPath(name == 0 ? Ascii(".") : path.substr(0, name), folder)) {
            error = Message(u"无法创建文件", shown, SystemErrorText(LastError()));
            return false;
        }
        pending.target = Join(folder, path.substr(name));
        return true;
    }
    if (!RealPath(path, pending.target)) {
        error = Message(u"无法写入符号链接指向的文件", shown, SystemErrorText(LastError()));
        return false;
    }
    std::u16string kind;
    if (!WritableRegular(pending.target, pending.mode, kind)) {
        error = Message(u"无法写入文件", shown, kind);
        return false;
    }
    pending.exists = true;
    return true;
}

// The symbolic link on `path`, below `confine`, that leads out of `realConfine`; the path itself
// when none is found.
Native LinkLeadingOut(const Native &path, const Native &confine, const Native &realConfine) {
    size_t from = SamePrefix(path, confine) ? confine.size() : 0;
    for (size_t slash = path.find(kSeparator, from + 1);;
         slash = path.find(kSeparator, slash + 1)) {
        const Native prefix = path.substr(0, slash);
        Native real;
        if (IsLink(prefix) && !(RealPath(prefix, real) && IsInside(real, realConfine)))
            return prefix;
        if (slash == Native::npos) return path;
    }
}

// A new temporary file beside the target, with the target's permissions when it exists.
File CreateTemporary(Pending &pending) {
    static unsigned counter = 0;
    const size_t name = NameStart(pending.target);
    const Native stem = pending.target.substr(0, name) + Ascii(".") + pending.target.substr(name) +
                        Ascii("." + std::to_string(ProcessId()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        pending.temp = stem + Ascii("-" + std::to_string(++counter) + ".tmp");
        File file = CreateNew(pending.temp, pending.exists, pending.mode);
        if (file != kNoFile) return file;
        if (!AlreadyExists(LastError())) break;
    }
    pending.temp.clear();
    return kNoFile;
}

void RemoveTemporaries(std::vector<Pending> &pending) {
    for (Pending &p : pending)
        if (!p.temp.empty()) Remove(p.temp);
}

// Writes one temporary file in full and flushes it to disk; the error message when that fails.
std::u16string WriteTemporary(Pending &pending, std::string_view text) {
    const std::u16string &shown = pending.shownPath;
    File file = CreateTemporary(pending);
    if (file == kNoFile) return Message(u"无法创建文件", shown, SystemErrorText(LastError()));
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 16);
    for (char c : text) {
        if (c == '\n') bytes.push_back('\r');
        bytes.push_back(c);
    }
    bool ok = WriteAll(file, bytes) && Flush(file);
    int error = LastError();
    if (!Close(file) && ok) {
        ok = false;
        error = LastError();
    }
    return ok ? std::u16string() : Message(u"写入文件失败", shown, SystemErrorText(error));
}

} // namespace

std::u16string SystemErrorText(int error) {
    for (const ErrorText &known : kErrorTexts)
        if (known.error == error) return known.text;
    return OwnErrorText(error);
}

int64_t FileLength(std::FILE *file) {
    if (!file) return -1;
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    long size = std::ftell(file);
    std::rewind(file);
    return size < 0 ? -1 : int64_t(size);
}

ReadResult ReadTextFile(const std::u16string &path) {
    ReadResult result;
    int error = 0;
    File file = OpenRegular(Encoded(path), error, result.reason);
    if (file == kNoFile) {
        result.status =
            IsMissing(error) ? ReadResult::Status::Missing : ReadResult::Status::CannotRead;
        if (error != 0) result.reason = SystemErrorText(error);
        return result;
    }
    result.status = ReadResult::Status::CannotRead;
    const int64_t size = SizeOf(file);
    if (size < 0) {
        result.reason = SystemErrorText(LastError());
        Close(file);
        return result;
    }
    if (size > kMaxFileSize) {
        Close(file);
        result.status = ReadResult::Status::TooLarge;
        result.reason = u"文件大于 2 GB";
        return result;
    }
    try {
        result.text.resize(size_t(size));
    } catch (const std::bad_alloc &) {
        Close(file);
        result.reason = SystemErrorText(kNoMemoryError);
        return result;
    }
    size_t got = 0;
    while (got < result.text.size()) {
        const int64_t n = ReadSome(file, result.text.data() + got, result.text.size() - got);
        if (n < 0) {
            result.reason = SystemErrorText(LastError());
            Close(file);
            result.text.clear();
            return result;
        }
        if (n == 0) break;
        got += size_t(n);
    }
    Close(file);
    result.text.resize(got);
    DropCrBeforeLf(result.text);
    result.status = ReadResult::Status::Ok;
    return result;
}

bool CanOpenForReading(const std::u16string &path) {
    int error = 0;
    std::u16string kind;
    File file = OpenRegular(Encoded(path), error, kind);
    if (file == kNoFile) return false;
    Close(file);
    return true;
}

WriteResult WriteTextFiles(const std::vector<FileContent> &files, const std::u16string &confine) {
    std::vector<Pending> pending(files.size());
    std::u16string error;
    Native realConfine;
    if (!confine.empty() && !RealPath(Encoded(confine), realConfine))
        return {false, Message(u"无法打开文件夹", Slashed(confine), SystemErrorText(LastError()))};
    for (size_t i = 0; i < files.size(); ++i) {
        pending[i].shownPath = files[i].path;
        const Native path = Encoded(files[i].path);
        if (!Resolve(path, pending[i], error)) return {false, error};
        // Two names for one file (a link to another file of the same save) would leave it with
        // only the last content.
        for (size_t j = 0; j < i; ++j)
            if (SamePath(pending[j].target, pending[i].target))
                return {false, Message(u"两个要写入的文件是同一个文件，不能写入",
                                       Slashed(files[j].path) + u", " + Slashed(files[i].path),
                                       u"指向 " + Decoded(pending[i].target))};
        if (!confine.empty() && !IsInside(pending[i].target, realConfine)) {
            const Native link = LinkLeadingOut(path, Encoded(confine), realConfine);
            return {false, Message(u"符号链接指向所打开文件的文件夹之外，不能写入", Decoded(link),
                                   u"指向 " + Decoded(pending[i].target))};
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        error = WriteTemporary(pending[i], files[i].text);
        if (!error.empty()) {
            RemoveTemporaries(pending);
            return {false, error};
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (!Replace(pending[i].temp, pending[i].target)) {
            error = Message(u"替换文件失败", pending[i].shownPath, SystemErrorText(LastError()));
            RemoveTemporaries(pending);
            return {false, error};
        }
        pending[i].temp.clear();
    }
    return {true, {}};
}

WriteResult WriteTextFile(const std::u16string &path, std::string_view text) {
    return WriteTextFiles({{path, std::string(text)}});
}

FolderResult CreateFolder(const std::u16string &path, std::u16string *reason) {
    const Native native = Encoded(path);
    if (MakeFolder(native)) return FolderResult::Created;
    const int error = LastError();
    if (AlreadyExists(error) && IsFolder(native)) return FolderResult::AlreadyExists;
    if (reason)
        *reason = AlreadyExists(error) ? std::u16string(u"已有同名的文件") : SystemErrorText(error);
    return FolderResult::Failed;
}

void RemoveEmptyFolder(const std::u16string &path) { RemoveFolder(Encoded(path)); }

std::u16string AbsolutePathOf(const char *argument) { return FullPath(argument); }

char16_t NativeSeparator() { return char16_t(kSeparator); }

} // namespace platform
