#pragma once
// Recovery files: while the document has unsaved changes, what a restore needs to show it again is
// kept on disk, one file per opened file, so that a crash, a killed process or a power cut loses
// no work. The format is our own; see SerializeRecovery.

#include "core/document.h"
#include "document/filestamps.h"
#include "platform/textfile.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// What a recovery file keeps. Open gives the rest again: the files' slots, what Save drops and the
// counters the windows take from the texts.
struct Recovery {
    std::u16string openedPath;
    // The stamps the save-conflict check kept: of the files Open read, or of those the last save
    // wrote. A file that changed since was changed by someone else; a save of the recovered texts
    // would overwrite it.
    std::vector<FileStamp> stamps;
    // New entries were numbered from it.
    int startNumber = 0;
    // What Open could not read then: the texts lack it, so saving them stays refused.
    bool openedFileUnread = false;
    std::u16string unreadIncludes;
    // In the order of Document::Texts().
    std::array<std::string, kDocumentTextCount> texts;
    // When the snapshot was taken, in nanoseconds since 1970-01-01 00:00 UTC.
    int64_t writtenAt = 0;

    bool operator==(const Recovery &) const = default;
};

// A snapshot of the document, taken now: its texts are copied.
Recovery RecoveryOf(const Document &document, std::vector<FileStamp> stamps);

// Puts what `recovery` kept into `document`, just opened from the same file: the texts and the
// start number; what Open could not read then is added to what it could not read now.
void Restore(Document &document, Recovery recovery);

// The files among the recovery's stamps that changed on disk since.
std::vector<std::u16string> ChangedSince(const Recovery &recovery);

// The recovery file's bytes, little-endian throughout:
//   header  "VantaEdit recovery file\n" (24 bytes), version (u32, 1), body size (u64),
//           checksum of the body (u64, ContentHash)
//   body    writtenAt (i64), openedPath (text), startNumber (i32), openedFileUnread (u8),
//           unreadIncludes (text), stamp count (u32) and per stamp: path (text), exists (u8),
//           size (i64), modified (i64), content (u64); then the seven texts, each a byte count
//           (u64) and the bytes as the document holds them
//   text    a count of UTF-16 units (u32) and the units (u16 each)
std::string SerializeRecovery(const Recovery &recovery);

struct RecoveryRead {
    // Short, BadChecksum, OtherVersion and Garbage: the file is damaged.
    enum class Status { Ok, Missing, Unreadable, Short, BadChecksum, OtherVersion, Garbage };
    Status status = Status::Missing;
    Recovery recovery;    // with status Ok
    std::u16string error; // why not, for the user; empty with status Ok
    bool IsDamaged() const { return status > Status::Unreadable; }
};

// Reads a recovery file's bytes back. Any bytes are safe: what is not a whole recovery file of
// this version with a matching checksum is reported as such.
RecoveryRead ParseRecovery(std::string_view bytes);
RecoveryRead ReadRecoveryFile(const std::u16string &file);

// The folder recovery files are kept in, from the environment as `environment` gives it (empty
// for a variable not set): on Windows %LOCALAPPDATA%\VantaEdit\recovery; elsewhere
// $XDG_DATA_HOME/VantaEdit/recovery, or ~/.local/share/VantaEdit/recovery when that is not set
// or not absolute. Empty when the environment names no absolute folder.
std::u16string RecoveryFolder(const std::function<std::u16string(const char *)> &environment);

// The recovery file's name for an opened file: a readable part of its name and a hash of its full
// path, "ai_rules.ini-0123456789abcdef.recovery". Only ASCII letters, digits, '.', '-' and '_'.
std::u16string RecoveryFileName(const std::u16string &openedPath);
// The recovery file of an opened file in `folder`.
std::u16string RecoveryFilePath(const std::u16string &folder, const std::u16string &openedPath);

// Writes the recovery file of `recovery.openedPath` into `folder`, creating the folder, replacing
// the file all or nothing.
platform::WriteResult WriteRecoveryFile(const std::u16string &folder, const Recovery &recovery);

struct RecoveryFile {
    std::u16string file;       // its full path
    std::u16string openedPath; // empty for a damaged file
    int64_t writtenAt = 0;     // as in Recovery
    RecoveryRead::Status status = RecoveryRead::Status::Ok;
    std::u16string error; // as in RecoveryRead
    bool IsDamaged() const { return status > RecoveryRead::Status::Unreadable; }
};

// The recovery files in `folder`, each read through, in the order the folder lists them.
std::vector<RecoveryFile> ListRecoveryFiles(const std::u16string &folder);

// Removes the temporary files that writes cut short (by a killed process) left in `folder`: those
// not written to for an hour, so that a write under way in another run is left alone.
void RemoveLeftoverTemporaries(const std::u16string &folder);

// Renames a damaged recovery file to the same name with ".bad" after it, where it is no longer
// listed; false when that fails.
bool SetAsideRecoveryFile(const std::u16string &file);

// Writes and removes recovery files on a thread of its own, so that the user's work does not wait
// for the disk: the thread that hands over the work only copies the texts. For each opened file
// only the latest request counts; one still waiting is replaced.
class RecoveryWriter {
public:
    explicit RecoveryWriter(std::u16string folder);
    // Finishes what was handed over, then ends the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    // Writes the recovery file of `snapshot.openedPath`.
    void Write(Recovery snapshot);
    // Removes the recovery file of `openedPath`, if there is one.
    void Remove(std::u16string openedPath);
    // Returns when all that was handed over is done.
    void Wait();
    // Why writing failed, once for each run of failures: the next failure is told again only after
    // a write succeeded. Nothing when there is nothing new to tell.
    std::optional<std::u16string> TakeFailure();
    // Whether the last write that ended failed.
    bool Failing();

private:
    struct Job {
        std::u16string openedPath;
        std::optional<Recovery> snapshot; // none: remove
    };

    void Run();

    const std::u16string folder_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::vector<Job> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    bool failing_ = false;
    std::optional<std::u16string> failure_;
    std::thread thread_; // last: started when the rest is ready
};
