#pragma once
// The rename dialog: the new ID for an entry, refused with a message while a rename to it would
// break the file or be ambiguous; it says how many references the rename will change.

#include "core/document.h"
#include "gui/dialog.h"

#include <optional>
#include <string>

class DocumentModel;

class CRename : public gui::Dialog {
public:
    // For entry `id` of `document`, whose kind is known (RenameProblem would otherwise refuse).
    CRename(const Document &document, std::u16string id, gui::Dialog *owner = nullptr);

    // The ID typed.
    std::u16string newId() const;

protected:
    void onCommand(int id) override;
    bool onEnter() override;

private:
    // Closes the dialog as accepted when the rename may go on; otherwise says why and stays.
    void confirm();

    const Document &document_;
    std::u16string id_;
    gui::Edit *newId_;
};

// Asks for a new ID for entry `from` and renames it, with every reference, as one step named
// "改名" and `kindName`; the new ID, or none when the user cancelled.
std::optional<std::u16string> AskAndRename(DocumentModel &model, std::u16string_view kindName,
                                           const std::u16string &from, gui::Dialog *owner);
