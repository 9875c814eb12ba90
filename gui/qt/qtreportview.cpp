#include "gui/qt/qtreportview.h"
#include "gui/qt/qttext.h"

#include "res/text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace gui::qt {

using platform::Answer;
using platform::Buttons;
using platform::MessageBoxRequest;
using platform::ReportTable;

namespace {

// Where a table row keeps its index in the request's rows, which sorting does not move.
constexpr int kRowRole = Qt::UserRole;

// The findings of a report: sortable by any column, a double-click or Enter on a row tells the
// report's owner.
class FindingsTable : public QTableWidget {
public:
    explicit FindingsTable(QWidget *parent) : QTableWidget(parent) {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setWordWrap(false);
        setTabKeyNavigation(false);
        verticalHeader()->hide();
        horizontalHeader()->setStretchLastSection(true);
        horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(this, &QTableWidget::itemDoubleClicked, this,
                [this](QTableWidgetItem *item) { activate(item->row()); });
    }

    void fill(const ReportTable &table) {
        activated_ = table.activated;
        setSortingEnabled(false);
        clear();
        QStringList headers;
        for (const std::u16string &header : table.headers)
            headers.append(QString::fromStdU16String(header));
        setColumnCount(int(headers.size()));
        setHorizontalHeaderLabels(headers);
        setAccessibleName(Q(res::Str("report.findings")));
        setRowCount(int(table.rows.size()));
        for (int row = 0; row < rowCount(); ++row) {
            const std::vector<std::u16string> &cells = table.rows[size_t(row)];
            for (int column = 0; column < std::min(int(cells.size()), columnCount()); ++column) {
                auto *item = new QTableWidgetItem(QString::fromStdU16String(cells[size_t(column)]));
                item->setData(kRowRole, row);
                item->setToolTip(item->text());
                setItem(row, column, item);
            }
        }
        resizeColumnsToContents();
        setSortingEnabled(true);
        sortItems(-1);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && currentRow() >= 0) {
            activate(currentRow());
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

private:
    void activate(int shownRow) {
        const QTableWidgetItem *cell = item(shownRow, 0);
        if (cell && activated_) activated_(size_t(cell->data(kRowRole).toInt()));
    }

    std::function<void(size_t)> activated_;
};

// The report's content: the text alone, or the table's summary above its rows.
struct ReportContent {
    QPlainTextEdit *text;
    FindingsTable *table;

    void show(const std::u16string &text, const ReportTable &findings) const {
        const bool hasTable = !findings.headers.empty();
        this->text->setPlainText(QString::fromStdU16String(hasTable ? findings.summary : text));
        table->setVisible(hasTable);
        if (hasTable) table->fill(findings);
    }
};

ReportContent BuildReport(QDialog &dialog, const MessageBoxRequest &request) {
    dialog.setWindowTitle(QString::fromStdU16String(request.caption));
    dialog.resize(820, 600);
    auto *layout = new QVBoxLayout(&dialog);
    auto *view = new QPlainTextEdit(&dialog);
    view->setReadOnly(true);
    view->setAccessibleName(dialog.windowTitle());
    layout->addWidget(view, 2);
    auto *table = new FindingsTable(&dialog);
    layout->addWidget(table, 3);
    ReportContent content{view, table};
    content.show(request.text, request.table);
    return content;
}

// One check window at a time: a second request fills the open one again.
QPointer<QDialog> g_modelessReport;

Answer ShowModeless(const MessageBoxRequest &request, QWidget *parent) {
    if (g_modelessReport) g_modelessReport->close();
    auto *dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const ReportContent content = BuildReport(*dialog, request);
    auto *buttons = new QDialogButtonBox(dialog);
    QPushButton *refresh =
        buttons->addButton(Q(res::Str("button.refresh")), QDialogButtonBox::ActionRole);
    buttons->addButton(Q(res::Str("button.close")), QDialogButtonBox::RejectRole);
    QObject::connect(refresh, &QPushButton::clicked, dialog,
                     [content, again = request.refresh] { content.show({}, again()); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    dialog->layout()->addWidget(buttons);
    g_modelessReport = dialog;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    return Answer::Ok;
}

} // namespace

Answer ShowReportView(const MessageBoxRequest &request, QWidget *parent) {
    if (request.refresh) return ShowModeless(request, parent);
    QDialog dialog(parent);
    BuildReport(dialog, request);

    auto *buttons = new QDialogButtonBox(&dialog);
    const bool askSave = request.buttons == Buttons::SaveCancel;
    if (askSave) {
        buttons->addButton(Q(res::Str("button.save")), QDialogButtonBox::AcceptRole);
        buttons->addButton(Q(res::Str("button.cancel")), QDialogButtonBox::RejectRole);
    } else {
        buttons->addButton(Q(res::Str("button.close")), QDialogButtonBox::RejectRole);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.layout()->addWidget(buttons);
    // The first button takes Enter; Escape and the close box reject.
    buttons->buttons().constFirst()->setFocus();

    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (!askSave) return Answer::Ok;
    return accepted ? Answer::Save : Answer::Cancel;
}

} // namespace gui::qt
