#pragma once
// The trigger window: the list of triggers on the left, the form of the shown trigger on the
// right. Every value shown is read from g_triggerText when a row is clicked, and every change is
// written back into it by Save; the window keeps no copy of a trigger but what its form showed.

#include "gui/dialog.h"
#include "triggers/triggerformat.h"
#include "ui/entrylist.h"
#include "ui/signal.h"

#include <memory>
#include <optional>
#include <string>

class CCopyChain;
class DocumentModel;

class CAIT : public gui::Dialog {
public:
    explicit CAIT(DocumentModel &model, gui::Dialog *owner = nullptr);
    ~CAIT() override;

    // The dialog of 复制整链.
    gui::Dialog *copyChainDialog() const;

    // Fills the form from the trigger of `row` and makes it the shown trigger.
    void ShowTrigger(int row);
    // Writes the form into the shown trigger's line. Refuses, with a message and changing
    // nothing, a text field holding a comma or a line break, and a trigger deleted meanwhile.
    void SaveTrigger();
    // Deletes the selected rows and their lines.
    void DeleteSelectedTriggers();

protected:
    void onShowOrHide(bool shown) override;
    void onMouseMove() override;
    void onLanguageChanged() override;
    void onCommand(int id) override;
    void onListClick(int listId) override;
    bool onListKeyDown(int listId, gui::Key key) override;

private:
    void appendPendingRow();
    void refreshComments();
    void setDependentControls();
    void rebuildTeamChoices();
    TriggerForm readForm() const;
    // The button "改名": the shown trigger gets the ID the user gives.
    void RenameShownTrigger();
    // 复制, 改名 and 复制整链 act on the shown trigger: they are enabled while one is shown.
    void setShown(bool shown);
    void fill();
    // After the document was replaced as a whole: the list filled again, and the shown trigger
    // shown again while it still exists.
    void refresh();
    // 指定国家 and 条件单位 offer the mod's countries and types, by name, once they changed.
    void fillNameChoices();
    Document &document() const;

    DocumentModel &model_;
    EntryList list_;
    gui::Label *title_;
    gui::Edit *name_;
    gui::Edit *techLevel_;
    gui::Edit *value_;
    gui::ComboBox *house_;
    gui::ComboBox *condition_;
    gui::ComboBox *operator_;
    gui::ComboBox *conditionObject_;
    gui::ComboBox *team_;
    gui::ComboBox *side_;
    gui::ComboBox *minWeight_;
    gui::ComboBox *baseWeight_;
    gui::ComboBox *maxWeight_;
    gui::CheckBox *easy_;
    gui::CheckBox *medium_;
    gui::CheckBox *hard_;
    gui::ComboBox *secondTeam_;
    gui::CheckBox *skirmish_;
    gui::CheckBox *baseDefense_;
    gui::CheckBox *autoJump_;
    gui::Control *jump_;
    // The ID of the trigger in the form; Save writes there, whatever the list selects now.
    std::optional<std::u16string> shownId_;
    // What the form showed for the shown trigger's line, or last saved into it: Save writes only
    // the fields whose boxes show something else now.
    TriggerForm shownForm_;
    // Rows' comments may differ from the names in g_triggerText.
    bool commentsStale_ = false;
    Signal::Connection restored_, changed_;
    int choicesNamesVersion_ = -1;
    std::unique_ptr<CCopyChain> copyChain_;
};
