#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString NativePath(const std::u16string &path) {
    QString p = QString::fromStdU16String(path);
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

std::string Encoded(const std::u16string &path) {
    return QFile::encodeName(NativePath(path)).toStdString();
}

QString Decoded(const std::string &path) { return QFile::decodeName(path.c_str()); }

// Text-mode reading: each CR LF pair becomes one LF; a lone CR stays.
void DropCrBeforeLf(std::string &s) {
    size_t out = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        s[out++] = s[i];
    }
    s.resize(out);
}

std::u16string Message(const QString &what, const QString &path, const std::u16string &detail) {
    return (what + QStringLiteral(": ") + QDir::toNativeSeparators(path) +
            (detail.empty()
                 ? QString()
                 : QStringLiteral(" (") + QString::fromStdU16String(detail) + QStringLiteral(")")))
        .toStdU16String();
}

const std::u16string kNotRegular = u"不是普通文件";

std::u16string KindText(mode_t mode) {
    return S_ISDIR(mode) ? SystemErrorText(EISDIR) : kNotRegular;
}

// Opens a regular file for reading. The kind is checked before opening, so a pipe or device is
// never opened (opening either may block or act), and again on the open descriptor in case the
// path was swapped in between. -1 with `error` set otherwise (0 with `kind` for another kind).
int OpenRegular(const std::string &path, int &error, std::u16string &kind) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = errno;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        error = 0;
        kind = KindText(st.st_mode);
        return -1;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = 0;
        kind = KindText(st.st_mode);
        return -1;
    }
    return fd;
}

