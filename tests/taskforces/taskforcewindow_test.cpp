// The task force window driven through its widgets: the list pane's events, Save, Delete and
// New, and a whole session from Open to Save and back. Tidy's cases are in entrytext_test.

#include "taskforces/taskforcewindow.h"

#include "app/opensave.h"
#include "core/document.h"
#include "core/initext.h"
#include "core/windowsignals.h"
#include "gui/layout.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtwindow.h"
#include "newentry/newentry.h"
#include "res/entrytextdialogs.h"
#include "support/testeditor.h"
#include "support/testsupport.h"
#include "support/windowtest.h"
#include "ui/editorwindows.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

using gui::qt::ReportView;
using gui::qt::WidgetOf;
using gui::qt::WindowOf;

namespace {

// Ten task forces TF0 … TF9, each with a comment and two members.
void LoadTenTaskForces() {
    doc.taskForceListText = "[TaskForces]\n";
    doc.taskForceSectionsText = "\n";
    for (int i = 0; i < 10; ++i) {
        const std::string id = "TF" + std::to_string(i);
        doc.taskForceListText += std::to_string(i) + "=" + id + "\n";
        doc.taskForceSectionsText +=
            "[" + id + "]\nName=name" + std::to_string(i) + "\nGroup=-1\n0=1,E\n1=2,F\n\n";
    }
}

QString Q(const std::string &utf8) { return QString::fromUtf8(utf8); }

// "TF0" … "TF<count - 1>".
QStringList IdsOf(int count) {
    QStringList ids;
    for (int i = 0; i < count; ++i)
        ids << QStringLiteral("TF%1").arg(i);
    return ids;
}

// A dialog that records being hidden and shown, standing in for the new entry dialog.
class RecordingDialog : public gui::Dialog {
public:
    RecordingDialog() : gui::Dialog(res::kIdAboutDialog) {}
    QStringList events;

protected:
    void onShowOrHide(bool shown) override { events << Q(shown ? "show" : "hide"); }
};

} // namespace

class TaskForceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::UseQtBackend(); }
    void init();
    void cleanup() { window.reset(); }

    void fillsOnceAndOnlyWithAFileOpen();
    void showsTheRowSelectedBeforeTheEvent();
    void clickBelowTheRowsKeepsTheFields();
    void pendingRowComesWithTheFirstMouseMove();
    void jumpSelectsTheTargetOnly();
    void saveReplacesTheSectionAndTheComment();
    void saveRefusesAndSaysWhy();
    void deleteRebuildsBothTexts();
    void filterHidesRowsAndDeleteTakesOnlyShownOnes();
    void newPreparesThePendingRowAndTheDialog();
    void wholeSessionFromOpenToReopen();

private:
    void showWindow();
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {});
    void click(int buttonId) { QTest::mouseClick(WidgetOf(*window, buttonId), Qt::LeftButton); }
    void moveOverSurface();
    // The rows the list shows.
    int rowCount() const { return list->model()->rowCount(); }
    QString title() const { return WidgetOf<QLabel>(*window, res::kIdTaskForceTitle)->text(); }
    QString text() const {
        return WidgetOf<QPlainTextEdit>(*window, res::kIdTaskForceText)->toPlainText();
    }
    void setText(const std::string &utf8) {
        WidgetOf<QPlainTextEdit>(*window, res::kIdTaskForceText)->setPlainText(Q(utf8));
    }

    std::unique_ptr<CTaskForces> window;
    ReportView *list = nullptr;
};

void TaskForceWindowTest::init() {
    ResetTestDocument();
    doc.openedPath = u"/tmp/ai.ini";
    LoadTenTaskForces();
    window = std::make_unique<CTaskForces>(model);
    list = WidgetOf<ReportView>(*window, res::kIdTaskForceList);
}

void TaskForceWindowTest::showWindow() {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(WindowOf(*window)));
}

