#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {

QString NativePath(const std::u16string &path) {
    QString p = QString::fromStdU16String(path);
#ifndef _WIN32
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    return p;
}

std::FILE *OpenForReading(const std::u16string &path) {
#ifdef _WIN32
    return _wfopen(reinterpret_cast<const wchar_t *>(NativePath(path).utf16()), L"rb");
#else
    return std::fopen(QFile::encodeName(NativePath(path)).constData(), "rb");
#endif
}

// Text-mode reading: each CR LF pair becomes one LF; a lone CR stays.
void DropCrBeforeLf(std::string &s) {
    size_t out = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        s[out++] = s[i];
    }
    s.resize(out);
}

std::u16string Message(const QString &what, const QString &path, const QString &detail) {
    return (what + QStringLiteral(": ") + QDir::toNativeSeparators(path) +
            (detail.isEmpty() ? QString() : QStringLiteral(" (") + detail + QStringLiteral(")")))
        .toStdU16String();
}

} // namespace

int64_t FileLength(std::FILE *file) {
    if (!file) return -1;
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    long size = std::ftell(file);
    std::rewind(file);
    return size < 0 ? -1 : int64_t(size);
}

ReadResult ReadTextFile(const std::u16string &path) {
    ReadResult result;
    std::FILE *file = OpenForReading(path);
    if (!file) return result;
    int64_t size = FileLength(file);
    if (size < 0 || size > kMaxFileSize) {
        std::fclose(file);
        result.status = size < 0 ? ReadResult::Status::ReadError : ReadResult::Status::TooLarge;
        return result;
    }
    result.text.resize(size_t(size));
    size_t got = std::fread(result.text.data(), 1, result.text.size(), file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        result.status = ReadResult::Status::ReadError;
        result.text.clear();
        return result;
    }
    result.text.resize(got);
    DropCrBeforeLf(result.text);
    result.status = ReadResult::Status::Ok;
    return result;
}

bool CanOpenForReading(const std::u16string &path) {
    std::FILE *file = OpenForReading(path);
    if (!file) return false;
    std::fclose(file);
    return true;
}

WriteResult WriteTextFile(const std::u16string &path, std::string_view text) {
    const QString native = NativePath(path);
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 16);
    for (char c : text) {
        if (c == '\n') bytes.push_back('\r');
        bytes.push_back(c);
    }
    QSaveFile file(native);
    // Writing through a temporary file needs a folder we may create files in; refuse rather
    // than fall back to writing the target in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return {false, Message(QStringLiteral("无法创建文件"), native, file.errorString())};
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        QString detail = file.errorString();
        file.cancelWriting();
        return {false, Message(QStringLiteral("写入文件失败"), native, detail)};
    }
    if (!file.commit())
        return {false, Message(QStringLiteral("写入文件失败"), native, file.errorString())};
    return {true, {}};
}

FolderResult CreateFolder(const std::u16string &path) {
    const QString native = NativePath(path);
    QFileInfo info(native);
    if (info.isDir()) return FolderResult::AlreadyExists;
    if (info.exists()) return FolderResult::Failed;
    return QDir().mkdir(native) ? FolderResult::Created : FolderResult::Failed;
}

char16_t NativeSeparator() {
#ifdef _WIN32
    return u'\\';
#else
    return u'/';
#endif
}

} // namespace platform
