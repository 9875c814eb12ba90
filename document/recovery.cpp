#include "document/recovery.h"

#include "res/text.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <utility>

namespace {

constexpr std::string_view kMagic = "VantaEdit recovery file\n";
constexpr uint32_t kVersion = 1;
constexpr size_t kHeaderSize = kMagic.size() + 4 + 8 + 8;
constexpr std::u16string_view kExtension = u".recovery";

using Status = RecoveryRead::Status;

// Appends little-endian values to the bytes of a recovery file.
class Writer {
public:
    explicit Writer(std::string &out) : out_(out) {}

    template <typename Unsigned> void Put(Unsigned value) {
        for (size_t i = 0; i < sizeof value; ++i)
            out_ += char(uint8_t(uint64_t(value) >> (8 * i)));
    }
    void Text(std::u16string_view text) {
        Put(uint32_t(text.size()));
        for (const char16_t unit : text)
            Put(uint16_t(unit));
    }
    void Bytes(std::string_view bytes) {
        Put(uint64_t(bytes.size()));
        out_ += bytes;
    }

private:
    std::string &out_;
};

// Takes little-endian values from the bytes of a recovery file; once something does not fit, every
// later value is zero and ok() is false.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool ok() const { return ok_; }
    bool AtEnd() const { return rest_.empty(); }

    template <typename Unsigned> Unsigned Take() {
        if (!Fits(sizeof(Unsigned), 1)) return 0;
        uint64_t value = 0;
        for (size_t i = 0; i < sizeof(Unsigned); ++i)
            value |= uint64_t(uint8_t(rest_[i])) << (8 * i);
        rest_.remove_prefix(sizeof(Unsigned));
        return Unsigned(value);
    }
    bool Flag() {
        const uint8_t value = Take<uint8_t>();
        ok_ = ok_ && value <= 1;
        return value == 1;
    }
    std::u16string Text() {
        const uint32_t count = Take<uint32_t>();
        std::u16string text;
        if (!Fits(count, 2)) return text;
        text.resize(count);
        for (char16_t &unit : text)
            unit = char16_t(Take<uint16_t>());
        return text;
    }
    std::string Bytes() {
        const uint64_t count = Take<uint64_t>();
        if (!Fits(count, 1)) return {};
        std::string bytes(rest_.substr(0, size_t(count)));
        rest_.remove_prefix(size_t(count));
        return bytes;
    }

private:
    // Whether `count` items of `size` bytes each are left; the reader fails when not.
    bool Fits(uint64_t count, size_t size) {
        ok_ = ok_ && count <= rest_.size() / size;
        return ok_;
    }

    std::string_view rest_;
    bool ok_ = true;
};

RecoveryRead Failed(Status status, std::u16string error) {
    RecoveryRead read;
    read.status = status;
    read.error = std::move(error);
    return read;
}

std::u16string Hex(uint64_t value) {
    std::u16string hex(16, u'0');
    for (size_t i = 16; i-- > 0; value >>= 4)
        hex[i] = u"0123456789abcdef"[value & 15];
    return hex;
}

bool IsAbsolute(std::u16string_view path) {
#ifdef _WIN32
    const auto separator = [](char16_t c) { return c == u'\\' || c == u'/'; };
    return (path.size() >= 3 && path[1] == u':' && separator(path[2])) ||
           (path.size() >= 2 && separator(path[0]) && separator(path[1]));
#else
    return !path.empty() && path[0] == u'/';
#endif
}

// `folder` and `rest` joined by one separator.
std::u16string Joined(std::u16string folder, std::u16string_view rest) {
    while (!folder.empty() && (folder.back() == u'/' || folder.back() == u'\\'))
        folder.pop_back();
    return folder + platform::NativeSeparator() + std::u16string(rest);
}

