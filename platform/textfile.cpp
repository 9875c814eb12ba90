#include "platform/textfile.h"

#include "platform/textfile_system.h"
#include "res/text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

// The read, confine and save logic, the same on every system; the system calls under it are in
// textfile_posix.cpp and textfile_win32.cpp.

namespace platform {

namespace {

using namespace sys;

// Both '\\' and '/' separate folders in the paths we are given.
std::u16string Slashed(std::u16string path) {
    std::replace(path.begin(), path.end(), u'\\', u'/');
    return path;
}

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
            error = Message(res::Str("file.cannotCreate"), shown, SystemErrorText(LastError()));
            return false;
        }
        pending.target = Join(folder, path.substr(name));
        return true;
    }
    if (!RealPath(path, pending.target)) {
        error = Message(res::Str("file.cannotWriteLinked"), shown, SystemErrorText(LastError()));
        return false;
    }
    std::u16string kind;
    if (!WritableRegular(pending.target, pending.mode, kind)) {
        error = Message(res::Str("file.cannotWrite"), shown, kind);
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

// Writes the pieces one after another with each LF turned into CR LF on the way, through one
// buffer of its own: the text is never copied whole.
bool WriteConverted(File file, const std::vector<std::string_view> &pieces) {
    constexpr size_t kBuffer = size_t(256) << 10;
    const std::unique_ptr<char[]> buffer(new char[kBuffer]);
    size_t used = 0;
    auto put = [&](std::string_view bytes) {
        if (used + bytes.size() > kBuffer) {
            if (!WriteAll(file, std::string_view(buffer.get(), used))) return false;
            used = 0;
        }
        if (bytes.size() >= kBuffer) return WriteAll(file, bytes);
        std::memcpy(buffer.get() + used, bytes.data(), bytes.size());
        used += bytes.size();
        return true;
    };
    for (std::string_view piece : pieces) {
        while (!piece.empty()) {
            const char *lf =
                static_cast<const char *>(std::memchr(piece.data(), '\n', piece.size()));
            const size_t line = lf ? size_t(lf - piece.data()) : piece.size();
            if (!put(piece.substr(0, line)) || (lf && !put("\r\n"))) return false;
            piece.remove_prefix(lf ? line + 1 : line);
        }
    }
    return WriteAll(file, std::string_view(buffer.get(), used));
}

bool WritePieces(File file, const std::vector<std::string_view> &pieces, bool crlf) {
    if (crlf) return WriteConverted(file, pieces);
    for (std::string_view piece : pieces)
        if (!WriteAll(file, piece)) return false;
    return true;
}

// Writes one temporary file in full and flushes it to disk; the error message when that fails.
std::u16string WriteTemporary(Pending &pending, const std::vector<std::string_view> &pieces,
                              bool crlf) {
    const std::u16string &shown = pending.shownPath;
    File file = CreateTemporary(pending);
    if (file == kNoFile)
        return Message(res::Str("file.cannotCreate"), shown, SystemErrorText(LastError()));
    bool ok = WritePieces(file, pieces, crlf) && Flush(file);
    int error = LastError();
    if (!Close(file) && ok) {
        ok = false;
        error = LastError();
    }
    return ok ? std::u16string()
              : Message(res::Str("file.writeFailed"), shown, SystemErrorText(error));
}

// The whole file; with `crlf`, each CR LF read as one LF.
ReadResult ReadWhole(const std::u16string &path, bool crlf) {
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
        result.reason = res::Str("file.over2GB");
        return result;
    }
    try {
        result.text.resize(size_t(size));
    } catch (const std::bad_alloc &) {
        Close(file);
        result.reason = SystemErrorText(NoMemoryError());
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
    if (crlf) DropCrBeforeLf(result.text);
    result.status = ReadResult::Status::Ok;
    return result;
}

// WriteTextFiles, with `crlf` false writing the bytes as they are.
WriteResult WriteFiles(const std::vector<FileContent> &files, const std::u16string &confine,
                       bool crlf) {
    std::vector<Pending> pending(files.size());
    std::u16string error;
    Native realConfine;
    if (!confine.empty() && !RealPath(Encoded(confine), realConfine))
        return {false, Message(res::Str("file.cannotOpenFolder"), Slashed(confine),
                               SystemErrorText(LastError()))};
    for (size_t i = 0; i < files.size(); ++i) {
        pending[i].shownPath = files[i].path;
        const Native path = Encoded(files[i].path);
        if (!Resolve(path, pending[i], error)) return {false, error};
        // Two names for one file (a link to another file of the same save) would leave it with
        // only the last content.
        for (size_t j = 0; j < i; ++j)
            if (SamePath(pending[j].target, pending[i].target))
                return {false, Message(res::Str("file.sameFile"),
                                       Slashed(files[j].path) + u", " + Slashed(files[i].path),
                                       res::Format("file.pointsTo", {Decoded(pending[i].target)}))};
        if (!confine.empty() && !IsInside(pending[i].target, realConfine)) {
            const Native link = LinkLeadingOut(path, Encoded(confine), realConfine);
            return {false, Message(res::Str("file.linkOutside"), Decoded(link),
                                   res::Format("file.pointsTo", {Decoded(pending[i].target)}))};
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        error = WriteTemporary(pending[i], files[i].pieces, crlf);
        if (!error.empty()) {
            RemoveTemporaries(pending);
            return {false, error};
        }
    }
    for (size_t i = 0; i < files.size(); ++i) {
        if (!Replace(pending[i].temp, pending[i].target)) {
            error = Message(res::Str("file.replaceFailed"), pending[i].shownPath,
                            SystemErrorText(LastError()));
            RemoveTemporaries(pending);
            return {false, error};
        }
        pending[i].temp.clear();
    }
    return {true, {}};
}

} // namespace

std::u16string SystemErrorText(int error) {
    const char *known = KnownErrorText(error);
    return known ? res::Str(known) : OwnErrorText(error);
}

int64_t FileLength(std::FILE *file) {
    if (!file) return -1;
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    long size = std::ftell(file);
    std::rewind(file);
    return size < 0 ? -1 : int64_t(size);
}

bool CanOpenForReading(const std::u16string &path) {
    int error = 0;
    std::u16string kind;
    File file = OpenRegular(Encoded(path), error, kind);
    if (file == kNoFile) return false;
    Close(file);
    return true;
}

FileInfo FileInfoOf(const std::u16string &path) {
    FileInfo info;
    info.exists = SizeAndTime(Encoded(path), info.size, info.modified);
    return info;
}

ReadResult ReadTextFile(const std::u16string &path) { return ReadWhole(path, true); }

ReadResult ReadFileBytes(const std::u16string &path) { return ReadWhole(path, false); }

WriteResult WriteTextFiles(const std::vector<FileContent> &files, const std::u16string &confine) {
    return WriteFiles(files, confine, true);
}

WriteResult WriteTextFile(const std::u16string &path, std::string_view text) {
    return WriteTextFiles({{path, {text}}});
}

WriteResult WriteFileBytes(const std::u16string &path, std::string_view bytes) {
    return WriteFiles({{path, {bytes}}}, {}, false);
}

bool RenameFile(const std::u16string &from, const std::u16string &to) {
    return Replace(Encoded(from), Encoded(to));
}

bool RemoveFile(const std::u16string &path) { return Remove(Encoded(path)); }

FolderResult CreateFolder(const std::u16string &path, std::u16string *reason) {
    const Native native = Encoded(path);
    if (MakeFolder(native)) return FolderResult::Created;
    const int error = LastError();
    if (AlreadyExists(error) && IsFolder(native)) return FolderResult::AlreadyExists;
    if (reason) *reason = AlreadyExists(error) ? res::Str("file.exists") : SystemErrorText(error);
    return FolderResult::Failed;
}

void RemoveEmptyFolder(const std::u16string &path) { RemoveFolder(Encoded(path)); }

std::vector<std::u16string> NamesInFolder(const std::u16string &path) {
    std::vector<std::u16string> decoded;
    for (const Native &name : ListFolder(Encoded(path)))
        decoded.push_back(Decoded(name));
    return decoded;
}

std::u16string EnvironmentValue(const char *name) { return Environment(name); }

std::u16string AbsolutePathOf(const char *argument) { return FullPath(argument); }

std::u16string AbsolutePath(const std::u16string &path) { return Decoded(Absolute(Encoded(path))); }

bool IsExistingFile(const std::u16string &path) {
    const Native native = Encoded(path);
    return Exists(native) && !IsFolder(native);
}

std::u16string FileNameOf(std::u16string_view path) {
    const size_t separator = path.find_last_of(u"\\/");
    return std::u16string(separator == path.npos ? path : path.substr(separator + 1));
}

char16_t NativeSeparator() { return char16_t(kSeparator); }

} // namespace platform
