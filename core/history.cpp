#include "core/history.h"

#include <algorithm>

namespace {

// The part of `after` that differs from `before`: the text between their common prefix and
// their common suffix.
struct Difference {
    size_t at;
    size_t beforeSize;
    size_t afterSize;
};

Difference DifferenceOf(std::string_view before, std::string_view after) {
    const size_t shorter = std::min(before.size(), after.size());
    const size_t prefix =
        size_t(std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first -
               before.begin());
    const size_t room = shorter - prefix;
    const size_t suffix =
        size_t(std::mismatch(before.rbegin(), before.rbegin() + room, after.rbegin()).first -
               before.rbegin());
    return {prefix, before.size() - prefix - suffix, after.size() - prefix - suffix};
}

// Whether `text` holds `part` at `at` and has `size` bytes: the state a step left it in.
bool Holds(const std::string &text, size_t size, size_t at, std::string_view part) {
    return text.size() == size && std::string_view(text).substr(at, part.size()) == part;
}

} // namespace

void History::Begin(const Document &document) {
    if (depth_++ > 0) return;
    const auto texts = document.Texts();
    for (size_t i = 0; i < texts.size(); ++i)
        before_[i] = *texts[i];
}

bool History::Commit(const Document &document, std::u16string name) {
    if (depth_ == 0 || --depth_ > 0) return false;
    Step step{std::move(name), {}, 0};
    const auto texts = document.Texts();
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string &after = *texts[i];
        if (before_[i] == after) continue;
        const Difference d = DifferenceOf(before_[i], after);
        step.changes.push_back({i, d.at, before_[i].substr(d.at, d.beforeSize),
                                after.substr(d.at, d.afterSize), after.size()});
        step.bytes += d.beforeSize + d.afterSize;
    }
    before_ = {};
    if (step.changes.empty()) return false;

    // A new step ends what could be redone.
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (saved_ && *saved_ > position_) saved_.reset();
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++position_;
    while (bytes_ > budget_ && !steps_.empty())
        DropOldest();
    return true;
}

void History::DropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --position_;
    if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<size_t>(*saved_ - 1);
}

void History::Abandon() {
    Clear();
    saved_.reset(); // whatever changed outside a step is not known to be saved
}

std::u16string History::UndoName() const {
    return CanUndo() ? steps_[position_ - 1].name : std::u16string();
}

std::u16string History::RedoName() const {
    return CanRedo() ? steps_[position_].name : std::u16string();
}

bool History::Undo(Document &document) {
    if (!CanUndo()) return false;
    const Step &step = steps_[position_ - 1];
    const auto texts = document.Texts();
    for (const Change &change : step.changes) {
        if (!Holds(*texts[change.text], change.sizeAfter, change.at, change.after)) {
            Abandon();
            return false;
        }
    }
    for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change)
        texts[change->text]->replace(change->at, change->after.size(), change->before);
    --position_;
    return true;
}

bool History::Redo(Document &document) {
    if (!CanRedo()) return false;
    const Step &step = steps_[position_];
    const auto texts = document.Texts();
    for (const Change &change : step.changes) {
        const size_t sizeBefore = change.sizeAfter - change.after.size() + change.before.size();
        if (!Holds(*texts[change.text], sizeBefore, change.at, change.before)) {
            Abandon();
            return false;
        }
    }
    for (const Change &change : step.changes)
        texts[change.text]->replace(change.at, change.before.size(), change.after);
    ++position_;
    return true;
}

void History::Clear() {
    steps_.clear();
    position_ = 0;
    saved_ = 0;
    bytes_ = 0;
}
