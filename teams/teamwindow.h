#pragma once
// The team window: the team list on the left, on the right a form of edits, two choice boxes and
// flag check boxes that shows one team and writes it back into the team sections text. It sends
// the task force and script windows to the shown team's parts, and keeps its list and choices in
// step when teams, task forces or scripts are created or deleted.

#include "gui/dialog.h"
#include "teams/teamform.h"
#include "ui/entrylist.h"
#include "ui/signal.h"
#include "ui/usagelist.h"

#include <optional>
#include <string>

class DocumentModel;
struct TeamRow;

class CArmy : public gui::Dialog {
public:
    explicit CArmy(DocumentModel &model, gui::Dialog *owner = nullptr);

protected:
    void onShowOrHide(bool shown) override;
    void onMouseMove() override;
    void onActivate() override;
    void onLanguageChanged() override;
    bool onEnter() override;
    void onCommand(int id) override;
    void onListClick(int listId) override;
    bool onListKeyDown(int listId, gui::Key key) override;

private:
    // Shows the team of `row` in the form. With `recordJump` (a click or a jump, not an arrow
    // key) its script and task force become the jump targets, and with "自动跳转" ticked the
    // task force and script windows are sent there.
    void ShowTeamForm(int row, bool recordJump);
    void SaveTeamForm();
    void JumpToTeamParts();
    // Up and Down: exactly one row, and the new row shown without touching the jump targets.
    void MoveSelection(gui::Key key);

    // The button "新增": the new entry dialog opens with "队伍" chosen; with `copyOf`, to make a
    // copy of that team.
    void AskForNewTeam(const std::u16string &copyOf = {});
    // The button "改名": the shown team and every reference to it get the ID the user gives.
    void RenameShownTeam();
    // 复制 and 改名 act on the shown team: they are enabled while one is shown.
    void setShown(bool shown);
    void FillTeamChoices();
    void RefreshTeamChoices();
    void RebuildTeamList();
    void DeleteSelectedTeams();
    void ShowRows(const std::vector<TeamRow> &rows);
    // What the control of layout key `index` shows: its text, or "yes"/"no" for a check box.
    std::u16string shownValue(size_t index) const;
    void showValue(size_t index, const std::string &value);
    // After the document was replaced as a whole: the list and choices filled again, and the
    // shown team shown again while it still exists.
    void refresh();
    // 所属国家 offers the mod's countries, by name, once they changed.
    void fillNameChoices();
    void fill();
    // The triggers that use the shown team, under the form.
    void showUsage();
    Document &document() const;

    DocumentModel &model_;
    EntryList entries_;
    UsageList usage_;
    gui::Label *hint_;
    gui::ComboBox *taskForce_;
    gui::ComboBox *script_;
    gui::CheckBox *autoJump_;
    gui::Button *jump_;
    // The ID of the team the form shows; none until the first team is shown.
    std::optional<std::string> shownTeam_;
    // The values as read and what the controls showed for them: a control still showing that
    // leaves its line as it was read.
    TeamForm shownForm_;
    std::array<std::u16string, kTeamLayout.size()> shownTexts_;
    Signal::Connection restored_, changed_;
    int choicesNamesVersion_ = -1;
};
