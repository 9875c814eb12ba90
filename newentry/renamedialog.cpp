#include "newentry/renamedialog.h"

#include "core/initext.h"
#include "newentry/entryops.h"
#include "platform/seams.h"
#include "res/renamedialog.h"
#include "ui/documentmodel.h"

CRename::CRename(const Document &document, std::u16string id, gui::Dialog *owner)
    : gui::Dialog(res::kIdRenameDialog, owner), document_(document), id_(std::move(id)),
      newId_(control<gui::Edit>(res::kIdRenameNew)) {
    control<gui::Label>(res::kIdRenameOld)->setText(id_);
    const std::string narrow = ToNarrow(id_);
    if (const std::optional<NewEntryKind> kind = KindOfEntry(document_, narrow)) {
        control<gui::Label>(res::kIdRenameCount)
            ->setText(ReferenceCountText(*kind, ReferenceCount(document_, *kind, narrow)));
    }
    newId_->setText(id_);
    newId_->selectAll();
}

std::u16string CRename::newId() const { return newId_->text(); }

void CRename::onCommand(int id) {
    if (id == res::kIdRenameOk) confirm();
    if (id == res::kIdRenameCancel) reject();
}

bool CRename::onEnter() {
    confirm();
    return true;
}

void CRename::confirm() {
    if (const std::optional<std::u16string> problem = RenameProblem(document_, id_, newId())) {
        platform::ShowAppMessage(*problem);
        return;
    }
    accept();
}

std::optional<std::u16string> AskAndRename(DocumentModel &model, std::u16string_view kindName,
                                           const std::u16string &from, gui::Dialog *owner) {
    CRename dialog(model.document, from, owner);
    if (!dialog.exec()) return std::nullopt;
    const std::u16string to = dialog.newId();
    model.Edit(StepName("step.rename", kindName, {from}),
               [&] { RenameEntry(model.document, from, to); });
    return to;
}
