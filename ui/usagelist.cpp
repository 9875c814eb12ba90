#include "ui/usagelist.h"

#include "core/initext.h"
#include "core/windowsignals.h"
#include "res/text.h"
#include "ui/editorwindows.h"

UsageList::UsageList(gui::Label *caption, gui::ReportList *list, std::string_view userKind,
                     Open open)
    : caption_(caption), list_(list), userKind_(userKind) {
    SetColumns();
    list_->setSource(this);
    list_->setOnActivated([this, open = std::move(open)](int row) {
        if (row >= 0 && row < rowCount()) open(ToWide(users_[size_t(row)].id));
    });
    Clear();
}

void UsageList::SetColumns() {
    list_->setColumns({res::Str("list.registryId"), res::Str("list.name")});
}

std::u16string UsageList::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    const EntryUse &use = users_[size_t(row)];
    return ToWide(column == 0 ? use.id : use.name);
}

void UsageList::Show(std::vector<EntryUse> users) {
    users_ = std::move(users);
    list_->reset();
    caption_->setText(users_.empty()
                          ? res::Str("list.unused")
                          : res::Format("list.usedBy", {ToWide(std::to_string(users_.size())),
                                                        res::Str(userKind_)}));
}

void UsageList::Clear() {
    users_.clear();
    list_->reset();
    caption_->setText(res::Str("list.usage"));
}

namespace {

void Open(bool &pending, std::u16string &target, gui::Dialog *window, const std::u16string &id) {
    target = id;
    pending = true;
    HideAndShow(window);
}

} // namespace

void OpenTaskForce(const std::u16string &id) {
    Open(g_taskForceJumpPending, g_taskForceJumpTarget, g_taskForceWindow, id);
}

void OpenScript(const std::u16string &id) {
    Open(g_scriptJumpPending, g_scriptJumpTarget, g_scriptWindow, id);
}

void OpenTeam(const std::u16string &id) {
    Open(g_teamJumpPending, g_teamJumpTarget, g_teamWindow, id);
}

void OpenTrigger(const std::u16string &id) {
    Open(g_triggerJumpPending, g_triggerJumpTarget, g_triggerWindow, id);
}
