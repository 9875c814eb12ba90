#pragma once
// The document the windows share, with its undo history: every action that changes the texts
// runs through Edit as one step, and the windows follow the document's signals.

#include "core/document.h"
#include "core/history.h"
#include "core/usageindex.h"
#include "document/rulesfile.h"
#include "scripts/actionprofiles.h"
#include "ui/signal.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// How the Edit menu names a step: the action (a key of res/text.h: "step.delete") and the kind's
// name, then the entry's ID, or the first of several and their count ("删除队伍 A 等 3 个").
std::u16string StepName(std::string_view action, std::u16string_view kind,
                        const std::vector<std::u16string> &ids);

class DocumentModel {
public:
    Document document;
    History history;
    // The mod's rules file the names are checked against, while the opened file has one.
    std::optional<RulesFile> rules;
    // The mod's string table, which gives the names the player sees, while the file has one.
    std::optional<StringTable> strings;

    // Counts the changes of the rules file and the string table, for views that list the names.
    int namesVersion = 0;

    ModNames names() const { return {rules ? &*rules : nullptr, strings ? &*strings : nullptr}; }

    // The script actions the windows and the report go by: an engine's, perhaps with the mod's own
    // table, as chosen for the opened file.
    ActionProfile actions;

    // Runs `action`, which may change the document's texts, as one undo step named `name`.
    template <class Action> void Edit(std::u16string name, Action &&action) {
        history.Begin(document);
        std::forward<Action>(action)();
        if (history.Commit(document, std::move(name))) {
            usageStale_ = true;
            changed.notify();
        }
    }

    // Where each entry is used, as the texts stand: built again at the first call after they
    // changed, so that a burst of edits costs one pass.
    const UsageIndex &usage();
    // The texts were assigned outside Edit, Undo, Redo and Reset: the index is built again.
    void TextsReplaced() { usageStale_ = true; }

    // Puts the texts back as before the last step, or as after the next one; the windows then
    // show the document as after Open.
    void Undo();
    void Redo();

    // The windows show the document again as after Open: after a change that reaches into every
    // window's texts, such as a rename.
    void Refill() { Restored(); }

    // A document just opened (or emptied): a new history, nothing unsaved; the windows show it.
    void Reset(Document content);
    // The texts are now what the file holds.
    void MarkSaved();
    bool IsModified() const { return history.IsModified(); }

    // The names are now checked against `content`, or against nothing.
    void SetRules(std::optional<RulesFile> content) {
        rules = std::move(content);
        ++namesVersion;
        changed.notify();
    }

    // The names are now taken from `content`'s texts, or from no string table.
    void SetStrings(std::optional<StringTable> content) {
        strings = std::move(content);
        ++namesVersion;
        changed.notify();
    }

    // The script actions are now `profile`'s.
    void SetActions(ActionProfile profile) {
        actions = std::move(profile);
        actionsChanged.notify();
        changed.notify();
    }

    // The texts, the unsaved state, what Undo and Redo would do, the rules file, the string
    // table or the actions may have changed.
    Signal changed;
    // The script actions changed: lists of them are to be filled again.
    Signal actionsChanged;
    // The content was replaced as a whole: lists are to be filled again from the texts.
    Signal restored;

private:
    void Restored();

    UsageIndex usage_;
    bool usageStale_ = true;
};
