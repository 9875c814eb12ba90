// The entry list pane on a bare report list: what the windows' own tests do not reach (the
// comment lookup's corners, two-column lists, duplicate IDs, the row upkeep of the team and
// trigger windows, the selection dimmed without the focus).

#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qttext.h"
#include "support/testdocument.h"
#include "ui/entrylist.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

using gui::qt::Q;
using gui::qt::ReportView;

namespace {

// A pane on a list of its own that records which rows it was asked to show.
struct Pane {
    ReportView list{false, nullptr};
    std::unique_ptr<gui::Control> handle = gui::qt::MakeReportListHandle(&list);
    QList<int> shown;
    std::unique_ptr<EntryList> pane;

    explicit Pane(EntryList::Options options = {}) {
        options.showRow = [this](int row) { shown.append(row); };
        pane = std::make_unique<EntryList>(dynamic_cast<gui::ReportList *>(handle.get()), doc,
                                           options);
    }
    int rowCount() const { return list.model()->rowCount(); }
    QStringList row(int r) const { return {list.text(r, 0), list.text(r, 1), list.text(r, 2)}; }
    void select(std::initializer_list<int> rows) {
        for (int r : rows) {
            list.selectionModel()->select(list.model()->index(r, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

QStringList L(std::initializer_list<const char *> texts) {
    QStringList list;
    for (const char *text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QStringList L(const std::vector<std::u16string> &texts) {
    QStringList list;
    for (const std::u16string &text : texts)
        list << Q(text);
    return list;
}

} // namespace

class EntryListTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetTestDocument();
        doc.openedPath = u"/tmp/ai.ini";
    }
    void fillsFromTheRegistryTexts();
    void pendingRowAndJump();
    void rowUpkeep();
    void selectionIsDimmedWithoutTheFocus();
};

void EntryListTest::fillsFromTheRegistryTexts() {
    Pane p;
    QVERIFY(p.pane->FillPending());
    // Missing: no section, no row. NoName: no "Name=" of its own, so it takes the next one,
    // which is B's. "[A]" inside Z's value is no header. Keys and IDs are not trimmed, and the
    // narrow text goes through the code page (GBK "\xd6\xd0" is 中).
    const int lines = p.pane->FillEntryList(
        "[TaskForces]\n0=A\n1=Missing\n;x\n2=NoName\n 3 = B\n4=Last",
        "[Z]\nName=see [A]\n[A]\nName=\xd6\xd0\n[NoName]\n0=1,E\n[ B]\nName=Beta\n[Last]\n0=1\n");
    QCOMPARE(lines, 7);
    QCOMPARE(p.list.model()->columnCount(), 3); // made by the fill, no activation came first
    QCOMPARE(p.rowCount(), 3);
    QCOMPARE(p.row(0), L({"0", "A", "中"}));
    QCOMPARE(p.row(1), L({"2", "NoName", "Beta"}));
    QCOMPARE(p.row(2), L({" 3 ", " B", "Beta"}));
    QVERIFY(!p.pane->FillPending());

    doc.openedPath = u"Nones";
    QVERIFY(!Pane().pane->FillPending());
}

void EntryListTest::pendingRowAndJump() {
    // New pressed with five rows, two of them deleted before the entry was confirmed.
    PendingNewRow pending{5, true, u"Late"};
    Pane p({.pendingRow = &pending});
    p.pane->FillEntryList("[T]\n0=A\n1=B\n2=A\n", "[A]\nName=a\n[B]\nName=b\n");
    doc.startNumber = 10;
    p.pane->AppendPendingRow();
    QCOMPARE(p.row(3), L({"15", "Late", "Drumo"}));
    QCOMPARE(pending.rowIndex, 6);

    // Entries created one after another before the first got its row each get one, in order.
    pending = {4, true, u"N1", {u"N2", u"N3"}};
    p.pane->AppendPendingRow();
    QCOMPARE(p.rowCount(), 7);
    QCOMPARE(p.row(4), L({"14", "N1", "Drumo"}));
    QCOMPARE(p.row(6), L({"16", "N3", "Drumo"}));
    QVERIFY(pending.laterIds.empty());
    p.pane->AppendPendingRow();
    QCOMPARE(p.rowCount(), 7);

    // Both rows of a duplicated ID are selected and shown; the last one is current.
    p.select({1});
    bool jump = false;
    p.pane->JumpToEntry(jump, u"A");
    QCOMPARE(p.list.selectedRowList(), QList<int>{1}); // no request, no jump
    jump = true;
    p.pane->JumpToEntry(jump, u"A");
    QCOMPARE(p.list.selectedRowList(), (QList<int>{0, 2}));
    QCOMPARE(p.shown, (QList<int>{0, 2}));
    QCOMPARE(p.list.currentIndex().row(), 2);
    QVERIFY(!jump);
}

void EntryListTest::rowUpkeep() {
    // Two columns with the ID first, as the trigger window has them.
    Pane p({.headers = {u"注册名称", u"注释"}, .idColumn = 0});
    p.pane->FillRows("x=1\nno row\ny=2\nz=3", [](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::optional<EntryList::Cells>();
        return std::optional(
            EntryList::Cells{ToWide(line.substr(0, equals)), ToWide(line.substr(equals + 1))});
    });
    QCOMPARE(L(p.pane->ids()), L({"x", "y", "z"}));
    QCOMPARE(Q(p.pane->commentOf(1)), QStringLiteral("2"));

    p.pane->SetComment(u"y", u"two");
    QCOMPARE(Q(p.pane->commentOf(1)), QStringLiteral("two"));
    QCOMPARE(p.list.text(1, 1), QStringLiteral("two"));
    p.pane->SetCell(1, 0, u"w");
    p.pane->CellsChanged();
    QCOMPARE(Q(p.pane->idOf(1)), QStringLiteral("w"));
    QCOMPARE(Q(p.pane->commentOf(1)), QStringLiteral("two"));
    QCOMPARE(p.list.text(1, 0), QStringLiteral("w"));
    p.pane->InsertRow(3, {u"v", u"5"});
    QCOMPARE(L(p.pane->ids()), L({"x", "w", "z", "v"}));

    // Each deleted row is seen at its index of the moment, lowest first.
    p.select({3, 1, 2});
    QStringList seen;
    p.pane->DeleteSelectedRows(
        [&](int row) { seen << QStringLiteral("%1:%2").arg(row).arg(Q(p.pane->idOf(row))); });
    QCOMPARE(seen, L({"1:w", "1:z", "1:v"}));
    QCOMPARE(L(p.pane->ids()), L({"x"}));
    QCOMPARE(p.pane->firstSelectedRow(), -1);
    QCOMPARE(p.rowCount(), 1);

    Pane q;
    q.pane->FillEntryList("[T]\n7=A\n9=B\n", "[A]\nName=a\n[B]\nName=b\n");
    q.pane->Renumber(100);
    QCOMPARE(q.list.text(1, 0), QStringLiteral("101"));
    // The team window's rows after a change of the team texts: selected rows stay by index.
    q.select({1});
    q.pane->ReplaceRows({{u"5", u"A", u"a"}, {u"6", u"C", u"c"}, {u"7", u"D", u"d"}});
    QCOMPARE(q.row(1), L({"6", "C", "c"}));
    QCOMPARE(q.pane->selectedRows(), std::vector<int>{1});
}

void EntryListTest::selectionIsDimmedWithoutTheFocus() {
    QWidget window;
    Pane p;
    p.list.setParent(&window);
    QLineEdit other(&window);
    other.move(0, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto highlight = [&p] { return p.list.palette().color(QPalette::Active, QPalette::Highlight); };
    const QColor focused = window.palette().color(QPalette::Active, QPalette::Highlight);
    const QColor base = window.palette().color(QPalette::Active, QPalette::Base);

    other.setFocus();
    const QColor dimmed = highlight();
    QVERIFY(dimmed != focused);
    QVERIFY(dimmed != base);
    p.list.setFocus();
    QCOMPARE(highlight(), focused);
    other.setFocus();
    QCOMPARE(highlight(), dimmed);
}

QTEST_MAIN(EntryListTest)
#include "entrylist_test.moc"
