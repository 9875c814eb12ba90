#include "ui/entrylist.h"

#include "core/headerindex.h"
#include "core/initext.h"
#include "res/text.h"

#include <algorithm>

namespace {

// Offsets of every "Name=" in `text`, ascending: one pass instead of a search per row.
std::vector<size_t> NameKeyOffsets(std::string_view text) {
    std::vector<size_t> offsets;
    for (size_t pos = text.find("Name="); pos != std::string_view::npos;
         pos = text.find("Name=", pos + 1)) {
        offsets.push_back(pos);
    }
    return offsets;
}

const std::u16string kNoText;

} // namespace

std::vector<std::u16string> RegistryColumns() {
    return {res::Str("list.registryNumber"), res::Str("list.registryId"), res::Str("list.name")};
}

std::u16string EntryList::Shown::cellText(int row, int column) const {
    if (row < 0 || row >= rowCount()) return {};
    return pane_.cell(pane_.shown_[size_t(row)], column);
}

EntryList::EntryList(gui::ReportList *list, const Document &document, Options options)
    : list_(list), document_(document), options_(std::move(options)) {
    list_->setSource(&source_);
    if (gui::Edit *filter = options_.filter)
        filter->setOnChanged([this, filter] { SetFilter(filter->text()); });
}

void EntryList::MakeColumns() {
    if (!columnsPending_) return;
    columnsPending_ = false;
    list_->setColumns(options_.headers);
}

void EntryList::SetHeaders(std::vector<std::u16string> headers) {
    options_.headers = std::move(headers);
    if (!columnsPending_) list_->setColumns(options_.headers);
}

bool EntryList::FillPending() const { return fillPending_ && document_.IsFileOpen(); }

void EntryList::Clear() {
    cells_.clear();
    shown_.clear();
    list_->reset();
    fillPending_ = true;
}

const std::u16string &EntryList::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns()) return kNoText;
    return cells_[size_t(row) * size_t(columns()) + size_t(column)];
}

int EntryList::ShownIndex(int row) const {
    const auto found = std::lower_bound(shown_.begin(), shown_.end(), row);
    return found != shown_.end() && *found == row ? int(found - shown_.begin()) : -1;
}

bool EntryList::IsShown(int row) const { return ShownIndex(row) >= 0; }

std::vector<int> EntryList::selectedRows() const {
    std::vector<int> rows;
    for (int shown : list_->selectedRows())
        if (shown >= 0 && shown < int(shown_.size())) rows.push_back(shown_[size_t(shown)]);
    return rows;
}

int EntryList::firstSelectedRow() const {
    const std::vector<int> rows = selectedRows();
    return rows.empty() ? -1 : rows.front();
}

int EntryList::currentRow() const {
    const int shown = list_->currentRow();
    return shown >= 0 && shown < int(shown_.size()) ? shown_[size_t(shown)] : -1;
}

std::vector<std::u16string> EntryList::ids() const {
    std::vector<std::u16string> result;
    result.reserve(size_t(rowCount()));
    for (int row = 0; row < rowCount(); ++row)
        result.push_back(idOf(row));
    return result;
}

void EntryList::Reshow(const std::vector<int> &selected, int current) {
    shown_.clear();
    for (int row = 0; row < rowCount(); ++row)
        if (Matches(row)) shown_.push_back(row);
    list_->reset();
    std::vector<int> shownSelected;
    for (int row : selected)
        if (const int shown = ShownIndex(row); shown >= 0) shownSelected.push_back(shown);
    if (!shownSelected.empty() || current >= 0)
        list_->setSelection(shownSelected, current >= 0 ? ShownIndex(current) : -1);
}

int EntryList::SelectEntry(const std::u16string &id) {
    list_->setSelection({}, -1);
    for (int row = 0; row < rowCount(); ++row) {
        if (idOf(row) != id) continue;
        if (const int shown = ShownIndex(row); shown >= 0) {
            list_->setSelection({shown}, shown);
            list_->scrollTo(shown);
        }
        return row;
    }
    return -1;
}

void EntryList::SelectRow(int row) {
    const int shown = ShownIndex(row);
    list_->setSelection({shown}, shown);
    list_->scrollTo(shown);
}

void EntryList::SetFilter(const std::u16string &text) {
    if (options_.filter && options_.filter->text() != text) {
        options_.filter->setText(text); // comes back here through the field's change
        return;
    }
    if (text == filter_) return;
    filter_ = text;
    keptShown_.clear();
    ApplyFilter();
}

void EntryList::KeepShown(const std::u16string &id) {
    if (!filter_.empty()) keptShown_.insert(id);
}

bool EntryList::Matches(int row) const {
    if (filter_.empty()) return true;
    const std::u16string &id = idOf(row);
    return gui::ContainsIgnoringCase(id, filter_) ||
           gui::ContainsIgnoringCase(commentOf(row), filter_) || keptShown_.count(id) > 0;
}

void EntryList::ApplyFilter() { Reshow(selectedRows(), currentRow()); }

