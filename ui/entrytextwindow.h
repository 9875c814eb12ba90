#pragma once
// The editor window of the kinds whose sections are edited as free text, task forces and
// scripts: the entry list pane on the left, the shown entry's ID above its section on the right,
// what the caret's line means below it, and the buttons New, Tidy, Save, Delete and Close.
// EntryWindowKind holds every difference.

#include "core/entrytext.h"
#include "gui/dialog.h"
#include "ui/entrylist.h"
#include "ui/signal.h"
#include "ui/usagelist.h"

#include <optional>
#include <string>
#include <vector>

class DocumentModel;

// Asks for a new ID for entry `from` and renames it, with every reference, as one step named
// after `kindName`; the new ID, or none when the user cancelled.
using RenameAsker = std::optional<std::u16string> (*)(DocumentModel &model,
                                                      std::u16string_view kindName,
                                                      const std::u16string &from,
                                                      gui::Dialog *owner);

// What the line at `line` (from 0) of the field's text means, shown below the field; empty when
// there is nothing to tell.
using LineExplainer = std::u16string (*)(std::u16string_view fieldText, int line,
                                         const DocumentModel &model);

// The field's text with the line that item `item` of the insert box stands for added after line
// `caretLine`, and the index of the added line; with `selectFrom` and `selectTo`, the characters of
// the new line to select (else the caret goes to its end).
struct InsertedLine {
    std::u16string text;
    int line = 0;
    int selectFrom = -1, selectTo = -1;
};
using LineInserter = InsertedLine (*)(std::u16string_view fieldText, int caretLine, int item,
                                      const DocumentModel &model);
// The insert box's items, as the model stands (its actions and the mod's names).
using InsertItems = std::vector<std::u16string> (*)(const DocumentModel &model);

struct EntryWindowKind {
    int templateId;
    int listId, titleId, textId;
    int newId, tidyId, saveId, deleteId, closeId, copyId, renameId;
    int filterId, usageCaptionId, usageId;
    int explanationId;
    LineExplainer explain;
    // A combo box whose items add a line to the field; res::kNoId for none.
    int insertId;
    InsertItems insertItems; // filled again when the model's actions or names change
    LineInserter insert;
    UsedKind usedKind; // which teams use an entry: by their TaskForce= or Script=
    EntryTextKind text;
    std::string_view kindName; // the key of the kind's name, as undo steps name the kind
    std::string Document::*listText;
    std::string Document::*sectionsText;
    PendingNewRow *pendingRow;
    bool *jumpPending;
    const std::u16string *jumpTarget;
    bool *listChanged;          // raised by Delete, so the team window refreshes its choices
    bool saveRaisesListChanged; // raised by Save too
    int addNewKind;             // the new entry dialog's kind index
    RenameAsker rename;
};

class EntryTextWindow : public gui::Dialog {
public:
    EntryTextWindow(const EntryWindowKind &kind, DocumentModel &model, gui::Dialog *owner);

    // Stores the field in place of the section of the title's ID; when it cannot, the title
    // says why and nothing changes.
    void SaveEntryText();
    // Rewrites the field in canonical order with renumbered lines, as one edit the field's own
    // undo takes back; the document is untouched.
    void TidyEntryText();
    // Deletes the selected entries from both texts and their rows from the list.
    void DeleteSelectedEntries();
    // Opens the new entry dialog for this kind; its entry's row comes through the pending row.
    // With `copyOf`, the dialog makes a copy of that entry under the ID it suggests.
    void NewEntry(const std::u16string &copyOf = {});
    // Renames the shown entry, and every reference to it, to the ID the rename dialog asks for.
    void RenameEntry();

    // The rows the list shows; a pending new row is not one yet.
    int rowCount() const { return pane_.rowCount(); }

protected:
    void onShowOrHide(bool shown) override;
    void onMouseMove() override;
    void onActivate() override;
    void onLanguageChanged() override;
    void onCommand(int id) override;
    void onListClick(int listId) override;
    bool onListKeyDown(int listId, gui::Key key) override;

private:
    void showRow(int row);
    void setTitle(const std::u16string &id, const std::u16string &note = {});
    // 复制 and 改名 act on the shown entry: they are enabled while one is shown.
    void setShown(bool shown);
    // The teams that use the shown entry, under the text.
    void showUsage();
    // What the caret's line means, below the text.
    void explainCaretLine();
    // Adds the line of insert box item `item` after the caret's line, as one edit of the field.
    void insertLine(int item);
    // The insert box's items from the mod's names, when they changed since they were taken.
    void fillInsertItems();
    // After the document was replaced as a whole: the list filled again, and the shown entry
    // shown again while it still exists.
    void refresh();
    std::string &listText() const;
    std::string &sectionsText() const;

    EntryWindowKind kind_;
    DocumentModel &model_;
    gui::Label *title_;
    gui::TextArea *text_;
    gui::Label *explanation_;
    gui::ComboBox *insertBox_;
    EntryList pane_;
    UsageList usage_;
    // The ID that Save and Tidy work on: what the title shows, without a note after it.
    std::u16string titleId_;
    bool shown_ = false;
    Signal::Connection restored_, changed_, actionsChanged_;
    int itemsNamesVersion_ = -1; // the names the insert box's items were taken from
};
