#pragma once
// The Qt widgets behind the control handles, and the handles themselves. Tests reach the widgets
// through WidgetOf (qtwindow.h).

#include "gui/controls.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QTableView>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace gui::qt {

// The rows of a report list as Qt's model: texts asked of the source when drawn.
class RowModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RowModel(QObject *parent) : QAbstractTableModel(parent) {}

    void setHeaders(const QStringList &headers);
    void setSource(const RowSource *source);
    const RowSource *source() const { return source_; }

    // The source changed in these ways.
    void reset();
    void changed(int first, int last);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList headers_;
    const RowSource *source_ = nullptr;
};

// A list in report view over a RowModel: several rows selectable (or one), whole rows selected,
// grid lines, the selection dimmed while the list lacks the focus, a cell's whole text on hover.
class ReportView : public QTableView {
    Q_OBJECT

public:
    ReportView(bool singleSelection, QWidget *parent);

    RowModel *rows() const { return model_; }
    // The shown text of a cell; empty past the rows.
    QString text(int row, int column) const;
    QList<int> selectedRowList() const;

signals:
    // A left click in the rows' area, after it changed the selection.
    void listClicked();
    // A key pressed, before the list moves its selection; set *handled to keep it from doing so.
    void keyDown(int key, bool *handled);
    // A row double-clicked, or Enter pressed on the current row.
    void rowActivated(int row);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void dim(bool dimmed);

    RowModel *model_;
};

// An editable drop-down combo box that never takes typing as an item. Assistive tools read it by
// its accessible name whatever it shows, and reach its list with the items and its edit field.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent);

    // The list opens wide enough for its items, which may name things beside their IDs.
    void showPopup() override;
};

// The handles over the widgets, made by the window that creates the widgets.
std::unique_ptr<Control> MakeLabelHandle(QLabel *label);
std::unique_ptr<Control> MakeButtonHandle(QPushButton *button);
std::unique_ptr<Control> MakeCheckBoxHandle(QCheckBox *box);
std::unique_ptr<Control> MakeEditHandle(QLineEdit *edit);
std::unique_ptr<Control> MakeTextAreaHandle(QPlainTextEdit *area);
std::unique_ptr<Control> MakeComboBoxHandle(ComboBox *box, bool sorted);
std::unique_ptr<Control> MakeReportListHandle(ReportView *view);

// The widget behind a handle.
QWidget *WidgetOfHandle(const Control *control);

// Our key for a Qt key code.
Key KeyOf(int qtKey);

} // namespace gui::qt