int EntryList::FillEntryList(std::string_view listText, std::string_view sectionsText) {
    const HeaderIndex headers(sectionsText);
    const std::vector<size_t> names = NameKeyOffsets(sectionsText);
    return FillRows(listText, [&](std::string_view line) -> std::optional<Cells> {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::nullopt;
        const std::string_view id = line.substr(equals + 1);
        const int header = headers.Find(id);
        if (header < 0) return std::nullopt;
        // An entry without its own "Name=" takes the next one, even a later section's.
        auto name = std::lower_bound(names.begin(), names.end(), size_t(header));
        if (name == names.end()) return std::nullopt;
        const size_t start = *name + 5;
        const size_t end = std::min(sectionsText.find('\n', start), sectionsText.size());
        return Cells{ToWide(line.substr(0, equals)), ToWide(id),
                     ToWide(sectionsText.substr(start, end - start))};
    });
}

int EntryList::FillRows(std::string_view text, const RowOfLine &rowOf) {
    MakeColumns();
    fillPending_ = false;
    int lines = 0;
    for (size_t start = 0; start < text.size(); ++lines) {
        const size_t lf = std::min(text.find('\n', start), text.size());
        if (std::optional<Cells> row = rowOf(text.substr(start, lf - start))) {
            row->resize(size_t(columns()));
            std::move(row->begin(), row->end(), std::back_inserter(cells_));
        }
        start = lf + 1;
    }
    Reshow(selectedRows(), currentRow());
    return lines;
}

void EntryList::ShowSelectedEntry() {
    const int row = firstSelectedRow();
    if (row >= 0 && options_.showRow) options_.showRow(row);
    AppendPendingRow();
}

void EntryList::AppendPendingRow() {
    PendingNewRow *pending = options_.pendingRow;
    if (!pending || !pending->pending) return;
    // Rows deleted since New was pressed can leave rowIndex past the end: the row then goes
    // last instead of being lost.
    std::vector<std::u16string> ids = {pending->newId};
    ids.insert(ids.end(), pending->laterIds.begin(), pending->laterIds.end());
    for (const std::u16string &id : ids) {
        const int at = std::clamp(pending->rowIndex, 0, rowCount());
        InsertRow(at, {ToWide(std::to_string(int64_t(pending->rowIndex) + document_.startNumber)),
                       id, u"Drumo"});
        ++pending->rowIndex;
    }
    pending->laterIds.clear();
    pending->pending = false;
}

void EntryList::InsertRow(int row, Cells cells) {
    cells.resize(size_t(columns()));
    KeepShown(cells[size_t(options_.idColumn)]);
    std::vector<int> selected = selectedRows();
    int current = currentRow();
    for (int &moved : selected)
        if (moved >= row) ++moved;
    if (current >= row) ++current;
    cells_.insert(cells_.begin() + ptrdiff_t(row) * columns(),
                  std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
    Reshow(selected, current);
}

void EntryList::JumpToEntry(bool &jumpPending, const std::u16string &target) {
    if (!jumpPending) return;
    std::vector<int> rows;
    for (int row = 0; row < rowCount(); ++row)
        if (idOf(row) == target) rows.push_back(row);
    // The user asked for this entry: a filter that hides it goes.
    if (std::any_of(rows.begin(), rows.end(), [this](int row) { return !IsShown(row); }))
        SetFilter({});
    std::vector<int> shown;
    for (int row : rows)
        shown.push_back(ShownIndex(row));
    list_->setSelection(shown, shown.empty() ? -1 : shown.back());
    if (!shown.empty()) list_->scrollTo(shown.back());
    for (int row : rows) {
        if (options_.showRow) options_.showRow(row);
    }
    jumpPending = false;
}

void EntryList::DeleteSelectedRows(const std::function<void(int row)> &beforeDelete) {
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    for (size_t i = 0; i < rows.size(); ++i) {
        // Each deletion moves the rows after it up by one.
        const int row = rows[i] - int(i);
        if (beforeDelete) beforeDelete(row);
        const auto first = cells_.begin() + ptrdiff_t(row) * columns();
        cells_.erase(first, first + columns());
    }
    Reshow({}, -1);
}

void EntryList::ReplaceRows(const std::vector<Cells> &rows) {
    const std::vector<int> selected = selectedRows();
    const int current = currentRow();
    cells_.clear();
    for (Cells row : rows) {
        row.resize(size_t(columns()));
        std::move(row.begin(), row.end(), std::back_inserter(cells_));
    }
    std::vector<int> kept;
    for (int row : selected)
        if (row < rowCount()) kept.push_back(row);
    Reshow(kept, current < rowCount() ? current : -1);
}

void EntryList::SetCell(int row, int column, std::u16string text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns()) return;
    cells_[size_t(row) * size_t(columns()) + size_t(column)] = std::move(text);
}

void EntryList::CellsChanged() { list_->rowsChanged(0, int(shown_.size()) - 1); }

void EntryList::Renumber(int start) {
    for (int row = 0; row < rowCount(); ++row)
        SetCell(row, 0, ToWide(std::to_string(int64_t(start) + row)));
    CellsChanged();
}

void EntryList::SetComment(const std::u16string &id, const std::u16string &comment) {
    const int column = options_.idColumn + 1;
    for (int row = 0; row < rowCount(); ++row) {
        if (idOf(row) == id) SetCell(row, column, comment);
    }
    CellsChanged();
}
