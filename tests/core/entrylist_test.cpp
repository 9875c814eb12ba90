// The entry list pane on a bare report list: the fill from the registry texts, the pending new
// row, the jump, and the row upkeep the windows build on.

#include "core/document.h"
#include "core/entrylist.h"
#include "platform/controls.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

using platform::ReportList;

namespace {

// A pane on a list of its own that records which rows it was asked to show.
struct Pane {
    ReportList list;
    QList<int> shown;
    std::unique_ptr<EntryList> pane;

    explicit Pane(PendingNewRow *pending = nullptr) {
        EntryList::Options options;
        options.showRow = [this](int row) { shown.append(row); };
        options.pendingRow = pending;
        pane = std::make_unique<EntryList>(&list, options);
    }
    QStringList row(int r) const { return {list.text(r, 0), list.text(r, 1), list.text(r, 2)}; }
    void select(std::initializer_list<int> rows) {
        list.clearSelection();
        for (int r : rows) {
            list.selectionModel()->select(list.model()->index(r, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

// Three task forces, the second without a section and the third's comment borrowed from a later
// section because its own has no "Name=".
const std::string kList = "[TaskForces]\n0=A\n1=Missing\n;x\n2=NoName\n3=B";
const std::string kSections = "\n[A]\nName=Alpha\nGroup=-1\n\n[NoName]\n0=1,E1\n\n"
                              "[B]\nName=Beta\n0=2,E2\n";

} // namespace

class EntryListTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        ResetDocument();
        g_openedPath = u"/tmp/ai.ini";
    }

    void fillsOnceFromTheRegistryTexts();
    void fillWaitsForAnOpenFileAndMakesTheColumns();
    void headersAreMatchedAtLineStartsOnly();
    void showsTheLowestSelectedRowThenThePendingRow();
    void pendingRowComesOnceAtItsIndex();
    void pendingRowPastTheEndGoesLast();
    void jumpSelectsTheTargetOnly();
    void jumpToAnUnknownIdClearsEverything();
    void deletesTheSelectedRowsLowestFirst();
    void rowUpkeep();
    void selectionShowsOnlyWithTheFocus();
};

void EntryListTest::fillsOnceFromTheRegistryTexts() {
    Pane p;
    QVERIFY(p.pane->FillPending());
    QCOMPARE(p.pane->FillEntryList(kList, kSections), 6);
    QVERIFY(!p.pane->FillPending());
    QCOMPARE(p.list.rowCount(), 3);
    QCOMPARE(p.row(0),
             (QStringList{QStringLiteral("0"), QStringLiteral("A"), QStringLiteral("Alpha")}));
    QCOMPARE(p.row(1),
             (QStringList{QStringLiteral("2"), QStringLiteral("NoName"), QStringLiteral("Beta")}));
    QCOMPARE(p.row(2),
             (QStringList{QStringLiteral("3"), QStringLiteral("B"), QStringLiteral("Beta")}));
    QCOMPARE(p.pane->ids(),
             (QStringList{QStringLiteral("A"), QStringLiteral("NoName"), QStringLiteral("B")}));

    // A header line without any "Name=" after it gives no row; keys and IDs are not trimmed,
    // and narrow text goes through the code page (GBK "\xd6\xd0" is 中).
    Pane q;
    q.pane->FillEntryList("[ScriptTypes]\n 7 = S\n8=T\n", "[ S]\nName=\xd6\xd0\n[T]\n0=1,2\n");
    QCOMPARE(q.list.rowCount(), 1);
    QCOMPARE(q.row(0),
             (QStringList{QStringLiteral(" 7 "), QStringLiteral(" S"), QStringLiteral("中")}));
}

void EntryListTest::fillWaitsForAnOpenFileAndMakesTheColumns() {
    Pane p;
    g_openedPath = u"Nones";
    QVERIFY(!p.pane->FillPending());
    g_openedPath = u"None";
    QVERIFY(!p.pane->FillPending());

    // The fill makes the columns when no activation did; making them again changes nothing.
    QCOMPARE(p.list.columnCount(), 0);
    p.pane->FillRows("x=1\ny", [](std::string_view line) -> std::optional<QStringList> {
        if (line.find('=') == std::string_view::npos) return std::nullopt;
        return QStringList{QString::fromLatin1(line.data(), qsizetype(line.size()))};
    });
    QCOMPARE(p.list.columnCount(), 3);
    QCOMPARE(p.list.horizontalHeaderItem(0)->text(), QStringLiteral("注册序号"));
    QCOMPARE(p.list.horizontalHeaderItem(2)->text(), QStringLiteral("注释"));
    QCOMPARE(p.list.columnWidth(1), 100);
    p.pane->MakeColumns();
    QCOMPARE(p.list.rowCount(), 1);
    QCOMPARE(p.list.text(0, 0), QStringLiteral("x=1"));
}

void EntryListTest::headersAreMatchedAtLineStartsOnly() {
    // "[A]" inside a value is no header; the real one's Name comes after it.
    Pane p;
    p.pane->FillEntryList("[TaskForces]\n0=A\n", "[Z]\nName=see [A]\n[A]\nName=Real\n");
    QCOMPARE(p.row(0)[2], QStringLiteral("Real"));
}

void EntryListTest::showsTheLowestSelectedRowThenThePendingRow() {
    PendingNewRow pending;
    Pane p(&pending);
    p.pane->FillEntryList(kList, kSections);
    p.select({2, 1});
    pending = {3, true, u"New"};
    p.pane->ShowSelectedEntry();
    QCOMPARE(p.shown, QList<int>{1});
    QCOMPARE(p.list.rowCount(), 4);

    // Nothing selected: nothing shown, but the pending row still comes.
    p.list.clearSelection();
    pending = {0, true, u"First"};
    p.pane->ShowSelectedEntry();
    QCOMPARE(p.shown, QList<int>{1});
    QCOMPARE(p.pane->idOf(0), QStringLiteral("First"));
}

void EntryListTest::pendingRowComesOnceAtItsIndex() {
    PendingNewRow pending;
    Pane p(&pending);
    p.pane->FillEntryList(kList, kSections);
    g_startNumber = 10;
    pending = {3, true, u"TF_NEW"};
    p.pane->AppendPendingRow();
    p.pane->AppendPendingRow();
    QCOMPARE(p.list.rowCount(), 4);
    QCOMPARE(p.row(3), (QStringList{QStringLiteral("13"), QStringLiteral("TF_NEW"),
                                    QStringLiteral("Drumo")}));
    QCOMPARE(pending.rowIndex, 4);
    QVERIFY(!pending.pending);
}

void EntryListTest::pendingRowPastTheEndGoesLast() {
    // New pressed with five rows, two deleted before the entry was confirmed.
    PendingNewRow pending{5, true, u"Late"};
    Pane p(&pending);
    p.pane->FillEntryList(kList, kSections);
    p.pane->AppendPendingRow();
    QCOMPARE(p.list.rowCount(), 4);
    QCOMPARE(p.row(3),
             (QStringList{QStringLiteral("5"), QStringLiteral("Late"), QStringLiteral("Drumo")}));
}

void EntryListTest::jumpSelectsTheTargetOnly() {
    Pane p;
    p.pane->FillEntryList(kList + "\n4=A", kSections);
    p.select({1});
    bool jump = true;
    p.pane->JumpToEntry(jump, u"A");
    QVERIFY(!jump);
    QCOMPARE(p.list.selectedRows(), (QList<int>{0, 3}));
    QCOMPARE(p.shown, (QList<int>{0, 3}));
    QCOMPARE(p.list.currentRow(), 3);

    // Without the flag nothing happens; matching is exact and case-sensitive.
    p.pane->JumpToEntry(jump, u"B");
    QCOMPARE(p.list.selectedRows(), (QList<int>{0, 3}));
    jump = true;
    p.pane->JumpToEntry(jump, u"a");
    QVERIFY(p.list.selectedRows().isEmpty());
}

void EntryListTest::jumpToAnUnknownIdClearsEverything() {
    Pane p;
    p.pane->FillEntryList(kList, kSections);
    p.select({0, 2});
    p.list.setCurrentCell(2, 0, QItemSelectionModel::NoUpdate);
    bool jump = true;
    p.pane->JumpToEntry(jump, u"Nowhere");
    QVERIFY(p.list.selectedRows().isEmpty());
    QCOMPARE(p.list.currentRow(), -1);
    QVERIFY(p.shown.isEmpty());
    QVERIFY(!jump);
}

void EntryListTest::deletesTheSelectedRowsLowestFirst() {
    Pane p;
    p.pane->FillEntryList("[T]\n0=a\n1=b\n2=c\n3=d\n4=e", "[a]\nName=\n[b]\nName=\n[c]\nName=\n"
                                                          "[d]\nName=\n[e]\nName=\n");
    p.select({3, 1, 4});
    QStringList seen;
    p.pane->DeleteSelectedRows(
        [&](int row) { seen << QStringLiteral("%1:%2").arg(row).arg(p.pane->idOf(row)); });
    QCOMPARE(seen,
             (QStringList{QStringLiteral("1:b"), QStringLiteral("2:d"), QStringLiteral("2:e")}));
    QCOMPARE(p.pane->ids(), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    p.pane->DeleteSelectedRows(); // nothing selected: nothing goes
    QCOMPARE(p.pane->rowCount(), 2);
}

void EntryListTest::rowUpkeep() {
    Pane p;
    p.pane->FillEntryList(kList, kSections);
    p.pane->Renumber(100);
    QCOMPARE(p.row(2)[0], QStringLiteral("102"));

    p.pane->SetComment(QStringLiteral("B"), QStringLiteral("Gamma"));
    QCOMPARE(p.pane->commentOf(2), QStringLiteral("Gamma"));
    QCOMPARE(p.pane->commentOf(1), QStringLiteral("Beta"));

    p.pane->SetRow(1, {QStringLiteral("7"), QStringLiteral("X")});
    QCOMPARE(p.row(1),
             (QStringList{QStringLiteral("7"), QStringLiteral("X"), QStringLiteral("Beta")}));
    p.pane->SetRow(3, {QStringLiteral("8"), QStringLiteral("Y"), QStringLiteral("y")});
    QCOMPARE(p.pane->rowCount(), 4);
    QCOMPARE(p.row(3)[1], QStringLiteral("Y"));
    QCOMPARE(p.pane->firstSelectedRow(), -1);
}

void EntryListTest::selectionShowsOnlyWithTheFocus() {
    QWidget window;
    Pane p;
    p.list.setParent(&window);
    QLineEdit other(&window);
    other.move(0, 200);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto highlight = [&p] { return p.list.palette().color(QPalette::Active, QPalette::Highlight); };
    const QColor base = p.list.palette().color(QPalette::Active, QPalette::Base);

    other.setFocus();
    QCOMPARE(highlight(), base);
    p.list.setFocus();
    QVERIFY(highlight() != base);
    other.setFocus();
    QCOMPARE(highlight(), base);
}

QTEST_MAIN(EntryListTest)
#include "entrylist_test.moc"