// Nanoseconds since 1970-01-01 00:00 UTC.
int64_t Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Creates `folder` and the folders above it that are missing.
bool CreateFolders(const std::u16string &folder, std::u16string &reason) {
    for (size_t at = folder.find_first_of(u"/\\", 1); at != std::u16string::npos;
         at = folder.find_first_of(u"/\\", at + 1))
        platform::CreateFolder(folder.substr(0, at));
    return platform::CreateFolder(folder, &reason) != platform::FolderResult::Failed;
}

} // namespace

Recovery RecoveryOf(const Document &document, std::vector<FileStamp> stamps) {
    Recovery recovery;
    recovery.openedPath = document.openedPath;
    recovery.stamps = std::move(stamps);
    recovery.startNumber = document.startNumber;
    recovery.openedFileUnread = document.openedFileUnread;
    recovery.unreadIncludes = document.unreadIncludes;
    const auto texts = document.Texts();
    for (size_t i = 0; i < texts.size(); ++i)
        recovery.texts[i] = *texts[i];
    recovery.writtenAt = Now();
    return recovery;
}

void Restore(Document &document, Recovery recovery) {
    const auto texts = document.Texts();
    for (size_t i = 0; i < texts.size(); ++i)
        *texts[i] = std::move(recovery.texts[i]);
    document.startNumber = recovery.startNumber;
    document.openedFileUnread = document.openedFileUnread || recovery.openedFileUnread;
    // One line per file, each ending in a line break.
    std::u16string_view lines = recovery.unreadIncludes;
    while (!lines.empty()) {
        const size_t end = std::min(lines.find(u'\n'), lines.size() - 1) + 1;
        const std::u16string_view line = lines.substr(0, end);
        if (document.unreadIncludes.find(line) == std::u16string::npos)
            document.unreadIncludes += line;
        lines.remove_prefix(end);
    }
}

std::vector<std::u16string> ChangedSince(const Recovery &recovery) {
    std::vector<std::u16string> changed;
    for (const FileStamp &stamp : recovery.stamps)
        if (StampOf(stamp.path) != stamp) changed.push_back(stamp.path);
    return changed;
}

std::string SerializeRecovery(const Recovery &recovery) {
    size_t textBytes = 0;
    for (const std::string &text : recovery.texts)
        textBytes += 8 + text.size();
    std::string bytes;
    bytes.reserve(kHeaderSize + textBytes + 4096);
    bytes.resize(kHeaderSize);
    Writer body(bytes);
    body.Put(uint64_t(recovery.writtenAt));
    body.Text(recovery.openedPath);
    body.Put(uint32_t(recovery.startNumber));
    body.Put(uint8_t(recovery.openedFileUnread));
    body.Text(recovery.unreadIncludes);
    body.Put(uint32_t(recovery.stamps.size()));
    for (const FileStamp &stamp : recovery.stamps) {
        body.Text(stamp.path);
        body.Put(uint8_t(stamp.exists));
        body.Put(uint64_t(stamp.size));
        body.Put(uint64_t(stamp.modified));
        body.Put(stamp.content);
    }
    for (const std::string &text : recovery.texts)
        body.Bytes(text);

    const std::string_view written(bytes.data() + kHeaderSize, bytes.size() - kHeaderSize);
    std::string header(kMagic);
    Writer head(header);
    head.Put(kVersion);
    head.Put(uint64_t(written.size()));
    head.Put(ContentHash(written));
    bytes.replace(0, kHeaderSize, header);
    return bytes;
}

