#include "app/recoverykeeper.h"

#include "document/filestamps.h"
#include "platform/codepage.h"
#include "platform/seams.h"
#include "res/text.h"
#include "ui/documentmodel.h"

#include <ctime>
#include <utility>

namespace {

// At most this long after the step that made the recovery file stale, it is handed to the writer.
constexpr int kDelayMilliseconds = 2000;

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
    std::u16string text = res::Str("app.recoveryDamaged");
    for (const auto &[file, error] : damaged) {
        text += file + u" (" + error + u")";
        if (!SetAsideRecoveryFile(file)) text += res::Str("app.recoveryNotRenamed");
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
        platform::ShowAppMessage(res::Format("app.recoveryUnreadable", {file, read.error}));
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
    std::u16string text =
        res::Format("app.recoveryFound", {recovery.openedPath, TimeOf(recovery.writtenAt)});
    const std::vector<std::u16string> changed = ChangedSince(recovery);
    if (!changed.empty()) {
        text += res::Str("app.recoveryChanged");
        for (const std::u16string &path : changed)
            text += path + u"\n";
    }
    text += res::Str("app.recoveryChoices");
    switch (platform::ShowOwnedMessage(text, res::Str("app.recoveryCaption"),
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
    model_.Edit(res::Str("app.restoreStep"),
                [&] { Restore(model_.document, std::move(recovery)); });
    model_.Refill();
}
