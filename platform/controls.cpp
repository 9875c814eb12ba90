#include "platform/controls.h"

#include <QAccessibleWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace platform {

namespace {

constexpr int kColumnWidth = 100;

// What assistive tools read of a combo box: its label's text as the name, whatever the box shows,
// and what it shows as the value. Qt's own reading on some systems names the box by its text,
// which changes with every entry shown.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

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
    horizontalHeader()->setStretchLastSection(false);
}

void ReportList::setColumns(const QStringList &headers) {
    setColumnCount(int(headers.size()));
    setHorizontalHeaderLabels(headers);
    for (int column = 0; column < columnCount(); ++column) {
        setColumnWidth(column, kColumnWidth);
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

QList<int> ReportList::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedRows()) {
        rows.append(index.row());
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

void ReportList::keyPressEvent(QKeyEvent *event) {
    bool handled = false;
    emit keyDown(event->key(), &handled);
    if (handled) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
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