RecoveryRead ParseRecovery(std::string_view bytes) {
    const std::string_view magic = bytes.substr(0, kMagic.size());
    if (magic != kMagic.substr(0, magic.size()))
        return Failed(Status::Garbage, res::Str("recovery.notRecovery"));
    if (bytes.size() < kHeaderSize) return Failed(Status::Short, res::Str("recovery.incomplete"));
    Reader header(bytes.substr(kMagic.size(), kHeaderSize - kMagic.size()));
    const uint32_t version = header.Take<uint32_t>();
    const uint64_t size = header.Take<uint64_t>();
    const uint64_t checksum = header.Take<uint64_t>();
    if (version != kVersion) {
        std::u16string number;
        for (const char digit : std::to_string(version))
            number += char16_t(digit);
        return Failed(Status::OtherVersion, res::Format("recovery.otherVersion", {number}));
    }
    const std::string_view body = bytes.substr(kHeaderSize);
    if (size > body.size()) return Failed(Status::Short, res::Str("recovery.incomplete"));
    if (size < body.size()) return Failed(Status::Garbage, res::Str("recovery.badLength"));
    if (ContentHash(body) != checksum)
        return Failed(Status::BadChecksum, res::Str("recovery.badChecksum"));

    RecoveryRead read;
    Recovery &recovery = read.recovery;
    Reader in(body);
    recovery.writtenAt = int64_t(in.Take<uint64_t>());
    recovery.openedPath = in.Text();
    recovery.startNumber = int32_t(in.Take<uint32_t>());
    recovery.openedFileUnread = in.Flag();
    recovery.unreadIncludes = in.Text();
    const uint32_t stamps = in.Take<uint32_t>();
    for (uint32_t i = 0; i < stamps && in.ok(); ++i) {
        FileStamp stamp;
        stamp.path = in.Text();
        stamp.exists = in.Flag();
        stamp.size = int64_t(in.Take<uint64_t>());
        stamp.modified = int64_t(in.Take<uint64_t>());
        stamp.content = in.Take<uint64_t>();
        recovery.stamps.push_back(std::move(stamp));
    }
    for (std::string &text : recovery.texts)
        text = in.Bytes();
    if (!in.ok() || !in.AtEnd()) return Failed(Status::Garbage, res::Str("recovery.damaged"));
    read.status = Status::Ok;
    return read;
}

RecoveryRead ReadRecoveryFile(const std::u16string &file) {
    const platform::ReadResult read = platform::ReadFileBytes(file);
    switch (read.status) {
    case platform::ReadResult::Status::Ok:
        return ParseRecovery(read.text);
    case platform::ReadResult::Status::Missing:
        return Failed(Status::Missing, read.reason);
    default:
        return Failed(Status::Unreadable, read.reason);
    }
}

std::u16string RecoveryFolder(const std::function<std::u16string(const char *)> &environment) {
#ifdef _WIN32
    const std::u16string base = environment("LOCALAPPDATA");
    return IsAbsolute(base) ? Joined(base, u"VantaEdit\\recovery") : std::u16string();
#else
    const std::u16string data = environment("XDG_DATA_HOME");
    if (IsAbsolute(data)) return Joined(data, u"VantaEdit/recovery");
    const std::u16string home = environment("HOME");
    return IsAbsolute(home) ? Joined(home, u".local/share/VantaEdit/recovery") : std::u16string();
#endif
}

std::u16string RecoveryFileName(const std::u16string &openedPath) {
    std::u16string slashed = openedPath;
    std::replace(slashed.begin(), slashed.end(), u'\\', u'/');
    const std::u16string_view base = std::u16string_view(slashed).substr(slashed.rfind(u'/') + 1);
    std::u16string name;
    for (const char16_t c : base) {
        const bool safe = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                          (c >= u'0' && c <= u'9') || c == u'-' || c == u'_' ||
                          (c == u'.' && !name.empty());
        if (safe)
            name += c;
        else if (name.empty() || name.back() != u'_')
            name += u'_';
        if (name.size() == 40) break;
    }
    // The hash of the path's UTF-16 units, little-endian, with '/' for every separator.
    std::string units;
    for (const char16_t unit : slashed) {
        units += char(unit & 0xff);
        units += char(unit >> 8);
    }
    return name + u"-" + Hex(ContentHash(units)) + std::u16string(kExtension);
}

std::u16string RecoveryFilePath(const std::u16string &folder, const std::u16string &openedPath) {
    return Joined(folder, RecoveryFileName(openedPath));
}

platform::WriteResult WriteRecoveryFile(const std::u16string &folder, const Recovery &recovery) {
    if (folder.empty()) return {false, res::Str("recovery.noDataFolder")};
    std::u16string reason;
    if (!CreateFolders(folder, reason))
        return {false, res::Format("recovery.folderFailed", {folder, reason})};
    return platform::WriteFileBytes(RecoveryFilePath(folder, recovery.openedPath),
                                    SerializeRecovery(recovery));
}

