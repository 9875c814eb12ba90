#pragma once
// The undo history of a document. A step keeps, for each text the step changed, the part that
// changed, before and after; undo and redo put it back. Steps are kept while what they keep
// totals at most the byte budget, the oldest going first.

#include "core/document.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class History {
public:
    static constexpr size_t kDefaultBudget = size_t(64) << 20;

    explicit History(size_t budget = kDefaultBudget) : budget_(budget) {}

    // Around an action that may change the document: Begin takes the texts as they stand, Commit
    // records what changed since as one step named `name`, and returns false, recording nothing,
    // when no text changed. A Begin inside an action belongs to the outer one.
    void Begin(const Document &document);
    bool Commit(const Document &document, std::u16string name);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // The names of the step Undo and Redo would take back or do again; empty when none.
    std::u16string UndoName() const;
    std::u16string RedoName() const;

    // Puts the texts back as they were before the last step, or as after the next one. False,
    // leaving the document and dropping the history, when the texts are not as the history left
    // them (a change made outside a step).
    bool Undo(Document &document);
    bool Redo(Document &document);

    // Whether the texts differ from those last opened or saved; undoing back to that state
    // counts as unchanged.
    bool IsModified() const { return saved_ != position_; }
    void MarkSaved() { saved_ = position_; }
    // A new history for a document just opened: nothing to undo, nothing unsaved.
    void Clear();

    // What the kept steps hold, in bytes.
    size_t Bytes() const { return bytes_; }
    size_t StepCount() const { return steps_.size(); }

private:
    struct Change {
        size_t text; // index into Document::Texts()
        size_t at;   // where the changed part starts
        std::string before;
        std::string after;
        size_t sizeAfter; // the whole text's size after the step
    };
    struct Step {
        std::u16string name;
        std::vector<Change> changes;
        size_t bytes = 0;
    };

    void DropOldest();
    void Abandon();

    size_t budget_;
    std::deque<Step> steps_;
    size_t position_ = 0; // steps_[0, position_) are done
    // The position of the last open or save; none once that state can no longer be reached.
    std::optional<size_t> saved_ = 0;
    size_t bytes_ = 0;
    int depth_ = 0;
    std::array<std::string, kDocumentTextCount> before_;
};
