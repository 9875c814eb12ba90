#pragma once
// The controls of a dialog as the window logic sees them: small handles reached by id through
// Dialog::control<T>(id). Each backend implements them with its toolkit's own controls. Texts are
// wide text; a control never holds document content beyond what it shows.

#include <functional>
#include <string>
#include <vector>

namespace gui {

// The keys the windows tell apart in a list's key-down notification.
enum class Key { Other, Enter, Escape, Up, Down, Left, Right, PageUp, PageDown, Home, End, Delete };

class Control {
public:
    virtual ~Control() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setFocus() = 0;
};

// A static text. Window text is never markup, whatever it holds.
class Label : public Control {
public:
    virtual std::u16string text() const = 0;
    virtual void setText(const std::u16string &text) = 0;
};

// A push button; a click reaches the dialog's onCommand with the button's id.
class Button : public Control {};

// A check box that checks and unchecks itself when clicked; a click reaches onCommand. Setting
// the state from the program sends no command.
class CheckBox : public Control {
public:
    virtual bool isChecked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

// A single-line edit box. A search field (res::kSearchField) shows its cue text while empty, is
// emptied by Escape, and takes the focus on Ctrl+F anywhere in its window.
class Edit : public Control {
public:
    virtual std::u16string text() const = 0;
    virtual void setText(const std::u16string &text) = 0;
    virtual void selectAll() = 0;
    // Called after every change of the text, the user's or the program's.
    virtual void setOnChanged(std::function<void()> changed) = 0;
};

// A multi-line text field with an undo history of its own.
class TextArea : public Control {
public:
    virtual std::u16string text() const = 0;
    // Replaces the text and forgets the field's undo history.
    virtual void setText(const std::u16string &text) = 0;
    // Replaces the whole text as one edit that the field's own undo takes back.
    virtual void replaceText(const std::u16string &text) = 0;
    // The line of the caret, from 0 (lines end at a line break).
    virtual int caretLine() const = 0;
    // Puts the caret, nothing selected, at the end of line `line` (from 0; past the last line:
    // the last) and scrolls it into sight.
    virtual void setCaretLine(int line) = 0;
    // Selects characters `from` to `to` (from 0, `to` excluded) of line `line`, the caret after
    // them, and scrolls them into sight: what typing then replaces.
    virtual void selectInLine(int line, int from, int to) = 0;
    // Called after the caret moved or the text changed.
    virtual void setOnCaretMoved(std::function<void()> moved) = 0;
};

// An editable drop-down combo box. Typing never adds an item, but offers those that start with
// the typed text (in a box filtered as typed, res::kFilterAsTyped: those that hold it); taking
// one is choosing it from the list. A sorted box (res::kSorted) keeps its items in the order of
// SortsBefore, equal items in turn.
class ComboBox : public Control {
public:
    virtual std::u16string text() const = 0;
    virtual void setText(const std::u16string &text) = 0;
    // Replaces the items; the edit text stays what it was.
    virtual void setItems(std::vector<std::u16string> items) = 0;
    virtual int itemCount() const = 0;
    virtual std::u16string itemText(int index) const = 0;
    // Puts item `index` into the edit field, as choosing it from the list does.
    virtual void choose(int index) = 0;
    // Called when the user chooses an item from the list, with its index.
    virtual void setOnChosen(std::function<void(int index)> chosen) = 0;
};

// Where a report list's rows come from: the list keeps no texts of its own, so a list of 40,000
// rows costs nothing but what is on screen.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    virtual std::u16string cellText(int row, int column) const = 0;
};

// A list in report view: columns with headers, whole rows selected, grid lines; several rows
// selectable unless the template says single (res::kSingleSelection). The rows stay in the
// source's order; a click on a header does nothing. A cell shows its whole text on hover. The
// dialog hears of clicks and keys (Dialog::onListClick, onListKeyDown).
class ReportList : public Control {
public:
    // One left-aligned column per header: each but the last wide enough for its header and a
    // ten-character ID, the last taking the width that is left.
    virtual void setColumns(const std::vector<std::u16string> &headers) = 0;
    // The rows' source; it must outlive the list or be replaced first.
    virtual void setSource(const RowSource *source) = 0;
    // The rows and cells as the list shows them; none without a source.
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual std::u16string cellText(int row, int column) const = 0;

    // What the source holds changed. Reset: anything, the selection is cleared. Changed: the
    // texts of rows `first` to `last`, nothing else.
    virtual void reset() = 0;
    virtual void rowsChanged(int first, int last) = 0;

    // The selected rows, lowest first.
    virtual std::vector<int> selectedRows() const = 0;
    // The row last clicked or moved to (the focus mark); -1 when there is none.
    virtual int currentRow() const = 0;
    // Exactly `rows` become selected and `current` (-1: none) the current row.
    virtual void setSelection(const std::vector<int> &rows, int current) = 0;
    virtual void scrollTo(int row) = 0;

    // A row double-clicked, or Enter pressed on the current row.
    virtual void setOnActivated(std::function<void(int row)> activated) = 0;
};

// The order of sorted combo boxes, the same on every backend: by UTF-16 code units with the
// Latin letters A to Z taken as a to z.
bool SortsBefore(std::u16string_view a, std::u16string_view b);

// Whether `text` contains `part`, Latin letters A to Z taken as a to z.
bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part);

} // namespace gui
