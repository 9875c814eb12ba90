#include "newentry/addnew.h"

#include "core/initext.h"
#include "core/windowsignals.h"
#include "newentry/entryops.h"
#include "platform/seams.h"
#include "res/addnewdialog.h"
#include "res/text.h"
#include "teams/teamlist.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

CAddnew::CAddnew(DocumentModel &model, gui::Dialog *owner, ListedRows listedRows)
    : gui::Dialog(res::kIdAddNewDialog, owner), model_(model),
      kind_(control<gui::ComboBox>(res::kIdAddNewKind)), id_(control<gui::Edit>(res::kIdAddNewId)),
      listedRows_(std::move(listedRows)) {}

void CAddnew::onShowOrHide(bool) {
    if (!g_addNewPreset) return;
    kind_->choose(g_addNewKind);
    copyOf_ = g_addNewCopyOf;
    copyKind_ = copyOf_.empty() ? -1 : g_addNewKind;
    g_addNewCopyOf.clear();
    id_->setText(copyOf_.empty() ? std::u16string() : SuggestCopyId(model_.document, copyOf_));
}

bool CAddnew::onEnter() {
    ConfirmNewEntry();
    return true;
}

int CAddnew::chosenKind() const {
    for (int index = 0; index < kind_->itemCount(); ++index)
        if (kind_->text() == kind_->itemText(index)) return index;
    return -1;
}

void CAddnew::ConfirmNewEntry() {
    const std::u16string id = id_->text();
    if (!model_.document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str(id == u"Drumo" ? "addNew.thanks" : "addNew.noFile"));
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
    const std::u16string kindName = kind_->text();
    // A copy is of the kind the dialog was opened for; another kind chosen makes a new entry.
    if (index == copyKind_) {
        model_.Edit(StepName("step.copy", kindName, {id}), [&] {
            DuplicateEntry(model_.document, kind, copyOf_, id, listed);
            // Numbered at once, in the same step: the copy is listed as the file will hold it.
            if (kind == NewEntryKind::Team) RebuildTeamTexts(model_.document);
        });
        // Every list holds the copy now; its window shows it below.
        model_.Refill();
    } else {
        model_.Edit(StepName("step.new", kindName, {id}),
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
        gui::Dialog *window;
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
