#include "document/filestamps.h"

#include "platform/textfile.h"

#include <algorithm>

namespace {

bool Same(const FileStamp &a, const FileStamp &b) {
    return a.exists == b.exists && a.size == b.size && a.modified == b.modified &&
           a.content == b.content;
}

} // namespace

uint64_t ContentHash(std::string_view bytes) {
    uint64_t hash = 14695981039346656037u;
    for (const char byte : bytes) {
        hash ^= uint8_t(byte);
        hash *= 1099511628211u;
    }
    return hash;
}

FileStamp StampOf(const std::u16string &path) {
    FileStamp stamp;
    stamp.path = path;
    const platform::FileInfo info = platform::FileInfoOf(path);
    stamp.exists = info.exists;
    if (!stamp.exists) return stamp;
    stamp.size = info.size;
    stamp.modified = info.modified;
    // Size and time may stay the same through a quick rewrite; the content tells.
    const platform::ReadResult read = platform::ReadTextFile(path);
    if (read.status == platform::ReadResult::Status::Ok) stamp.content = ContentHash(read.text);
    return stamp;
}

void FileStamps::Take(const std::vector<std::u16string> &paths) {
    stamps_.clear();
    for (const std::u16string &path : paths) {
        const FileStamp stamp = StampOf(path);
        stamps_.push_back({stamp, stamp});
    }
}

std::vector<std::u16string> FileStamps::Paths() const {
    std::vector<std::u16string> paths;
    for (const Entry &entry : stamps_)
        paths.push_back(entry.taken.path);
    return paths;
}

std::vector<FileStamp> FileStamps::Taken() const {
    std::vector<FileStamp> taken;
    for (const Entry &entry : stamps_)
        taken.push_back(entry.taken);
    return taken;
}

void FileStamps::Keep(const std::vector<FileStamp> &taken) {
    stamps_.clear();
    for (const FileStamp &stamp : taken)
        stamps_.push_back({stamp, stamp});
}

std::vector<std::u16string>
FileStamps::ChangedAmong(const std::vector<std::u16string> &paths) const {
    std::vector<std::u16string> changed;
    for (const Entry &entry : stamps_) {
        if (std::find(paths.begin(), paths.end(), entry.taken.path) == paths.end()) continue;
        if (!Same(StampOf(entry.taken.path), entry.taken)) changed.push_back(entry.taken.path);
    }
    return changed;
}

std::vector<std::u16string> FileStamps::ChangedNotIgnored() const {
    std::vector<std::u16string> changed;
    for (const Entry &entry : stamps_) {
        const FileStamp now = StampOf(entry.taken.path);
        if (!Same(now, entry.taken) && !Same(now, entry.ignored))
            changed.push_back(entry.taken.path);
    }
    return changed;
}

void FileStamps::Ignore(const std::vector<std::u16string> &paths) {
    for (Entry &entry : stamps_)
        if (std::find(paths.begin(), paths.end(), entry.taken.path) != paths.end())
            entry.ignored = StampOf(entry.taken.path);
}
