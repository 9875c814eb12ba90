#include "ui/entrylist.h"

#include "core/headerindex.h"
#include "core/initext.h"
#include "platform/controls.h"
#include "platform/widetext.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <algorithm>
#include <vector>

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

// Draws the selection dimmed while the list lacks the focus, as desktop lists do: the user still
// sees which entry the form shows after clicking a button. The colours are taken at each change
// of focus from the palette the list inherits, so they follow the style.
class DimSelectionWithoutFocus : public QObject {
public:
    explicit DimSelectionWithoutFocus(QAbstractItemView *view) : QObject(view), view_(view) {
        dim(!view->hasFocus());
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::FocusIn) dim(false);
        if (event->type() == QEvent::FocusOut) dim(true);
        return false;
    }

private:
    void dim(bool dimmed) {
        view_->setPalette(QPalette());
        if (!dimmed) return;
        QPalette palette = view_->palette();
        const QColor active = palette.color(QPalette::Active, QPalette::Highlight);
        QColor inactive = palette.color(QPalette::Inactive, QPalette::Highlight);
        // A style whose inactive selection looks like the active one gets it halfway to the
        // background.
        if (inactive == active) {
            const QColor base = palette.color(QPalette::Active, QPalette::Base);
            inactive = QColor((active.red() + base.red()) / 2, (active.green() + base.green()) / 2,
                              (active.blue() + base.blue()) / 2);
        }
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Highlight, inactive);
            palette.setColor(group, QPalette::HighlightedText,
                             palette.color(QPalette::Inactive, QPalette::HighlightedText));
        }
        view_->setPalette(palette);
    }

    QAbstractItemView *view_;
};

// Escape in the filter field empties it rather than closing the window; an empty field leaves
// Escape to the window.
class ClearOnEscape : public QObject {
public:
    explicit ClearOnEscape(QLineEdit *edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || edit_->text().isEmpty()) return false;
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape) return false;
        edit_->clear();
        return true;
    }

private:
    QLineEdit *edit_;
};

} // namespace

QStringList RegistryColumns() {
    return {QStringLiteral("注册序号"), QStringLiteral("注册名称"), QStringLiteral("注释")};
}

EntryList::EntryList(platform::ReportList *list, const Document &document, Options options)
    : list_(list), document_(document), options_(std::move(options)) {
    new DimSelectionWithoutFocus(list_);
    QLineEdit *filter = options_.filter;
    if (!filter) return;
    filter->setPlaceholderText(QStringLiteral("ID 或注释"));
    filter->setClearButtonEnabled(true);
    new ClearOnEscape(filter);
    QObject::connect(filter, &QLineEdit::textChanged, list_,
                     [this](const QString &text) { SetFilter(text); });
    auto *find = new QShortcut(QKeySequence::Find, list_->window());
    QObject::connect(find, &QShortcut::activated, filter, [filter] {
        filter->setFocus(Qt::ShortcutFocusReason);
        filter->selectAll();
    });
}

void EntryList::MakeColumns() {
    if (!columnsPending_) return;
    columnsPending_ = false;
    list_->setColumns(options_.headers);
}

bool EntryList::FillPending() const { return fillPending_ && document_.IsFileOpen(); }

void EntryList::Clear() {
    list_->setRowCount(0);
    fillPending_ = true;
}

int EntryList::SelectEntry(const QString &id) {
    list_->clearSelection();
    for (int row = 0; row < rowCount(); ++row) {
        if (idOf(row) != id) continue;
        const QModelIndex index = list_->model()->index(row, 0);
        list_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
        list_->scrollTo(index);
        return row;
    }
    return -1;
}

void EntryList::SetFilter(const QString &text) {
    if (options_.filter && options_.filter->text() != text) {
        options_.filter->setText(text); // comes back here through textChanged
        return;
    }
    if (text == filter_) return;
    filter_ = text;
    keptShown_.clear();
    ApplyFilter();
}

void EntryList::KeepShown(const QString &id) {
    if (!filter_.isEmpty()) keptShown_.insert(id);
}

