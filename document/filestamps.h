#pragma once
// What the document's files held on disk when the editor last read or wrote them, to tell when
// another program changed them since.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FileStamp {
    std::u16string path;
    bool exists = false;
    int64_t size = 0;
    int64_t modified = 0; // the last write, in nanoseconds since 1970-01-01 00:00 UTC
    uint64_t content = 0; // ContentHash of the text as read

    bool operator==(const FileStamp &) const = default;
};

// FNV-1a, 64 bits: a fixed function, so that stamps and hashes kept in a file compare across
// runs, builds and systems.
uint64_t ContentHash(std::string_view bytes);

// The file at `path` as it stands.
FileStamp StampOf(const std::u16string &path);

class FileStamps {
public:
    // The stamps of exactly these files, as they stand now; nothing ignored.
    void Take(const std::vector<std::u16string> &paths);
    void Clear() { stamps_.clear(); }
    std::vector<std::u16string> Paths() const;
    // The stamps as taken, for a recovery file to keep.
    std::vector<FileStamp> Taken() const;
    // Stamps taken earlier, as a recovery file kept them, in place of these; nothing ignored.
    void Keep(const std::vector<FileStamp> &taken);

    // Those of `paths` that changed on disk since their stamp was taken (size, modification
    // time or content); a path without a stamp never counts.
    std::vector<std::u16string> ChangedAmong(const std::vector<std::u16string> &paths) const;
    // Every stamped file that changed, less those whose present state the user chose to ignore.
    std::vector<std::u16string> ChangedNotIgnored() const;
    // Remembers the present state of `paths` as seen: it is not reported again, though a save
    // still asks before overwriting it.
    void Ignore(const std::vector<std::u16string> &paths);

private:
    struct Entry {
        FileStamp taken;
        FileStamp ignored;
    };
    std::vector<Entry> stamps_;
};
