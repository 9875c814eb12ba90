#include "newentry/addnew.h"

#include "core/windowsignals.h"
#include "platform/controls.h"
#include "platform/seams.h"
#include "res/addnewdialog.h"
#include "ui/documentmodel.h"

#include <QLineEdit>

namespace {

const std::u16string kThanks =
    u"很高兴您能使用我的软件!感谢使用!\nNice to you use my program!Thank you for use!";
const std::u16string kNoFileOpen = u"ヽ(#`Д?)?o(▼皿▼メ;)o你小子隔着干啥???";

} // namespace

CAddnew::CAddnew(DocumentModel &model, QWidget *owner, ListedRows listedRows)
    : platform::Dialog(res::kIdAddNewDialog, owner), model_(model),
      kind_(control<platform::ComboBox>(res::kIdAddNewKind)),
      id_(control<QLineEdit>(res::kIdAddNewId)), listedRows_(std::move(listedRows)) {
    // The dialog has no labels to name its two inputs.
    kind_->setAccessibleName(QStringLiteral("新增类型"));
    id_->setAccessibleName(QStringLiteral("注册名称"));
}

void CAddnew::onShowOrHide(bool) {
    if (!g_addNewPreset) return;
    kind_->setCurrentIndex(g_addNewKind);
    id_->clear();
}

bool CAddnew::onEnter() {
    ConfirmNewEntry();
    return true;
}

int CAddnew::chosenKind() const {
    const int index = kind_->currentIndex();
    return index >= 0 && kind_->currentText() == kind_->itemText(index) ? index : -1;
}

void CAddnew::ConfirmNewEntry() {
    const std::u16string id = id_->text().toStdU16String();
    if (!model_.document.IsFileOpen()) {
        platform::ShowAppMessage(id == u"Drumo" ? kThanks : kNoFileOpen);
        hide();
        return;
    }
    if (id.empty()) return;
    const int index = chosenKind();
    if (index < 0) return;
    g_addNewKind = index;
    const auto kind = NewEntryKind(index);
    if (std::optional<std::u16string> problem = NewEntryIdProblem(model_.document, kind, id)) {
        platform::ShowAppMessage(*problem);
        return;
    }
    const int listed = listedRows_ ? listedRows_(kind) : 0;
    model_.Edit(u"新增" + kind_->currentText().toStdU16String() + u" " + id,
                [&] { AppendNewEntry(model_.document, kind, id, listed); });
    hide();
}