bool EntryList::Matches(int row) const {
    if (filter_.isEmpty()) return true;
    const QString id = idOf(row);
    return id.contains(filter_, Qt::CaseInsensitive) ||
           commentOf(row).contains(filter_, Qt::CaseInsensitive) || keptShown_.contains(id);
}

void EntryList::ApplyFilter() {
    list_->setRowsHidden([this](int row) { return !Matches(row); });
}

int EntryList::FillEntryList(std::string_view listText, std::string_view sectionsText) {
    const HeaderIndex headers(sectionsText);
    const std::vector<size_t> names = NameKeyOffsets(sectionsText);
    return FillRows(listText, [&](std::string_view line) -> std::optional<QStringList> {
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
        return QStringList{platform::WideText(line.substr(0, equals)), platform::WideText(id),
                           platform::WideText(sectionsText.substr(start, end - start))};
    });
}

int EntryList::FillRows(std::string_view text, const RowOfLine &rowOf) {
    MakeColumns();
    fillPending_ = false;
    int lines = 0;
    int row = 0;
    for (size_t start = 0; start < text.size(); ++lines) {
        const size_t lf = std::min(text.find('\n', start), text.size());
        if (std::optional<QStringList> texts = rowOf(text.substr(start, lf - start)))
            list_->insertTextRow(row++, *texts);
        start = lf + 1;
    }
    ApplyFilter();
    return lines;
}

int EntryList::rowCount() const { return list_->rowCount(); }

QString EntryList::idOf(int row) const { return list_->text(row, options_.idColumn); }

QString EntryList::commentOf(int row) const { return list_->text(row, options_.idColumn + 1); }

int EntryList::firstSelectedRow() const {
    const QList<int> rows = list_->selectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

QStringList EntryList::ids() const {
    QStringList result;
    result.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        result.append(idOf(row));
    }
    return result;
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
        list_->insertTextRow(at,
                             {QString::number(qint64(pending->rowIndex) + document_.startNumber),
                              QString::fromStdU16String(id), QStringLiteral("Drumo")});
        KeepShown(QString::fromStdU16String(id));
        ++pending->rowIndex;
    }
    pending->laterIds.clear();
    pending->pending = false;
}

void EntryList::JumpToEntry(bool &jumpPending, const std::u16string &target) {
    if (!jumpPending) return;
    const QString id = QString::fromStdU16String(target);
    QItemSelectionModel *selection = list_->selectionModel();
    QItemSelection matches;
    std::vector<int> rows;
    bool hidden = false;
    for (int row = 0; row < rowCount(); ++row) {
        if (idOf(row) != id) continue;
        const QModelIndex index = list_->model()->index(row, 0);
        matches.select(index, index);
        rows.push_back(row);
        hidden = hidden || list_->isRowHidden(row);
    }
    // The user asked for this entry: a filter that hides it goes.
    if (hidden) SetFilter({});
    selection->select(matches, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (rows.empty()) {
        selection->clearCurrentIndex();
    } else {
        const QModelIndex current = list_->model()->index(rows.back(), 0);
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        list_->scrollTo(current);
    }
    for (int row : rows) {
        if (options_.showRow) options_.showRow(row);
    }
    jumpPending = false;
}

void EntryList::DeleteSelectedRows(const std::function<void(int row)> &beforeDelete) {
    const QList<int> rows = list_->selectedRows();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        // Each deletion moves the rows after it up by one.
        const int row = rows[i] - int(i);
        if (beforeDelete) beforeDelete(row);
        list_->removeRow(row);
    }
}

void EntryList::SetRow(int row, const QStringList &texts) {
    if (row >= rowCount()) {
        list_->insertTextRow(rowCount(), texts);
        return;
    }
    for (int column = 0; column < std::min(int(texts.size()), list_->columnCount()); ++column) {
        list_->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

void EntryList::Renumber(int start) {
    for (int row = 0; row < rowCount(); ++row) {
        list_->setItem(row, 0, new QTableWidgetItem(QString::number(qint64(start) + row)));
    }
}

void EntryList::SetComment(const QString &id, const QString &comment) {
    const int column = options_.idColumn + 1;
    for (int row = 0; row < rowCount(); ++row) {
        if (idOf(row) == id) list_->setItem(row, column, new QTableWidgetItem(comment));
    }
}
