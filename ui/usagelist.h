#pragma once
// The list "使用处" under a form: the entries that use the shown one, with a caption that counts
// them. Double-click or Enter on an item opens that entry in its window.

#include "core/usageindex.h"
#include "gui/controls.h"

#include <functional>
#include <string>
#include <vector>

class UsageList : private gui::RowSource {
public:
    // Opens the entry `id` in the window of the users' kind.
    using Open = std::function<void(const std::u16string &id)>;

    // `userKind`, a key of res/text.h, names the users in the caption ("usage.teams": "队伍").
    UsageList(gui::Label *caption, gui::ReportList *list, std::string_view userKind, Open open);
    // The column headers in the current language.
    void SetColumns();
    UsageList(const UsageList &) = delete;
    UsageList &operator=(const UsageList &) = delete;

    // The users of the shown entry.
    void Show(std::vector<EntryUse> users);
    // No entry shown.
    void Clear();

private:
    int rowCount() const override { return int(users_.size()); }
    std::u16string cellText(int row, int column) const override;

    gui::Label *caption_;
    gui::ReportList *list_;
    std::string_view userKind_;
    std::vector<EntryUse> users_;
};

// Opens `id` in the window of its kind, selected and shown, as the jumps between windows do.
void OpenTaskForce(const std::u16string &id);
void OpenScript(const std::u16string &id);
void OpenTeam(const std::u16string &id);
void OpenTrigger(const std::u16string &id);
