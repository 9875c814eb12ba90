#pragma once
// What the document's files held on disk when the editor last read or wrote them, to tell when
// another program changed them since.

#include <QDateTime>
#include <string>
#include <vector>

struct FileStamp {
    std::u16string path;
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    size_t content = 0; // a hash of the text as read
};

// The file at `path` as it stands.
FileStamp StampOf(const std::u16string &path);

class FileStamps {
public:
    // The stamps of exactly these files, as they stand now; nothing ignored.
    void Take(const std::vector<std::u16string> &paths);
    void Clear() { stamps_.clear(); }
    std::vector<std::u16string> Paths() const;

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
