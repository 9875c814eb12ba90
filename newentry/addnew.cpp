#include "newentry/addnew.h"

#include "core/initext.h"
#include "core/windowsignals.h"
#include "newentry/entryops.h"
#include "platform/controls.h"
#include "platform/seams.h"
#include "res/addnewdialog.h"
#include "teams/teamlist.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

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
    copyOf_ = g_addNewCopyOf;
    copyKind_ = copyOf_.empty() ? -1 : g_addNewKind;
    g_addNewCopyOf.clear();
    if (copyOf_.empty())
        id_->clear();
    else
        id_->setText(QString::fromStdU16String(SuggestCopyId(model_.document, copyOf_)));
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
    const std::u16string kindName = kind_->currentText().toStdU16String();
    // A copy is of the kind the dialog was opened for; another kind chosen makes a new entry.
    if (index == copyKind_) {
        model_.Edit(u"复制" + kindName + u" " + id, [&] {
            DuplicateEntry(model_.document, kind, copyOf_, id, listed);
            // Numbered at once, in the same step: the copy is listed as the file will hold it.
            if (kind == NewEntryKind::Team) RebuildTeamTexts(model_.document);
        });
        // Every list holds the copy now; its window shows it below.
        model_.Refill();
    } else {
        model_.Edit(u"新增" + kindName + u" " + id,
                    [&] { AppendNewEntry(model_.document, kind, id, listed); });
    }
    const bool copied = index == copyKind_;
    copyOf_.clear();
    copyKind_ = -1;
    hide();
    if (copied) showInItsWindow(kind, ToWide(ToNarrow(id)));
}

void CAddnew::showInItsWindow(NewEntryKind kind, const std::u16string &id) {
    struct Jump {
        bool *pending;
        std::u16string *target;
        platform::Dialog *window;
    };
    const Jump jumps[] = {{&g_triggerJumpPending, &g_triggerJumpTarget, g_triggerWindow},
                          {&g_teamJumpPending, &g_teamJumpTarget, g_teamWindow},
                          {&g_scriptJumpPending, &g_scriptJumpTarget, g_scriptWindow},
                          {&g_taskForceJumpPending, &g_taskForceJumpTarget, g_taskForceWindow}};
    const Jump &jump = jumps[int(kind)];
    *jump.target = id;
    *jump.pending = true;
    HideAndShow(jump.window);
}
