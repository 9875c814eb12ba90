#include "app/recoverykeeper.h"

#include "document/filestamps.h"
#include "platform/codepage.h"
#include "platform/seams.h"
#include "ui/documentmodel.h"

#include <ctime>
#include <utility>

namespace {

// At most this long after the step that made the recovery file stale, it is handed to the writer.
constexpr int kDelayMilliseconds = 2000;

const std::u16string kRestoreStep = u"恢复未保存的修改";

// A recovery's time as the user reads it: local time, to the second.
std::u16string TimeOf(int64_t writtenAt) {
    const std::time_t seconds = std::time_t(writtenAt / 1000000000);
    char text[32] = "?";
    if (const std::tm *local = std::localtime(&seconds))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", local);
    return platform::Utf8ToWide(text);
}

// Says, in one message, which damaged recovery files were set aside.
void SetAside(const std::vector<std::pair<std::u16string, std::u16string>> &damaged) {
    if (damaged.empty()) return;
    std::u16string text = u"恢复文件已损坏，已改名为 .bad 放在原处，文件照常打开:\n";
    for (const auto &[file, error] : damaged) {
        text += file + u" (" + error + u")";
        if (!SetAsideRecoveryFile(file)) text += u"，没能改名";
        text += u"\n";
    }
    platform::ShowAppMessage(text.substr(0, text.size() - 1));
}

} // namespace

RecoveryKeeper::RecoveryKeeper(DocumentModel &model, FileStamps &stamps, std::u16string folder,
                               std::function<void()> failureChanged)
    : model_(model), stamps_(stamps), folder_(std::move(folder)),
      failureChanged_(std::move(failureChanged)), writer_(folder_),
      timer_(gui::MakeTimer([this] { write(); })) {
    if (!folder_.empty()) RemoveLeftoverTemporaries(folder_);
}

void RecoveryKeeper::documentChanged() {
    takeFailure();
    const Document &document = model_.document;
    if (document.IsFileOpen() && model_.IsModified()) {
        if (document.openedPath == kept_) return;
        stale_ = true;
        // Not restarted by later steps: a burst of typing is written at most 2 s behind.
        if (!timer_->isActive()) timer_->start(kDelayMilliseconds);
        return;
    }
    stale_ = false;
    failure_.clear();
    if (!written_.empty()) writer_.Remove(std::exchange(written_, std::u16string()));
}

void RecoveryKeeper::write() {
    const bool changed = takeFailure();
    if (stale_) {
        stale_ = false;
        written_ = model_.document.openedPath;
        writer_.Write(RecoveryOf(model_.document, stamps_.Taken()));
        // Once more, to tell how the write went.
        timer_->start(kDelayMilliseconds);
    }
    if (changed && failureChanged_) failureChanged_();
}

bool RecoveryKeeper::takeFailure() {
    if (std::optional<std::u16string> failure = writer_.TakeFailure()) {
        failure_ = std::move(*failure);
        return true;
    }
    if (failure_.empty() || writer_.Failing()) return false;
    failure_.clear();
    return true;
}

void RecoveryKeeper::leave() {
    timer_->stop();
    stale_ = false;
    failure_.clear();
    if (!written_.empty()) writer_.Remove(std::exchange(written_, std::u16string()));
    writer_.Wait();
}

std::optional<Recovery> RecoveryKeeper::offer(const std::u16string &path) {
    kept_.clear();
    if (folder_.empty()) return std::nullopt;
    const std::u16string file = RecoveryFilePath(folder_, path);
    RecoveryRead read = ReadRecoveryFile(file);
    if (read.IsDamaged()) {
        SetAside({{file, read.error}});
        return std::nullopt;
    }
    if (read.status == RecoveryRead::Status::Unreadable) {
        platform::ShowAppMessage(u"无法读取恢复文件，文件照常打开:\n" + file + u" (" + read.error +
                                 u")");
        return std::nullopt;
    }
    // Another file's, whose name gives the same recovery file: offered at a start.
    if (read.status != RecoveryRead::Status::Ok || read.recovery.openedPath != path)
        return std::nullopt;
    return ask(file, std::move(read.recovery));
}

std::optional<Recovery> RecoveryKeeper::offerAtStart() {
    if (folder_.empty()) return std::nullopt;
    std::vector<std::pair<std::u16string, std::u16string>> damaged;
    std::vector<std::u16string> whole;
    for (RecoveryFile &listed : ListRecoveryFiles(folder_)) {
        if (listed.status == RecoveryRead::Status::Ok)
            whole.push_back(std::move(listed.file));
        else if (listed.IsDamaged())
            damaged.emplace_back(std::move(listed.file), std::move(listed.error));
    }
    SetAside(damaged);
    for (const std::u16string &file : whole) {
        RecoveryRead read = ReadRecoveryFile(file);
        if (read.status != RecoveryRead::Status::Ok) continue; // gone or changed meanwhile
        if (std::optional<Recovery> chosen = ask(file, std::move(read.recovery))) return chosen;
    }
    return std::nullopt;
}

std::optional<Recovery> RecoveryKeeper::ask(const std::u16string &file, Recovery recovery) {
    std::u16string text = u"发现未保存的修改:\n" + recovery.openedPath + u"\n恢复文件保存于 " +
                          TimeOf(recovery.writtenAt) + u"。\n";
    const std::vector<std::u16string> changed = ChangedSince(recovery);
    if (!changed.empty()) {
        text += u"\n这些文件在此之后已被其他程序修改，恢复后保存会覆盖这些修改:\n";
        for (const std::u16string &path : changed)
            text += path + u"\n";
    }
    text += u"\n恢复: 打开文件并载入这些修改，保存之前不写入文件。\n丢弃: 删除恢复文件。\n"
            u"稍后: 保留恢复文件，下次打开时再询问；在此之前，对这个文件的修改不另存恢复文件。";
    switch (platform::ShowOwnedMessage(text, u"发现未保存的修改",
                                       platform::Buttons::RestoreDiscardLater,
                                       platform::Icon::Question)) {
    case platform::Answer::Restore:
        return recovery;
    case platform::Answer::Discard:
        platform::RemoveFile(file);
        return std::nullopt;
    default:
        kept_ = recovery.openedPath;
        return std::nullopt;
    }
}

void RecoveryKeeper::restore(Recovery recovery) {
    // The user was told what changed on disk: it is not asked about again, but a save still asks.
    const std::vector<std::u16string> changed = ChangedSince(recovery);
    stamps_.Keep(recovery.stamps);
    stamps_.Ignore(changed);
    written_ = recovery.openedPath;
    // The start number comes back with the texts, whose new entries were numbered from it; it is
    // no text, so undoing the step leaves it.
    model_.Edit(kRestoreStep, [&] { Restore(model_.document, std::move(recovery)); });
    model_.Refill();
}
