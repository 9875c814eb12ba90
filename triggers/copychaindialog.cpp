#include "triggers/copychaindialog.h"

#include "core/windowsignals.h"
#include "document/copychain.h"
#include "platform/seams.h"
#include "res/text.h"
#include "res/transferdialogs.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

namespace {

struct CopyRow {
    int check, suffix;
    Difficulty difficulty;
    std::u16string_view suggested;
    bool checked;
};

// The three variants are what 复制整链 is mostly for: they start ticked.
constexpr CopyRow kRows[] = {
    {res::kIdChainPlain, res::kIdChainPlainSuffix, Difficulty::Unchanged, u"_2", false},
    {res::kIdChainEasy, res::kIdChainEasySuffix, Difficulty::Easy, u"_E", true},
    {res::kIdChainMedium, res::kIdChainMediumSuffix, Difficulty::Medium, u"_M", true},
    {res::kIdChainHard, res::kIdChainHardSuffix, Difficulty::Hard, u"_H", true},
};

} // namespace

CCopyChain::CCopyChain(DocumentModel &model, gui::Dialog *owner)
    : gui::Dialog(res::kIdChainDialog, owner), model_(model) {}

void CCopyChain::ask(const std::u16string &trigger) {
    trigger_ = trigger;
    control<gui::Label>(res::kIdChainTrigger)->setText(res::Format("chain.trigger", {trigger}));
    for (const CopyRow &row : kRows) {
        control<gui::CheckBox>(row.check)->setChecked(row.checked);
        control<gui::Edit>(row.suffix)->setText(std::u16string(row.suggested));
    }
    show();
}

void CCopyChain::onCommand(int id) {
    if (id == res::kIdChainOk) confirm();
    if (id == res::kIdChainCancel) hide();
}

bool CCopyChain::onEnter() {
    confirm();
    return true;
}

bool CCopyChain::onEscape() {
    hide();
    return true;
}

void CCopyChain::confirm() {
    std::vector<ChainCopy> copies;
    for (const CopyRow &row : kRows)
        if (control<gui::CheckBox>(row.check)->isChecked())
            copies.push_back({control<gui::Edit>(row.suffix)->text(), row.difficulty});
    if (std::optional<std::u16string> problem =
            CopyChainProblem(model_.document, trigger_, copies)) {
        platform::ShowAppMessage(*problem);
        return;
    }
    model_.Edit(res::Format("step.copyChain", {trigger_}),
                [&] { CopyChain(model_.document, trigger_, copies); });
    // Every window lists the copies now; the trigger window shows the first.
    model_.Refill();
    hide();
    g_triggerJumpTarget = trigger_ + copies.front().suffix;
    g_triggerJumpPending = true;
    HideAndShow(g_triggerWindow);
}
