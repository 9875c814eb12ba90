// The system calls of the text files on POSIX systems. File names are UTF-8.

#include "platform/codepage.h"
#include "platform/textfile_system.h"
#include "res/text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform::sys {

const File kNoFile = -1;

namespace {

struct ErrorText {
    int error;
    const char *text; // a key of res/text.h
};

const ErrorText kErrorTexts[] = {
    {ENOENT, kNoSuchFile},
    {ENOTDIR, kNoSuchFile},
    {EACCES, kNoPermission},
    {EPERM, kNoPermission},
    {ENOSPC, kDiskFull},
    {EDQUOT, "error.quota"},
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

std::u16string KindText(mode_t mode) { return res::Str(S_ISDIR(mode) ? kIsFolder : kNotRegular); }

// The path with "." and empty parts dropped and each ".." taking the part before it, as a
// shell's `cd` reads it; "/.." is "/".
std::string Cleaned(const std::string &absolute) {
    std::vector<std::string_view> parts;
    std::string_view rest = absolute;
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

} // namespace

int LastError() { return errno; }

bool IsMissing(int error) { return error == ENOENT || error == ENOTDIR; }

bool AlreadyExists(int error) { return error == EEXIST; }

int NoMemoryError() { return ENOMEM; }

const char *KnownErrorText(int error) {
    for (const ErrorText &known : kErrorTexts)
        if (known.error == error) return known.text;
    return nullptr;
}

std::u16string OwnErrorText(int error) { return Utf8ToWide(std::strerror(error)); }

Native Encoded(const std::u16string &path) {
    std::u16string slashed = path;
    std::replace(slashed.begin(), slashed.end(), u'\\', u'/');
    return WideToUtf8(slashed);
}

std::u16string Decoded(const Native &path) { return Utf8ToWide(path); }

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

bool SizeAndTime(const Native &path, int64_t &size, int64_t &modified) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    size = int64_t(st.st_size);
    modified = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

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

bool WriteAll(File fd, std::string_view bytes) {
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

bool Remove(const Native &path) { return ::unlink(path.c_str()) == 0; }

bool MakeFolder(const Native &path) { return ::mkdir(path.c_str(), 0777) == 0; }

void RemoveFolder(const Native &path) { ::rmdir(path.c_str()); }

std::vector<Native> ListFolder(const Native &path) {
    std::vector<Native> names;
    DIR *folder = ::opendir(path.c_str());
    if (!folder) return names;
    while (const dirent *entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(folder);
    return names;
}

std::u16string Environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? Utf8ToWide(value) : std::u16string();
}

Native Absolute(const Native &path) {
    if (!path.empty() && path[0] == '/') return Cleaned(path);
    std::string folder(PATH_MAX, '\0');
    if (!::getcwd(folder.data(), folder.size())) return path;
    folder.resize(std::strlen(folder.c_str()));
    return Cleaned(folder + "/" + path);
}

std::u16string FullPath(const char *argument) { return Utf8ToWide(Absolute(argument)); }

} // namespace platform::sys
