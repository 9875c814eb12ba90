#include "gui/qt/qtcontrols.h"

#include "gui/qt/qttext.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolTip>
#include <algorithm>

namespace gui::qt {

namespace {

// Room for a ten-character ID such as "0CE4CA3C-G" in every column but the last.
const QString kWidestId = QStringLiteral("0CE4CA3C-GW");

// What assistive tools read of a combo box: its label's text as the name, whatever the box shows,
// and what it shows as the value. Qt's own reading on some systems names the box by its text,
// which changes with every entry shown. Its children are those Qt's own gives: the drop-down
// list (whose children are the items), then the edit field.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> widgets = parts();
        if (index < 0 || index >= widgets.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(widgets[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(parts().indexOf(child->object())) : -1;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override {
        if (name == showMenuAction()) {
            box()->showPopup();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
    QList<QWidget *> parts() const {
        QList<QWidget *> widgets{box()->view()};
        if (box()->lineEdit()) widgets.append(static_cast<QWidget *>(box()->lineEdit()));
        return widgets;
    }
};

QAccessibleInterface *AccessibleComboBox(const QString &, QObject *object) {
    auto *box = qobject_cast<ComboBox *>(object);
    return box ? new ComboBoxAccessible(box) : nullptr;
}

// What every handle has: the widget and its state.
class WidgetHandle {
public:
    virtual ~WidgetHandle() = default;
    virtual QWidget *widget() const = 0;
};

template <class Interface, class Widget> class Handle : public Interface, public WidgetHandle {
public:
    explicit Handle(Widget *widget) : w_(widget) {}
    void setEnabled(bool enabled) override { w_->setEnabled(enabled); }
    bool isEnabled() const override { return w_->isEnabled(); }
    void setFocus() override { w_->setFocus(Qt::OtherFocusReason); }
    QWidget *widget() const override { return w_; }

protected:
    Widget *w_;
};

class LabelHandle : public Handle<Label, QLabel> {
public:
    using Handle::Handle;
    std::u16string text() const override { return U(w_->text()); }
    void setText(const std::u16string &text) override { w_->setText(Q(text)); }
};

class ButtonHandle : public Handle<Button, QPushButton> {
public:
    using Handle::Handle;
};

class CheckBoxHandle : public Handle<CheckBox, QCheckBox> {
public:
    using Handle::Handle;
    bool isChecked() const override { return w_->isChecked(); }
    void setChecked(bool checked) override { w_->setChecked(checked); }
};

class EditHandle : public Handle<Edit, QLineEdit> {
public:
    using Handle::Handle;
    std::u16string text() const override { return U(w_->text()); }
    void setText(const std::u16string &text) override { w_->setText(Q(text)); }
    void selectAll() override { w_->selectAll(); }
    void setOnChanged(std::function<void()> changed) override {
        QObject::connect(w_, &QLineEdit::textChanged, w_, [changed] { changed(); });
    }
};

class TextAreaHandle : public Handle<TextArea, QPlainTextEdit> {
public:
    using Handle::Handle;
    std::u16string text() const override { return U(w_->toPlainText()); }
    void setText(const std::u16string &text) override { w_->setPlainText(Q(text)); }
    void replaceText(const std::u16string &text) override {
        QTextCursor cursor(w_->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(Q(text));
    }
    int caretLine() const override { return w_->textCursor().blockNumber(); }
    void setCaretLine(int line) override {
        QTextCursor cursor(
            w_->document()->findBlockByNumber(std::clamp(line, 0, w_->blockCount() - 1)));
        cursor.movePosition(QTextCursor::EndOfBlock);
        w_->setTextCursor(cursor);
        w_->ensureCursorVisible();
    }
    void selectInLine(int line, int from, int to) override {
        const QTextBlock block =
            w_->document()->findBlockByNumber(std::clamp(line, 0, w_->blockCount() - 1));
        const int length = block.length() - 1;
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + std::clamp(from, 0, length));
        cursor.setPosition(block.position() + std::clamp(to, 0, length), QTextCursor::KeepAnchor);
        w_->setTextCursor(cursor);
        w_->ensureCursorVisible();
    }
    void setOnCaretMoved(std::function<void()> moved) override {
        QObject::connect(w_, &QPlainTextEdit::cursorPositionChanged, w_, [moved] { moved(); });
        // A deletion after the caret changes its line without moving it.
        QObject::connect(w_, &QPlainTextEdit::textChanged, w_, [moved] { moved(); });
    }
};

class ComboBoxHandle : public Handle<gui::ComboBox, qt::ComboBox> {
public:
    ComboBoxHandle(qt::ComboBox *box, bool sorted) : Handle(box), sorted_(sorted) {}
    std::u16string text() const override { return U(w_->currentText()); }
    void setText(const std::u16string &text) override { w_->setEditText(Q(text)); }
    void setItems(std::vector<std::u16string> items) override {
        if (sorted_) std::stable_sort(items.begin(), items.end(), SortsBefore);
        QStringList texts;
        texts.reserve(qsizetype(items.size()));
        for (const std::u16string &item : items)
            texts.append(Q(item));
        const QString shown = w_->currentText();
        w_->clear();
        w_->addItems(texts);
        w_->setEditText(shown);
    }
    int itemCount() const override { return w_->count(); }
    std::u16string itemText(int index) const override { return U(w_->itemText(index)); }
    void choose(int index) override { w_->setCurrentIndex(index); }
    void setOnChosen(std::function<void(int)> chosen) override {
        QObject::connect(w_, &QComboBox::activated, w_, [chosen](int index) { chosen(index); });
    }

private:
    bool sorted_;
};

class ReportListHandle : public Handle<ReportList, ReportView> {
public:
    using Handle::Handle;
    void setColumns(const std::vector<std::u16string> &headers) override {
        QStringList texts;
        for (const std::u16string &header : headers)
            texts.append(Q(header));
        w_->rows()->setHeaders(texts);
        const int idWidth = w_->fontMetrics().horizontalAdvance(kWidestId);
        for (int column = 0; column + 1 < int(texts.size()); ++column) {
            w_->setColumnWidth(column,
                               std::max(idWidth, w_->horizontalHeader()->sectionSizeHint(column)));
        }
    }
    void setSource(const RowSource *source) override { w_->rows()->setSource(source); }
    int rowCount() const override { return w_->rows()->rowCount(); }
    int columnCount() const override { return w_->rows()->columnCount(); }
    std::u16string cellText(int row, int column) const override { return U(w_->text(row, column)); }
    void reset() override { w_->rows()->reset(); }
    void rowsChanged(int first, int last) override { w_->rows()->changed(first, last); }
    std::vector<int> selectedRows() const override {
        const QList<int> rows = w_->selectedRowList();
        return {rows.begin(), rows.end()};
    }
    int currentRow() const override { return w_->currentIndex().row(); }
    void setSelection(const std::vector<int> &rows, int current) override {
        QItemSelection selection;
        // Runs of neighbouring rows as one range each: a jump to many rows stays one change.
        for (size_t i = 0; i < rows.size();) {
            size_t j = i;
            while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
                ++j;
            selection.select(w_->rows()->index(rows[i], 0), w_->rows()->index(rows[j], 0));
            i = j + 1;
        }
        QItemSelectionModel *model = w_->selectionModel();
        model->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (current < 0)
            model->clearCurrentIndex();
        else
            model->setCurrentIndex(w_->rows()->index(current, 0), QItemSelectionModel::NoUpdate);
    }
    void scrollTo(int row) override { w_->scrollTo(w_->rows()->index(row, 0)); }
    void setOnActivated(std::function<void(int)> activated) override {
        QObject::connect(w_, &ReportView::rowActivated, w_,
                         [activated](int row) { activated(row); });
    }
};

} // namespace

void RowModel::setHeaders(const QStringList &headers) {
    beginResetModel();
    headers_ = headers;
    endResetModel();
}

void RowModel::setSource(const RowSource *source) {
    beginResetModel();
    source_ = source;
    endResetModel();
}

void RowModel::reset() {
    beginResetModel();
    endResetModel();
}

void RowModel::changed(int first, int last) {
    if (last < first) return;
    emit dataChanged(index(first, 0), index(last, columnCount() - 1), {Qt::DisplayRole});
}

int RowModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !source_ ? 0 : source_->rowCount();
}

int RowModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant RowModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !source_ || !index.isValid()) return {};
    return Q(source_->cellText(index.row(), index.column()));
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) return {};
    if (role == Qt::DisplayRole) return headers_[section];
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

ReportView::ReportView(bool singleSelection, QWidget *parent)
    : QTableView(parent), model_(new RowModel(this)) {
    setModel(model_);
    setSelectionMode(singleSelection ? QAbstractItemView::SingleSelection
                                     : QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    // Tab leaves the list, as in any dialog, instead of moving between cells.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    // Rows of one height: the view places 40,000 of them without measuring any.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
    dim(true);
}

QString ReportView::text(int row, int column) const {
    return model_->data(model_->index(row, column), Qt::DisplayRole).toString();
}

QList<int> ReportView::selectedRowList() const {
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ReportView::mouseReleaseEvent(QMouseEvent *event) {
    // The view settles the selection on release (a click on empty space clears it there), so
    // the notification follows the base handling.
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit listClicked();
}

void ReportView::mouseDoubleClickEvent(QMouseEvent *event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) emit rowActivated(index.row());
}

void ReportView::keyPressEvent(QKeyEvent *event) {
    bool handled = false;
    emit keyDown(event->key(), &handled);
    if (handled) {
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid()) emit rowActivated(currentIndex().row());
    QTableView::keyPressEvent(event);
}

bool ReportView::viewportEvent(QEvent *event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    // The whole text of the cell under the pointer, which a narrow column cuts off.
    auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString shown = index.isValid() ? text(index.row(), index.column()) : QString();
    if (shown.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), shown, viewport(), visualRect(index));
    }
    return true;
}

void ReportView::focusInEvent(QFocusEvent *event) {
    dim(false);
    QTableView::focusInEvent(event);
}

void ReportView::focusOutEvent(QFocusEvent *event) {
    dim(true);
    QTableView::focusOutEvent(event);
}

// The selection drawn dimmed while the list lacks the focus, as desktop lists do: the user still
// sees which entry the form shows after clicking a button. The colours come from the palette the
// list inherits, so they follow the style.
void ReportView::dim(bool dimmed) {
    setPalette(QPalette());
    if (!dimmed) return;
    QPalette shades = palette();
    const QColor active = shades.color(QPalette::Active, QPalette::Highlight);
    QColor inactive = shades.color(QPalette::Inactive, QPalette::Highlight);
    // A style whose inactive selection looks like the active one gets it halfway to the
    // background.
    if (inactive == active) {
        const QColor base = shades.color(QPalette::Active, QPalette::Base);
        inactive = QColor((active.red() + base.red()) / 2, (active.green() + base.green()) / 2,
                          (active.blue() + base.blue()) / 2);
    }
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        shades.setColor(group, QPalette::Highlight, inactive);
        shades.setColor(group, QPalette::HighlightedText,
                        shades.color(QPalette::Inactive, QPalette::HighlightedText));
    }
    setPalette(shades);
}

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent) {
    // Once per run, before any tool asks about a box.
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(AccessibleComboBox);
        return true;
    }();
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void ComboBox::showPopup() {
    const QFontMetrics metrics = view()->fontMetrics();
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    const int margins =
        4 * metrics.averageCharWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    view()->setMinimumWidth(std::max(width(), widest + margins));
    QComboBox::showPopup();
}

