#pragma once
// The list along the left edge of every editor window: one row per entry, filled once per run
// from the document texts, showing the selected entry, taking the rows of entries made by the new
// entry dialog and selecting the entry another window asks for. The four windows differ in their
// columns, where the rows come from, how an entry is shown and whether they have a pending new
// row; those differences are the options below. Rows are never re-sorted.
//
// A filter field above the list shows only the rows whose ID or comment contains its text (Latin
// letters in either case). The pane keeps every row; the list shows those the filter lets
// through, so a row's index here stays its place in the registry whatever is shown. A row that
// an action of the user adds (a new entry) shows even when it does not match, until the filter
// changes.

#include "core/document.h"
#include "core/windowsignals.h"
#include "gui/controls.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The headers of a registry kind's list: "注册序号", "注册名称", "注释".
std::vector<std::u16string> RegistryColumns();

class EntryList {
public:
    using Cells = std::vector<std::u16string>;
    // Shows the entry of `row` in the window's fields.
    using ShowRow = std::function<void(int row)>;
    // The cell texts of the row that one line of the filling text gives (one per column, from
    // the first), or nullopt when the line gives no row. The line comes without its LF.
    using RowOfLine = std::function<std::optional<Cells>(std::string_view line)>;

    struct Options {
        std::vector<std::u16string> headers = RegistryColumns();
        int idColumn = 1;     // the column holding the entry ID; the comment is the next one
        ShowRow showRow = {}; // used by ShowSelectedEntry and JumpToEntry
        PendingNewRow *pendingRow = nullptr; // the window's pending new row, if it has one
        gui::Edit *filter = nullptr;         // the filter field, if the list has one
    };

    // The rows come from `document`'s texts.
    EntryList(gui::ReportList *list, const Document &document, Options options);
    EntryList(const EntryList &) = delete;
    EntryList &operator=(const EntryList &) = delete;

    gui::ReportList *list() const { return list_; }

    // Makes the columns unless they exist already. Windows call it on their first activation;
    // every fill calls it too, since a window may be shown (and filled) before it is activated.
    void MakeColumns();
    // The column headers, again in the current language.
    void SetHeaders(std::vector<std::u16string> headers);

    // True while the list has not been filled and a file is open: the moment to fill it.
    bool FillPending() const;
    // Empties the list, to be filled again from the texts.
    void Clear();
    // Selects the first row whose ID is exactly `id` (alone), makes it current and scrolls to it,
    // unless the filter hides it; its index, or -1 (and no row selected) when no row has that ID.
    int SelectEntry(const std::u16string &id);
    // Selects `row` alone, makes it current and scrolls to it; it must be shown.
    void SelectRow(int row);

    // The filter's text; setting it shows the rows that match.
    const std::u16string &filter() const { return filter_; }
    void SetFilter(const std::u16string &text);
    // Shows the rows that match the filter, keeping the rows of KeepShown IDs shown.
    void ApplyFilter();
    // The row of `id` stays shown whatever the filter, until the filter's text changes.
    void KeepShown(const std::u16string &id);
    // Whether the list shows `row`.
    bool IsShown(int row) const;

    // Fills the rows from a registry list text: each line with "=" gives the key (column 0), the
    // ID after the first "=" (column 1) and the comment, the value of the first "Name=" at or
    // after the ID's header line in `sectionsText` (column 2). A line whose ID has no header
    // line, or no "Name=" after it, gives no row. Clears fill pending whatever it finds.
    // Returns the number of lines read (header and lines without "=" included).
    int FillEntryList(std::string_view listText, std::string_view sectionsText);

    // The same for rows that come from elsewhere: every line of `text` (lines end at an LF; the
    // last may lack one) is given to `rowOf`. Returns the number of lines read.
    int FillRows(std::string_view text, const RowOfLine &rowOf);

    // Every row, shown or not.
    int rowCount() const { return int(cells_.size() / columns()); }
    const std::u16string &cell(int row, int column) const;
    // A row's ID and comment.
    const std::u16string &idOf(int row) const { return cell(row, options_.idColumn); }
    const std::u16string &commentOf(int row) const { return cell(row, options_.idColumn + 1); }
    // The selected rows (only shown rows can be), lowest first; the lowest; -1 when none.
    std::vector<int> selectedRows() const;
    int firstSelectedRow() const;
    // The row the list's focus mark is on; -1 when none.
    int currentRow() const;
    // Every row's ID, in row order.
    std::vector<std::u16string> ids() const;

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

    // Deletes the selected rows, lowest first; `beforeDelete` (when given) sees each row just
    // before it goes, at its index at that moment.
    void DeleteSelectedRows(const std::function<void(int row)> &beforeDelete = {});

    // Inserts a row at `row` (0 to rowCount()); it shows whatever the filter.
    void InsertRow(int row, Cells cells);
    // The rows become `rows`, selected rows staying selected by index.
    void ReplaceRows(const std::vector<Cells> &rows);
    // A cell's text; the list shows it at the next CellsChanged.
    void SetCell(int row, int column, std::u16string text);
    void CellsChanged();

    // Column 0 of every row i becomes i + `start`.
    void Renumber(int start);

    // The comment column of every row whose ID is exactly `id`.
    void SetComment(const std::u16string &id, const std::u16string &comment);

private:
    // The rows the list shows, in order, as the list's row source.
    class Shown : public gui::RowSource {
    public:
        explicit Shown(const EntryList &pane) : pane_(pane) {}
        int rowCount() const override { return int(pane_.shown_.size()); }
        std::u16string cellText(int row, int column) const override;

    private:
        const EntryList &pane_;
    };

    int columns() const { return int(options_.headers.size()); }
    bool Matches(int row) const;
    // The list shows the rows again after they changed: every row that matches, with these
    // rows selected and `current` current where they are shown.
    void Reshow(const std::vector<int> &selected, int current);
    int ShownIndex(int row) const;

    gui::ReportList *list_;
    const Document &document_;
    Options options_;
    bool columnsPending_ = true;
    bool fillPending_ = true;
    std::u16string filter_;
    std::set<std::u16string> keptShown_;
    // Every row's cells, row after row.
    std::vector<std::u16string> cells_;
    // The rows shown, ascending.
    std::vector<int> shown_;
    Shown source_{*this};
};
