// The entry list pane on a bare report list: what the windows' own tests do not reach (the
// comment lookup's corners, two-column lists, duplicate IDs, the row upkeep of the team and
// trigger windows, the selection dimmed without the focus).

#include "core/document.h"
#include "core/windowsignals.h"
#include "platform/controls.h"
#include "platform/widetext.h"
#include "support/testdocument.h"
#include "ui/entrylist.h"

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

    explicit Pane(EntryList::Options options = {}) {
        options.showRow = [this](int row) { shown.append(row); };
        pane = std::make_unique<EntryList>(&list, doc, options);
    }
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
    QCOMPARE(p.list.columnCount(), 3); // made by the fill, no activation came first
    QCOMPARE(p.list.rowCount(), 3);
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
    QCOMPARE(p.list.rowCount(), 7);
    QCOMPARE(p.row(4), L({"14", "N1", "Drumo"}));
    QCOMPARE(p.row(6), L({"16", "N3", "Drumo"}));
    QVERIFY(pending.laterIds.empty());
    p.pane->AppendPendingRow();
    QCOMPARE(p.list.rowCount(), 7);

    // Both rows of a duplicated ID are selected and shown; the last one is current.
    p.select({1});
    bool jump = false;
    p.pane->JumpToEntry(jump, u"A");
    QCOMPARE(p.list.selectedRows(), QList<int>{1}); // no request, no jump
    jump = true;
    p.pane->JumpToEntry(jump, u"A");
    QCOMPARE(p.list.selectedRows(), (QList<int>{0, 2}));
    QCOMPARE(p.shown, (QList<int>{0, 2}));
    QCOMPARE(p.list.currentRow(), 2);
    QVERIFY(!jump);
}

void EntryListTest::rowUpkeep() {
    // Two columns with the ID first, as the trigger window has them.
    Pane p({.headers = L({"注册名称", "注释"}), .idColumn = 0});
    p.pane->FillRows("x=1\nno row\ny=2\nz=3", [](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return std::optional<QStringList>();
        return std::optional(QStringList{platform::WideText(line.substr(0, equals)),
                                         platform::WideText(line.substr(equals + 1))});
    });
    QCOMPARE(p.pane->ids(), L({"x", "y", "z"}));
    QCOMPARE(p.pane->commentOf(1), QStringLiteral("2"));

    p.pane->SetComment(QStringLiteral("y"), QStringLiteral("two"));
    QCOMPARE(p.pane->commentOf(1), QStringLiteral("two"));
    p.pane->SetRow(1, L({"w"}));
    QCOMPARE(p.pane->idOf(1), QStringLiteral("w"));
    QCOMPARE(p.pane->commentOf(1), QStringLiteral("two"));
    p.pane->SetRow(3, L({"v", "5"}));
    QCOMPARE(p.pane->ids(), L({"x", "w", "z", "v"}));

    // Each deleted row is seen at its index of the moment, lowest first.
    p.select({3, 1, 2});
    QStringList seen;
    p.pane->DeleteSelectedRows(
        [&](int row) { seen << QStringLiteral("%1:%2").arg(row).arg(p.pane->idOf(row)); });
    QCOMPARE(seen, L({"1:w", "1:z", "1:v"}));
    QCOMPARE(p.pane->ids(), L({"x"}));
    QCOMPARE(p.pane->firstSelectedRow(), -1);

    Pane q;
    q.pane->FillEntryList("[T]\n7=A\n9=B\n", "[A]\nName=a\n[B]\nName=b\n");
    q.pane->Renumber(100);
    QCOMPARE(q.list.text(1, 0), QStringLiteral("101"));
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
