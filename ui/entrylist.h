#pragma once
// The list along the left edge of every editor window: one row per entry, filled once per run
// from the document texts, showing the selected entry, taking the rows of entries made by the new
// entry dialog and selecting the entry another window asks for. The four windows differ in their
// columns, where the rows come from, how an entry is shown and whether they have a pending new
// row; those differences are the options below. Rows are never re-sorted.
//
// A filter field above the list shows only the rows whose ID or comment contains its text (Latin
// letters in either case); the other rows are hidden, never removed, so row indices stay those of
// the registry. A row that an action of the user adds (a new entry) shows even when it does not
// match, until the filter changes. Ctrl+F in the window focuses the field, Escape in it clears it.

#include "core/document.h"
#include "core/windowsignals.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace platform {
class ReportList;
}

// The headers of a registry kind's list: "注册序号", "注册名称", "注释".
QStringList RegistryColumns();

class EntryList {
public:
    // Shows the entry of `row` in the window's fields.
    using ShowRow = std::function<void(int row)>;
    // The cell texts of the row that one line of the filling text gives (one per column, from
    // the first), or nullopt when the line gives no row. The line comes without its LF.
    using RowOfLine = std::function<std::optional<QStringList>(std::string_view line)>;

    struct Options {
        QStringList headers = RegistryColumns();
        int idColumn = 1;     // the column holding the entry ID; the comment is the next one
        ShowRow showRow = {}; // used by ShowSelectedEntry and JumpToEntry
        PendingNewRow *pendingRow = nullptr; // the window's pending new row, if it has one
        QLineEdit *filter = nullptr;         // the filter field, if the list has one
    };

    // The rows come from `document`'s texts.
    EntryList(platform::ReportList *list, const Document &document, Options options);

    platform::ReportList *list() const { return list_; }

    // Makes the columns unless they exist already. Windows call it on their first activation;
    // every fill calls it too, since a window may be shown (and filled) before it is activated.
    void MakeColumns();

    // True while the list has not been filled and a file is open: the moment to fill it.
    bool FillPending() const;
    // Empties the list, to be filled again from the texts.
    void Clear();
    // The row whose ID is exactly `id`, selected, made current and scrolled to (unless the filter
    // hides it); -1, with no row selected, when no row has that ID.
    int SelectEntry(const QString &id);

    // The filter's text; setting it hides the rows that do not match.
    QString filter() const { return filter_; }
    void SetFilter(const QString &text);
    // Hides or shows every row by the filter, keeping the rows of KeepShown IDs shown.
    void ApplyFilter();
    // The row of `id` stays shown whatever the filter, until the filter's text changes.
    void KeepShown(const QString &id);

    // Fills the rows from a registry list text: each line with "=" gives the key (column 0), the
    // ID after the first "=" (column 1) and the comment, the value of the first "Name=" at or
    // after the ID's header line in `sectionsText` (column 2). A line whose ID has no header
    // line, or no "Name=" after it, gives no row. Clears fill pending whatever it finds.
    // Returns the number of lines read (header and lines without "=" included).
    int FillEntryList(std::string_view listText, std::string_view sectionsText);

    // The same for rows that come from elsewhere: every line of `text` (lines end at an LF; the
    // last may lack one) is given to `rowOf`. Returns the number of lines read.
    int FillRows(std::string_view text, const RowOfLine &rowOf);

    int rowCount() const;
    // Text of a row's ID and comment columns; empty for a cell that holds none.
    QString idOf(int row) const;
    QString commentOf(int row) const;
    // The selected row with the lowest index; -1 when none is selected.
    int firstSelectedRow() const;
    // Every row's ID, in row order.
    QStringList ids() const;

    // The lowest selected row's entry through showRow (nothing when none is selected), then
    // AppendPendingRow. For a key in the list, call it from the key-down notification, which
    // arrives before the list moves its selection for the key.
    void ShowSelectedEntry();

    // Inserts the pending new row, if one is pending: at its rowIndex, with the number
    // rowIndex + the start number, its ID and the comment "Drumo"; then moves rowIndex on by one.
    void AppendPendingRow();

    // When `jumpPending` is set: selects and focuses every row whose ID is exactly `target`,
    // scrolls to it and shows it through showRow, unselects every other row, then clears
    // `jumpPending`. A filter that hides the target is cleared first. An unknown target leaves no
    // row selected and shows nothing.
    void JumpToEntry(bool &jumpPending, const std::u16string &target);

    // Deletes the selected rows, each time the lowest selected one; `beforeDelete` (when given)
    // sees each row just before it goes, at its index at that moment.
    void DeleteSelectedRows(const std::function<void(int row)> &beforeDelete = {});

    // Puts `texts` into the cells of `row`, from the first column; a row past the last one is
    // inserted (at rowCount(), so `row` should be rowCount() then).
    void SetRow(int row, const QStringList &texts);

    // Column 0 of every row i becomes i + `start`.
    void Renumber(int start);

    // The comment column of every row whose ID is exactly `id`.
    void SetComment(const QString &id, const QString &comment);

private:
    bool Matches(int row) const;

    platform::ReportList *list_;
    const Document &document_;
    Options options_;
    bool columnsPending_ = true;
    bool fillPending_ = true;
    QString filter_;
    QSet<QString> keptShown_;
};
