#pragma once
// The new entry dialog: the user picks a kind and types an ID; Enter creates the entry with its
// default content, Escape hides the dialog. One modeless window for the whole run, opened by
// the New buttons of the editor windows with their kind preselected.

#include "gui/dialog.h"
#include "newentry/newentry.h"

#include <functional>

class DocumentModel;

class CAddnew : public gui::Dialog {
public:
    // The rows that the window of a kind lists, which a new script or task force is numbered
    // after; without it, none.
    using ListedRows = std::function<int(NewEntryKind kind)>;

    explicit CAddnew(DocumentModel &model, gui::Dialog *owner = nullptr,
                     ListedRows listedRows = {});

    // Creates the entry that the kind box and the ID field ask for, and hides the dialog. With
    // no file open it only says so; with no ID or no kind chosen it does nothing; an ID that
    // cannot be created is refused with a message, and the dialog stays open with the ID.
    void ConfirmNewEntry();

protected:
    void onShowOrHide(bool shown) override;
    bool onEnter() override;

private:
    // The chosen kind's index; -1 when the box's text is not one of its choices.
    int chosenKind() const;
    // Shows the new entry `id` of `kind` in its window, selected.
    void showInItsWindow(NewEntryKind kind, const std::u16string &id);

    DocumentModel &model_;
    gui::ComboBox *kind_;
    gui::Edit *id_;
    ListedRows listedRows_;
    // The entry a copy is made of, with the kind it was opened for; none for a new entry.
    std::u16string copyOf_;
    int copyKind_ = -1;
};