std::unique_ptr<Control> MakeLabelHandle(QLabel *label) {
    return std::make_unique<LabelHandle>(label);
}
std::unique_ptr<Control> MakeButtonHandle(QPushButton *button) {
    return std::make_unique<ButtonHandle>(button);
}
std::unique_ptr<Control> MakeCheckBoxHandle(QCheckBox *box) {
    return std::make_unique<CheckBoxHandle>(box);
}
std::unique_ptr<Control> MakeEditHandle(QLineEdit *edit) {
    return std::make_unique<EditHandle>(edit);
}
std::unique_ptr<Control> MakeTextAreaHandle(QPlainTextEdit *area) {
    return std::make_unique<TextAreaHandle>(area);
}
std::unique_ptr<Control> MakeComboBoxHandle(ComboBox *box, bool sorted) {
    return std::make_unique<ComboBoxHandle>(box, sorted);
}
std::unique_ptr<Control> MakeReportListHandle(ReportView *view) {
    return std::make_unique<ReportListHandle>(view);
}

QWidget *WidgetOfHandle(const Control *control) {
    const auto *handle = dynamic_cast<const WidgetHandle *>(control);
    return handle ? handle->widget() : nullptr;
}

Key KeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_Home:
        return Key::Home;
    case Qt::Key_End:
        return Key::End;
    case Qt::Key_Delete:
        return Key::Delete;
    default:
        return Key::Other;
    }
}

} // namespace gui::qt