void TaskForceWindowTest::clickRow(int row, Qt::KeyboardModifiers modifiers) {
    const QPoint center = list->visualRect(list->model()->index(row, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, center);
}

void TaskForceWindowTest::moveOverSurface() { testsupport::MoveOverSurface(*window); }

void TaskForceWindowTest::fillsOnceAndOnlyWithAFileOpen() {
    // Hidden, the window has its size already: the main window places it by that size, which is
    // also its minimum.
    const res::DialogTemplate *dialog = res::FindDialog(res::kIdTaskForceDialog);
    gui::qt::Window *frame = WindowOf(*window);
    const gui::BaseUnits units = frame->baseUnits();
    const gui::Rect pixels = gui::DialogUnitsToPixels({0, 0, dialog->width, dialog->height}, units);
    const QSize size(pixels.width, pixels.height);
    QCOMPARE(frame->size(), size);
    QCOMPARE(frame->minimumSizeHint(), size);

    doc.openedPath = u"None";
    showWindow();
    QCOMPARE(rowCount(), 0);
    window->hide();

    doc.openedPath = u"/tmp/ai.ini";
    window->show();
    QCOMPARE(rowCount(), 10);
    window->hide();
    window->show();
    QCOMPARE(rowCount(), 10);
    QCOMPARE(list->model()->columnCount(), 3);
    QCOMPARE(list->text(9, 0), Q("9"));
    QCOMPARE(list->text(9, 2), Q("name9"));
    QVERIFY(window->caption() == u"派遣部队窗口");
    QCOMPARE(title(), Q("我是标题!!!"));

    // Grown, each control follows the edges its anchor names: the list the height, the text
    // both ways, the buttons below it the bottom, 关闭窗口 the bottom right corner.
    frame->resize(size + QSize(200, 100));
    QCoreApplication::processEvents();
    const struct {
        int id;
        QRect moved; // x, y, width, height: by how much each grew
    } anchored[] = {
        {res::kIdTaskForceList, {0, 0, 0, 100}}, {res::kIdTaskForceText, {0, 0, 200, 100}},
        {res::kIdTaskForceSave, {0, 100, 0, 0}}, {res::kIdTaskForceClose, {200, 100, 0, 0}},
        {res::kIdTaskForceFilter, {0, 0, 0, 0}}, {res::kIdTaskForceUsage, {0, 100, 200, 0}},
    };
    for (const auto &[id, moved] : anchored) {
        const res::Control *control = nullptr;
        for (const res::Control &c : dialog->controls)
            if (c.id == id) control = &c;
        const gui::Rect place = gui::DialogUnitsToPixels(control->rect, units);
        const QRect at(place.x, place.y, place.width, place.height);
        const QRect now = WidgetOf(*window, id)->geometry();
        QCOMPARE(now.topLeft() - at.topLeft(), moved.topLeft());
        QCOMPARE(now.size() - at.size(), moved.size());
    }
    window->hide();
    frame->resize(size);
}

void TaskForceWindowTest::showsTheRowSelectedBeforeTheEvent() {
    showWindow();
    clickRow(3);
    QCOMPARE(title(), Q("TF3"));
    QCOMPARE(text(), Q("[TF3]\nName=name3\nGroup=-1\n0=1,E\n1=2,F\n"));
    QCOMPARE(WidgetOf(*window, res::kIdTaskForceText)->accessibleName(), Q("派遣部队内容"));

    // A key shows the row selected before the key moves the selection.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->selectedRowList(), QList<int>{4});
    QCOMPARE(title(), Q("TF3"));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(title(), Q("TF4"));

    // With several rows selected, the lowest one is shown.
    clickRow(2);
    clickRow(5, Qt::ControlModifier);
    QCOMPARE(list->selectedRowList(), (QList<int>{2, 5}));
    QCOMPARE(title(), Q("TF2"));
}

void TaskForceWindowTest::clickBelowTheRowsKeepsTheFields() {
    // Only two rows, so there is room below them.
    doc.taskForceListText = "[TaskForces]\n0=TF0\n1=TF1\n";
    showWindow();
    clickRow(1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(20, list->viewport()->height() - 3));
    QVERIFY(list->selectedRowList().isEmpty());
    QCOMPARE(title(), Q("TF1"));
    QVERIFY(text().startsWith(Q("[TF1]")));
}

void TaskForceWindowTest::pendingRowComesWithTheFirstMouseMove() {
    showWindow();
    doc.startNumber = 0;
    g_taskForcePendingRow = {10, true, u"TF_NEW"};
    QTest::mouseMove(WidgetOf(*window, res::kIdTaskForceText));
    QCOMPARE(rowCount(), 10); // over a control: not the window's surface
    moveOverSurface();
    QCOMPARE(rowCount(), 11);
    QCOMPARE((QStringList{list->text(10, 0), list->text(10, 1), list->text(10, 2)}),
             (QStringList{Q("10"), Q("TF_NEW"), Q("Drumo")}));
    moveOverSurface();
    clickRow(0);
    QCOMPARE(rowCount(), 11);

    // A click brings it too.
    g_taskForcePendingRow.newId = u"TF_CLICK";
    g_taskForcePendingRow.pending = true;
    clickRow(0);
    QCOMPARE(list->text(11, 1), Q("TF_CLICK"));
}

void TaskForceWindowTest::jumpSelectsTheTargetOnly() {
    showWindow();
    clickRow(1);
    clickRow(2, Qt::ControlModifier);
    window->hide();
    g_taskForceJumpTarget = u"TF7";
    g_taskForceJumpPending = true;
    window->show();
    QCOMPARE(list->selectedRowList(), QList<int>{7});
    QCOMPARE(title(), Q("TF7"));
    QVERIFY(text().startsWith(Q("[TF7]")));
    QVERIFY(!g_taskForceJumpPending);

    window->hide();
    g_taskForceJumpTarget = u"TF77";
    g_taskForceJumpPending = true;
    window->show();
    QVERIFY(list->selectedRowList().isEmpty());
    QCOMPARE(title(), Q("TF7"));
    QVERIFY(!g_taskForceJumpPending);
}

void TaskForceWindowTest::saveReplacesTheSectionAndTheComment() {
    showWindow();
    clickRow(2);
    setText("[TF2]\nName=renamed\n\n0=9,Z\n");
    click(res::kIdTaskForceSave);
    QCOMPARE(EntrySectionOf(doc.taskForceSectionsText, "TF2"), "[TF2]\nName=renamed\n0=9,Z\n");
    QCOMPARE(EntrySectionOf(doc.taskForceSectionsText, "TF3"),
             "[TF3]\nName=name3\nGroup=-1\n0=1,E\n1=2,F\n");
    QCOMPARE(list->text(2, 2), Q("renamed"));
    QVERIFY(!g_taskForceListChanged);

    // No "Name=": the comment is "None". An emptied field removes the section; the row stays.
    setText("[TF2]\n0=9,Z\n");
    click(res::kIdTaskForceSave);
    QCOMPARE(list->text(2, 2), Q("None"));
    setText("");
    click(res::kIdTaskForceSave);
    QCOMPARE(EntrySectionOf(doc.taskForceSectionsText, "TF2"), "None");
    QCOMPARE(rowCount(), 10);
    clickRow(2);
    QCOMPARE(text(), Q("None"));
}

void TaskForceWindowTest::saveRefusesAndSaysWhy() {
    showWindow();
    const std::string before = doc.taskForceSectionsText;
    // Nothing shown yet: the title holds its template text, which names no section.
    setText("[X]\nName=x\n");
    click(res::kIdTaskForceSave);
    QCOMPARE(doc.taskForceSectionsText, before);
    QCOMPARE(title(), Q("我是标题!!!：找不到此条目，未保存"));

    clickRow(5);
    setText("Name=lost header\n0=1,E\n");
    click(res::kIdTaskForceSave);
    QCOMPARE(doc.taskForceSectionsText, before);
    QCOMPARE(title(), Q("TF5：第一行须是以[开头的节名，未保存"));
    setText("[TF_RENAMED]\nName=x\n");
    click(res::kIdTaskForceSave);
    QCOMPARE(doc.taskForceSectionsText, before);
    QCOMPARE(title(), Q("TF5：节名须与注册名称相同，未保存"));
    // The note does not become part of the ID: fixed, the same entry saves.
    setText("[TF5]\nName=kept\n");
    click(res::kIdTaskForceSave);
    QCOMPARE(title(), Q("TF5"));
    QCOMPARE(EntrySectionOf(doc.taskForceSectionsText, "TF5"), "[TF5]\nName=kept\n");
}

void TaskForceWindowTest::filterHidesRowsAndDeleteTakesOnlyShownOnes() {
    showWindow();
    QApplication::setActiveWindow(WindowOf(*window));
    QVERIFY(QTest::qWaitForWindowActive(WindowOf(*window)));
    auto *filter = WidgetOf<QLineEdit>(*window, res::kIdTaskForceFilter);
    QCOMPARE(filter->accessibleName(), Q("筛选"));
    QCOMPARE(filter->placeholderText(), Q("ID 或注释"));
    auto shown = [this] {
        QStringList ids;
        for (int row = 0; row < rowCount(); ++row)
            ids << list->text(row, 1);
        return ids;
    };
    // By ID or comment, Latin letters in either case; the text stays as it was.
    const std::string before = doc.taskForceListText + doc.taskForceSectionsText;
    const struct {
        const char *filter;
        QStringList shown;
    } cases[] = {
        {"tf3", {Q("TF3")}},
        {"NAME7", {Q("TF7")}},
        {"zz", {}},
        {"", IdsOf(10)},
    };
    for (const auto &c : cases) {
        filter->setText(Q(c.filter));
        QCOMPARE(shown(), c.shown);
    }
    QCOMPARE(doc.taskForceListText + doc.taskForceSectionsText, before);

    // TF1 and TF2 selected, TF2 then hidden: Delete takes TF1 only; the rows keep their numbers.
    clickRow(1);
    clickRow(2, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(filter->hasFocus());
    QTest::keyClicks(filter, Q("tf1"));
    click(res::kIdTaskForceDelete);
    QCOMPARE(EntrySectionOf(doc.taskForceSectionsText, "TF1"), std::string("None"));
    QVERIFY(EntrySectionOf(doc.taskForceSectionsText, "TF2") != "None");
    QCOMPARE(shown(), QStringList{});

    // A new entry shows though it does not match; Escape in the field clears it, the window stays.
    AppendNewEntry(doc, NewEntryKind::TaskForce, u"NEW", window->rowCount());
    moveOverSurface();
    QCOMPARE(shown(), QStringList{Q("NEW")});
    QTest::keyClick(filter, Qt::Key_Escape);
    QVERIFY(filter->text().isEmpty());
    QCOMPARE(shown().size(), 10);
    QCOMPARE(list->text(1, 1), Q("TF2"));
    QCOMPARE(list->text(1, 0), Q("1"));
    QVERIFY(window->isVisible());
}

void TaskForceWindowTest::deleteRebuildsBothTexts() {
    showWindow();
    doc.startNumber = 20;
    clickRow(1);
    clickRow(4, Qt::ControlModifier);
    clickRow(9, Qt::ControlModifier);
    // New, Enter in the new entry dialog, Delete: the new entry has no row yet, and stays.
    AppendNewEntry(doc, NewEntryKind::TaskForce, u"TF_NEW", window->rowCount());
    click(res::kIdTaskForceDelete);

    QCOMPARE(rowCount(), 7);
    std::string listText = "[TaskForces]\n";
    std::string sections;
    int i = 0;
    for (int kept : {0, 2, 3, 5, 6, 7, 8}) {
        const std::string id = "TF" + std::to_string(kept);
        QCOMPARE(list->text(i, 0), QString::number(20 + i));
        QCOMPARE(list->text(i, 1), Q(id));
        listText += std::to_string(20 + i++) + "=" + id + "\n";
        sections +=
            "[" + id + "]\nName=name" + std::to_string(kept) + "\nGroup=-1\n0=1,E\n1=2,F\n\n";
    }
    listText += "27=TF_NEW\n";
    sections += "[TF_NEW]\nName=Drumo\nGroup=-1\n\n\n"; // the last section keeps its LFs
    QCOMPARE(doc.taskForceListText, listText);
    QCOMPARE(doc.taskForceSectionsText, sections + "\n");
    QVERIFY(g_taskForceListChanged);
    // The fields keep what they showed.
    QCOMPARE(title(), Q("TF1"));
}

void TaskForceWindowTest::newPreparesThePendingRowAndTheDialog() {
    showWindow();
    RecordingDialog addNew;
    g_addNewWindow = &addNew;
    click(res::kIdTaskForceNew);
    g_addNewWindow = nullptr;
    QCOMPARE(g_taskForcePendingRow.rowIndex, 10);
    QCOMPARE(g_addNewKind, 3);
    QVERIFY(g_addNewPreset);
    QCOMPARE(addNew.events, QStringList{Q("show")}); // hidden already: only the show counts

    // Without the dialog (not built yet) New still does its own part.
    g_addNewPreset = false;
    click(res::kIdTaskForceNew);
    QVERIFY(g_addNewPreset);
}

void TaskForceWindowTest::wholeSessionFromOpenToReopen() {
    testsupport::TempDir dir;
    testsupport::MessageRecorder recorder;
    const auto path = dir / "ai.ini";
    testsupport::WriteBytes(path, "[TaskForces]\r\n0=TF_A\r\n1=TF_B\r\n2=TF_C\r\n\r\n"
                                  "[TF_A]\r\nName=a\r\nGroup=-1\r\n0=1,E1\r\n\r\n"
                                  "[TF_B]\r\nName=b\r\nGroup=-1\r\n0=2,E2\r\n\r\n"
                                  "[TF_C]\r\nName=c\r\nGroup=-1\r\n0=3,E3\r\n");
    ResetTestDocument();
    platform::SetOpenFileHandler(
        [&](const std::u16string &) { return testsupport::WidePath(path); });
    g_taskForceWindow = window.get();
    OpenFile(AskOpenPath());
    QVERIFY(QTest::qWaitForWindowExposed(WindowOf(*window)));
    QCOMPARE(rowCount(), 3);

    clickRow(1);
    setText("[TF_B]\nName=bee\n0=2,E2\n5=4,E4\n");
    click(res::kIdTaskForceTidy);
    click(res::kIdTaskForceSave);
    clickRow(2);
    click(res::kIdTaskForceDelete);
    recorder.Answer(platform::Answer::No); // one file, not split
    SaveFile();

    // A new run: a fresh window on the saved file.
    ResetTestDocument();
    auto reopened = std::make_unique<CTaskForces>(model);
    g_taskForceWindow = reopened.get();
    OpenFile(AskOpenPath());
    g_taskForceWindow = nullptr;
    platform::SetOpenFileHandler({});
    auto *again = WidgetOf<ReportView>(*reopened, res::kIdTaskForceList);
    QCOMPARE(again->model()->rowCount(), 2);
    QCOMPARE(again->text(1, 2), Q("bee"));
    QCOMPARE(doc.taskForceListText, "[TaskForces]\n0=TF_A\n1=TF_B\n");
    QVERIFY(EntrySectionOf(doc.taskForceSectionsText, "TF_B")
                .starts_with("[TF_B]\nName=bee\nGroup=None\n0=2,E2\n1=4,E4\n"));
    QCOMPARE(EntrySectionOf(doc.taskForceSectionsText, "TF_C"), "None");
}

QTEST_MAIN(TaskForceWindowTest)
#include "taskforcewindow_test.moc"