std::vector<RecoveryFile> ListRecoveryFiles(const std::u16string &folder) {
    std::vector<RecoveryFile> files;
    for (const std::u16string &name : platform::NamesInFolder(folder)) {
        // Names starting with '.' are the temporary files of a write.
        if (name.starts_with(u".") || !name.ends_with(kExtension)) continue;
        RecoveryFile file;
        file.file = Joined(folder, name);
        RecoveryRead read = ReadRecoveryFile(file.file);
        if (read.status == Status::Missing) continue; // removed meanwhile
        file.openedPath = std::move(read.recovery.openedPath);
        file.writtenAt = read.recovery.writtenAt;
        file.status = read.status;
        file.error = std::move(read.error);
        files.push_back(std::move(file));
    }
    return files;
}

void RemoveLeftoverTemporaries(const std::u16string &folder) {
    constexpr int64_t kHour = int64_t(3600) * 1000 * 1000 * 1000;
    const int64_t now = Now();
    for (const std::u16string &name : platform::NamesInFolder(folder)) {
        // The platform layer's save writes ".NAME.PID-N.tmp" beside the file NAME.
        if (!name.starts_with(u".") || !name.ends_with(u".tmp") ||
            name.find(std::u16string(kExtension) + u".") == std::u16string::npos)
            continue;
        const std::u16string file = Joined(folder, name);
        const platform::FileInfo info = platform::FileInfoOf(file);
        if (info.exists && now - info.modified > kHour) platform::RemoveFile(file);
    }
}

bool SetAsideRecoveryFile(const std::u16string &file) {
    return platform::RenameFile(file, file + u".bad");
}

RecoveryWriter::RecoveryWriter(std::u16string folder)
    : folder_(std::move(folder)), thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void RecoveryWriter::Write(Recovery snapshot) {
    std::u16string openedPath = snapshot.openedPath;
    {
        const std::lock_guard lock(mutex_);
        auto same = [&](const Job &job) { return job.openedPath == openedPath; };
        jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(), same), jobs_.end());
        jobs_.push_back({std::move(openedPath), std::move(snapshot)});
    }
    wake_.notify_one();
}

void RecoveryWriter::Remove(std::u16string openedPath) {
    {
        const std::lock_guard lock(mutex_);
        auto same = [&](const Job &job) { return job.openedPath == openedPath; };
        jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(), same), jobs_.end());
        jobs_.push_back({std::move(openedPath), std::nullopt});
    }
    wake_.notify_one();
}

void RecoveryWriter::Wait() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::optional<std::u16string> RecoveryWriter::TakeFailure() {
    const std::lock_guard lock(mutex_);
    return std::exchange(failure_, std::nullopt);
}

bool RecoveryWriter::Failing() {
    const std::lock_guard lock(mutex_);
    return failing_;
}

void RecoveryWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty()) return; // stopping, with nothing left to do
        Job job = std::move(jobs_.front());
        jobs_.erase(jobs_.begin());
        busy_ = true;
        lock.unlock();
        std::optional<platform::WriteResult> written;
        if (!job.snapshot) {
            // Without a folder nothing was written, and the path would be the root's.
            if (!folder_.empty()) platform::RemoveFile(RecoveryFilePath(folder_, job.openedPath));
        } else {
            try {
                written = WriteRecoveryFile(folder_, *job.snapshot);
            } catch (const std::bad_alloc &) { // the file's bytes are built whole first
                written = {false, res::Str("recovery.noMemory")};
            }
        }
        job = {}; // the snapshot's texts go before the lock is taken again
        lock.lock();
        busy_ = false;
        if (written) {
            if (!written->ok && !failing_) failure_ = written->error;
            failing_ = !written->ok;
        }
        if (jobs_.empty()) done_.notify_all();
    }
}
