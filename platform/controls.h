#pragma once
// Controls whose behaviour the windows rely on beyond what the plain Qt widgets do.

#include <QComboBox>
#include <QList>
#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace platform {

// A list in report view: columns with headers, several rows selectable, whole rows selected,
// grid lines. Rows stay in the order they were inserted; a click on a header does nothing. Rows
// may be hidden (a filter): a hidden row counts as never selected. A cell shows its whole text
// on hover.
class ReportList : public QTableWidget {
    Q_OBJECT

public:
    explicit ReportList(QWidget *parent = nullptr);

    // Makes one left-aligned column per header: each but the last wide enough for its header and
    // for a ten-character ID, the last taking the width that is left.
    void setColumns(const QStringList &headers);
    // Inserts a row at `row` holding `texts`, one per column from the first.
    void insertTextRow(int row, const QStringList &texts);
    // The text of a cell; empty for a cell that holds none.
    QString text(int row, int column) const;
    // Hides each row for which `hidden(row)` is true and shows the others, in one pass.
    void setRowsHidden(const std::function<bool(int row)> &hidden);
    // Indices of the selected rows that are not hidden, lowest first.
    QList<int> selectedRows() const;

signals:
    // A left click anywhere in the rows' area, after the click has changed the selection; a click
    // below the last row has cleared it.
    void listClicked();
    // A key pressed in the list, before the list moves its selection for it. A receiver that
    // sets *handled keeps the list from handling the key itself.
    void keyDown(int key, bool *handled);
    // A row double-clicked, or Enter pressed on the current row.
    void rowActivated(int row);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;
};

// An editable drop-down combo box. Typing never adds an item; with `sorted`, addString keeps
// the list in order (case-insensitive), otherwise it appends. Assistive tools read it by its
// accessible name whatever it shows, and reach its list with the items and its edit field as
// its children.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(bool sorted, QWidget *parent = nullptr);

    // Adds an item where the list's order puts it; returns its index.
    int addString(const QString &text);

private:
    bool sorted_;
};

} // namespace platform
