#pragma once
// The main window's recovery files: while the document has unsaved changes, its recovery file is
// written at most two seconds after the step that made it stale, off the user-interface thread,
// and removed when nothing is unsaved any more. Before Open reads a file, and at a start without
// a file, the user is offered what a recovery file kept: 恢复, 丢弃 or 稍后.

#include "document/recovery.h"
#include "gui/system.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DocumentModel;
class FileStamps;

class RecoveryKeeper {
public:
    // Keeps the recovery files of `model`'s document in `folder` (empty when the environment names
    // none: every write then fails, and says so). `failureChanged` runs when failure() changed
    // outside documentChanged().
    RecoveryKeeper(DocumentModel &model, FileStamps &stamps, std::u16string folder,
                   std::function<void()> failureChanged);

    // After every change of the document or of its unsaved state: the recovery file is to be
    // written soon, or removed.
    void documentChanged();
    // Why the recovery file could not be written, while that lasts; empty otherwise.
    const std::u16string &failure() const { return failure_; }

    // The document goes (another file is opened, or the program ends) after its changes were
    // saved or discarded: its recovery file goes too. Returns when the writer is done.
    void leave();

    // Before Open reads `path`: asks about its recovery file, if there is one. The recovery when
    // the user chose 恢复; a damaged file is set aside and said.
    std::optional<Recovery> offer(const std::u16string &path);
    // At a start without a file: offers each file's recovery file in turn, until one is chosen.
    std::optional<Recovery> offerAtStart();
    // Right after Open read the recovery's file: the document becomes what the recovery kept, in
    // one undo step, unsaved; the stamps are the recovery's, so that a save still asks before
    // overwriting what changed on disk since.
    void restore(Recovery recovery);

private:
    std::optional<Recovery> ask(const std::u16string &file, Recovery recovery);
    void write();
    // Takes what the writer has to tell; true when failure() changed.
    bool takeFailure();

    DocumentModel &model_;
    FileStamps &stamps_;
    const std::u16string folder_;
    std::function<void()> failureChanged_;
    RecoveryWriter writer_;
    std::unique_ptr<gui::Timer> timer_;
    // The document changed since its recovery file was handed to the writer.
    bool stale_ = false;
    // The opened file whose recovery file this run wrote or restored; empty when none.
    std::u16string written_;
    // The opened file whose recovery file the user keeps for later: nothing is written over it.
    std::u16string kept_;
    std::u16string failure_;
};
