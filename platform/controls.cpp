#include "platform/controls.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>
#include <algorithm>

namespace platform {

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
        if (t == QAccessible::Value) return static_cast<QComboBox *>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override {
        if (name == showMenuAction()) {
            static_cast<QComboBox *>(widget())->showPopup();
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

} // namespace

ReportList::ReportList(QWidget *parent) : QTableWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    // Tab leaves the list, as in any dialog, instead of moving between cells.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
}

void ReportList::setColumns(const QStringList &headers) {
    setColumnCount(int(headers.size()));
    setHorizontalHeaderLabels(headers);
    const int idWidth = fontMetrics().horizontalAdvance(kWidestId);
    for (int column = 0; column + 1 < columnCount(); ++column) {
        setColumnWidth(column, std::max(idWidth, horizontalHeader()->sectionSizeHint(column)));
    }
}

void ReportList::insertTextRow(int row, const QStringList &texts) {
    insertRow(row);
    for (int column = 0; column < std::min(int(texts.size()), columnCount()); ++column) {
        setItem(row, column, new QTableWidgetItem(texts[column]));
    }
}

QString ReportList::text(int row, int column) const {
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void ReportList::setRowsHidden(const std::function<bool(int row)> &hidden) {
    // The header works out where a resized row stands for its repaint at every change, a pass
    // over all rows each time; without updates it leaves that to the view's one relayout after.
    QHeaderView *rows = verticalHeader();
    const bool updates = rows->updatesEnabled();
    rows->setUpdatesEnabled(false);
    for (int row = 0; row < rowCount(); ++row) {
        const bool hide = hidden(row);
        if (isRowHidden(row) != hide) setRowHidden(row, hide);
    }
    rows->setUpdatesEnabled(updates);
    viewport()->update();
}

QList<int> ReportList::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows()) {
        if (!isRowHidden(index.row())) rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ReportList::mouseReleaseEvent(QMouseEvent *event) {
    // The view settles the selection on release (a click on empty space clears it there), so
    // the notification follows the base handling.
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) emit listClicked();
}

void ReportList::mouseDoubleClickEvent(QMouseEvent *event) {
    QTableWidget::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) emit rowActivated(index.row());
}

void ReportList::keyPressEvent(QKeyEvent *event) {
    bool handled = false;
    emit keyDown(event->key(), &handled);
    if (handled) {
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && currentIndex().isValid() && !isRowHidden(currentRow()))
        emit rowActivated(currentRow());
    QTableWidget::keyPressEvent(event);
}

bool ReportList::viewportEvent(QEvent *event) {
    if (event->type() != QEvent::ToolTip) return QTableWidget::viewportEvent(event);
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

ComboBox::ComboBox(bool sorted, QWidget *parent) : QComboBox(parent), sorted_(sorted) {
    // Once per run, before any tool asks about a box.
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(AccessibleComboBox);
        return true;
    }();
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

int ComboBox::addString(const QString &text) {
    int index = count();
    if (sorted_) {
        // After the last item that does not sort after `text`: equal items keep their order.
        int low = 0;
        while (low < index) {
            int middle = (low + index) / 2;
            if (QString::compare(itemText(middle), text, Qt::CaseInsensitive) <= 0) {
                low = middle + 1;
            } else {
                index = middle;
            }
        }
    }
    insertItem(index, text);
    return index;
}

} // namespace platform