bool WriteAll(int fd, const std::string &bytes) {
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

std::string FolderPart(const std::string &path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NamePart(const std::string &path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool RealPath(const std::string &path, std::string &out) {
    char buffer[PATH_MAX];
    if (!::realpath(path.c_str(), buffer)) return false;
    out = buffer;
    return true;
}

bool IsInside(const std::string &path, const std::string &folder) {
    const std::string prefix = folder == "/" ? folder : folder + "/";
    return path.compare(0, prefix.size(), prefix) == 0;
}

// One file on its way to its target.
struct Pending {
    std::u16string shownPath; // as the caller named it, for messages
    std::string target;       // links followed to the end
    std::string temp;
    bool exists = false;
    mode_t mode = 0;
};

// Follows `path` to the file a write replaces: an existing file through all its links, a new one
// in the real folder. False with `error` for a target that is no regular file or a link that
// leads nowhere.
bool Resolve(const std::string &path, Pending &pending, std::u16string &error) {
    const QString shown = QString::fromStdU16String(pending.shownPath);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        std::string folder;
        if (errno != ENOENT || !RealPath(FolderPart(path), folder)) {
            error = Message(QStringLiteral("无法创建文件"), shown, SystemErrorText(errno));
            return false;
        }
        pending.target = (folder == "/" ? folder : folder + "/") + NamePart(path);
        return true;
    }
    if (!RealPath(path, pending.target)) {
        error =
            Message(QStringLiteral("无法写入符号链接指向的文件"), shown, SystemErrorText(errno));
        return false;
    }
    if (::stat(pending.target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        error = Message(QStringLiteral("无法写入文件"), shown, KindText(st.st_mode));
        return false;
    }
    pending.exists = true;
    pending.mode = st.st_mode & 07777;
    return true;
}

// The symbolic link on `path`, below `confine`, that leads out of `realConfine`; the path itself
// when none is found.
std::string LinkLeadingOut(const std::string &path, const std::string &confine,
                           const std::string &realConfine) {
    size_t from = path.compare(0, confine.size(), confine) == 0 ? confine.size() : 0;
    for (size_t slash = path.find('/', from + 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        struct stat st {};
        std::string real;
        if (::lstat(prefix.c_str(), &st) == 0 && S_ISLNK(st.st_mode) &&
            !(RealPath(prefix, real) && IsInside(real, realConfine)))
            return prefix;
        if (slash == std::string::npos) return path;
    }
}

// A new temporary file beside the target, with the target's permissions when it exists.
int CreateTemporary(Pending &pending) {
    static unsigned counter = 0;
    const std::string folder = FolderPart(pending.target);
    const std::string stem = folder + "/." + NamePart(pending.target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        pending.temp = stem + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
        int fd = ::open(pending.temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (pending.exists) ::fchmod(fd, pending.mode);
            return fd;
        }
        if (errno != EEXIST) break;
    }
    pending.temp.clear();
    return -1;
}

void RemoveTemporaries(std::vector<Pending> &pending) {
    for (Pending &p : pending)
        if (!p.temp.empty()) ::unlink(p.temp.c_str());
}

// Writes one temporary file in full and flushes it to disk; the error message when that fails.
std::u16string WriteTemporary(Pending &pending, std::string_view text) {
    const QString shown = QString::fromStdU16String(pending.shownPath);
    int fd = CreateTemporary(pending);
    if (fd < 0) return Message(QStringLiteral("无法创建文件"), shown, SystemErrorText(errno));
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 16);
    for (char c : text) {
        if (c == '\n') bytes.push_back('\r');
        bytes.push_back(c);
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    return ok ? std::u16string()
              : Message(QStringLiteral("写入文件失败"), shown, SystemErrorText(error));
}

} // namespace

std::u16string SystemErrorText(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return u"文件或文件夹不存在";
    case EACCES:
    case EPERM:
        return u"没有权限";
    case ENOSPC:
        return u"磁盘空间不足";
    case EDQUOT:
        return u"超出磁盘配额";
    case EROFS:
        return u"文件系统是只读的";
    case EFBIG:
        return u"文件太大";
    case EISDIR:
        return u"是一个文件夹";
    case EBUSY:
    case ETXTBSY:
        return u"文件正被占用";
    case EIO:
        return u"输入输出错误";
    case ENAMETOOLONG:
        return u"文件名太长";
    case ELOOP:
        return u"符号链接层数太多";
    case ENOMEM:
        return u"内存不足";
    }
    return QString::fromLocal8Bit(std::strerror(error)).toStdU16String();
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
    int fd = OpenRegular(Encoded(path), error, result.reason);
    if (fd < 0) {
        result.status = error == ENOENT || error == ENOTDIR ? ReadResult::Status::Missing
                                                            : ReadResult::Status::CannotRead;
        if (error != 0) result.reason = SystemErrorText(error);
        return result;
    }
    struct stat st {};
    ::fstat(fd, &st);
    if (st.st_size > kMaxFileSize) {
        ::close(fd);
        result.status = ReadResult::Status::TooLarge;
        result.reason = u"文件大于 2 GB";
        return result;
    }
    result.status = ReadResult::Status::CannotRead;
    try {
        result.text.resize(size_t(st.st_size));
    } catch (const std::bad_alloc &) {
        ::close(fd);
        result.reason = SystemErrorText(ENOMEM);
        return result;
    }
    size_t got = 0;
    while (got < result.text.size()) {
        ssize_t n = ::read(fd, result.text.data() + got, result.text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.reason = SystemErrorText(errno);
            ::close(fd);
            result.text.clear();
            return result;
        }
        if (n == 0) break;
        got += size_t(n);
    }
    ::close(fd);
    result.text.resize(got);
    DropCrBeforeLf(result.text);
    result.status = ReadResult::Status::Ok;
    return result;
}

bool CanOpenForReading(const std::u16string &path) {
    int error = 0;
    std::u16string kind;
    int fd = OpenRegular(Encoded(path), error, kind);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

WriteResult WriteTextFiles(const std::vector<FileContent> &files, const std::u16string &confine) {
    std::vector<Pending> pending(files.size());
    std::u16string error;
    std::string realConfine;
    if (!confine.empty() && !RealPath(Encoded(confine), realConfine))
        return {false, Message(QStringLiteral("无法打开文件夹"), NativePath(confine),
                               SystemErrorText(errno))};
    for (size_t i = 0; i < files.size(); ++i) {
        pending[i].shownPath = files[i].path;
        const std::string path = Encoded(files[i].path);
        if (!Resolve(path, pending[i], error)) return {false, error};
        // Two names for one file (a link to another file of the same save) would leave it with
        // only the last content.
        for (size_t j = 0; j < i; ++j)
            if (pending[j].target == pending[i].target)
                return {false, Message(QStringLiteral("两个要写入的文件是同一个文件，不能写入"),
                                       NativePath(files[j].path) + QStringLiteral(", ") +
                                           NativePath(files[i].path),
                                       u"指向 " + Decoded(pending[i].target).toStdU16String())};
        if (!confine.empty() && !IsInside(pending[i].target, realConfine)) {
            const std::string link = LinkLeadingOut(path, Encoded(confine), realConfine);
            return {false,
                    Message(QStringLiteral("符号链接指向所打开文件的文件夹之外，不能写入"),
                            Decoded(link), u"指向 " + Decoded(pending[i].target).toStdU16String())};
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
        if (::rename(pending[i].temp.c_str(), pending[i].target.c_str()) != 0) {
            error =
                Message(QStringLiteral("替换文件失败"),
                        QString::fromStdU16String(pending[i].shownPath), SystemErrorText(errno));
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
    const std::string native = Encoded(path);
    if (::mkdir(native.c_str(), 0777) == 0) return FolderResult::Created;
    int error = errno;
    struct stat st {};
    if (error == EEXIST && ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return FolderResult::AlreadyExists;
    if (reason)
        *reason = error == EEXIST ? std::u16string(u"已有同名的文件") : SystemErrorText(error);
    return FolderResult::Failed;
}

void RemoveEmptyFolder(const std::u16string &path) { ::rmdir(Encoded(path).c_str()); }

std::u16string AbsolutePathOf(const char *argument) {
    return QFileInfo(QFile::decodeName(argument)).absoluteFilePath().toStdU16String();
}

char16_t NativeSeparator() { return u'/'; }

} // namespace platform
