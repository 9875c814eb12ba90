#include "newentry/renamedialog.h"

#include "core/initext.h"
#include "newentry/entryops.h"
#include "platform/seams.h"
#include "res/renamedialog.h"
#include "ui/documentmodel.h"

#include <QLabel>
#include <QLineEdit>

CRename::CRename(const Document &document, std::u16string id, QWidget *owner)
    : platform::Dialog(res::kIdRenameDialog, owner), document_(document), id_(std::move(id)),
      newId_(control<QLineEdit>(res::kIdRenameNew)) {
    control<QLabel>(res::kIdRenameOld)->setText(QString::fromStdU16String(id_));
    const std::string narrow = ToNarrow(id_);
    if (const std::optional<NewEntryKind> kind = KindOfEntry(document_, narrow)) {
        const std::u16string count =
            ReferenceCountText(*kind, ReferenceCount(document_, *kind, narrow));
        control<QLabel>(res::kIdRenameCount)->setText(QString::fromStdU16String(count));
    }
    newId_->setText(QString::fromStdU16String(id_));
    newId_->selectAll();
}

std::u16string CRename::newId() const { return newId_->text().toStdU16String(); }

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
                                           const std::u16string &from, QWidget *owner) {
    CRename dialog(model.document, from, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::u16string to = dialog.newId();
    model.Edit(u"改名" + std::u16string(kindName) + u" " + from,
               [&] { RenameEntry(model.document, from, to); });
    return to;
}
