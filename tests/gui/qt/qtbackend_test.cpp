// The Qt half of the platform layer: dialogs from templates, their window events, the report
// list's notifications, the sorted combo box and the Qt seams.

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/qtseams.h"
#include "platform/seams.h"
#include "res/resources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

using platform::ReportList;

namespace {

// The main window's template as a plain dialog that records its events.
class RecordingDialog : public platform::Dialog {
public:
    RecordingDialog() : platform::Dialog(res::kIdMainDialog) {}

    QStringList events;
    bool takeEnter = false;
    bool takeEscape = false;

protected:
    void onShowOrHide(bool shown) override {
        events << (shown ? QStringLiteral("show") : QStringLiteral("hide"));
    }
    void onMouseMove(QPoint) override { events << QStringLiteral("move"); }
    bool onEnter() override {
        events << QStringLiteral("enter");
        return takeEnter;
    }
    bool onEscape() override {
        events << QStringLiteral("escape");
        return takeEscape;
    }
};

// A list of `rows` rows whose column 0 holds the row's number.
void Fill(ReportList &list, int rows) {
    list.setColumns({QStringLiteral("注册序号"), QStringLiteral("注册名称")});
    for (int row = 0; row < rows; ++row) {
        list.insertTextRow(row, {QString::number(row), QStringLiteral("ID%1").arg(row)});
    }
}

QPoint CenterOfRow(const ReportList &list, int row) {
    return list.visualRect(list.model()->index(row, 0)).center();
}

} // namespace

class PlatformQtTest : public QObject {
    Q_OBJECT

private slots:
    void dialogUnitsRoundToNearestPixel();
    void templatesHaveUniqueIdsAndKnownBuddies();
    void dialogPlacesControlsAndFindsThemById();
    void dialogReportsProgramShowAndHideOnly();
    void mouseMovesCountOnlyOverTheSurface();
    void enterAndEscapeGoToTheHooksFirst();
    void listKeyDownArrivesBeforeTheSelectionMoves();
    void listKeyDownCanKeepTheListFromMoving();
    void listClickSeesTheNewSelection();
    void clickBelowLastRowClearsTheSelection();
    void headerClickNeitherSortsNorNotifies();
    void comboBoxKeepsItsListSorted();
    void fileFilterBecomesQtFilter();
    void messageBoxesShowTheRequest();
};

void PlatformQtTest::dialogUnitsRoundToNearestPixel() {
    const platform::BaseUnits units{7, 16};
    QCOMPARE(platform::DialogUnitsToPixels({7, 7, 107, 25}, units), QRect(12, 14, 187, 50));
    // 2 * 6 / 4 = 3 exactly; 1 * 6 / 4 = 1.5 rounds up; 3 * 15 / 8 = 5.625 rounds up.
    QCOMPARE(platform::DialogUnitsToPixels({2, 3, 1, 1}, {6, 15}), QRect(3, 6, 2, 2));
    QCOMPARE(platform::DialogUnitsToPixels({0, 0, 0, 0}, units), QRect(0, 0, 0, 0));
}

void PlatformQtTest::templatesHaveUniqueIdsAndKnownBuddies() {
    QSet<int> dialogIds;
    for (const res::DialogTemplate *dialog : res::AllDialogs()) {
        QVERIFY2(!dialogIds.contains(dialog->id), qPrintable(QString::number(dialog->id)));
        dialogIds.insert(dialog->id);
        QSet<int> ids;
        for (const res::Control &control : dialog->controls) {
            if (control.id == res::kNoId) continue;
            QVERIFY2(!ids.contains(control.id),
                     qPrintable(QStringLiteral("%1: %2").arg(dialog->id).arg(control.id)));
            ids.insert(control.id);
        }
        for (const res::Control &control : dialog->controls) {
            if (control.buddy == res::kNoId) continue;
            QCOMPARE(control.kind, res::Kind::Static);
            QVERIFY2(ids.contains(control.buddy), qPrintable(QString::number(control.buddy)));
        }
    }
    QVERIFY(res::FindDialog(999) == nullptr);
    QVERIFY(res::FindMenu(999) == nullptr);
    QVERIFY(res::String(999).empty());
}

void PlatformQtTest::dialogPlacesControlsAndFindsThemById() {
    RecordingDialog dialog;
    const platform::BaseUnits units = dialog.baseUnits();
    QVERIFY(units.x > 0 && units.y > 0);

    auto *box = dialog.control<QCheckBox>(res::kIdAutoDetectStart);
    QVERIFY(box);
    QCOMPARE(box->text(), QStringLiteral("自动检测开始注册号"));
    QCOMPARE(box->geometry(), platform::DialogUnitsToPixels({7, 32, 78, 10}, units));
    auto *note = dialog.control<QLabel>(res::kIdEncodingNote);
    QVERIFY(note);
    QCOMPARE(note->text(), QStringLiteral("注意：请检查ini文件打开的时候是否为ANSI格式!"));
    QCOMPARE(note->textFormat(), Qt::PlainText);

    // The wrong type and an unknown id give nothing.
    QVERIFY(dialog.control<QLineEdit>(res::kIdAutoDetectStart) == nullptr);
    QVERIFY(dialog.control(4242) == nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VantaEdit"));
    QCOMPARE(dialog.size(), platform::DialogUnitsToPixels({0, 0, 320, 200}, units).size());
}

void PlatformQtTest::dialogReportsProgramShowAndHideOnly() {
    RecordingDialog dialog;
    dialog.hide(); // never shown: nothing happens, as for a window created hidden
    QCOMPARE(dialog.events, QStringList());
    dialog.show();
    dialog.show(); // already visible: no second notification
    dialog.hide();
    dialog.showNormal();
    QCOMPARE(dialog.events,
             (QStringList{QStringLiteral("show"), QStringLiteral("hide"), QStringLiteral("show")}));
}

void PlatformQtTest::mouseMovesCountOnlyOverTheSurface() {
    RecordingDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.events.clear();

    QWidget *box = dialog.control(res::kIdAutoDetectStart);
    QTest::mouseMove(&dialog, box->geometry().center());
    QCOMPARE(dialog.events.count(QStringLiteral("move")), 0);
    QTest::mouseMove(&dialog, QPoint(dialog.width() - 5, dialog.height() - 5));
    QCOMPARE(dialog.events.count(QStringLiteral("move")), 1);
}

void PlatformQtTest::enterAndEscapeGoToTheHooksFirst() {
    RecordingDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.events.clear();

    // Taken by the hooks: the window stays.
    dialog.takeEnter = dialog.takeEscape = true;
    QTest::keyClick(&dialog, Qt::Key_Return);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.events, (QStringList{QStringLiteral("enter"), QStringLiteral("escape")}));
    QVERIFY(dialog.isVisible());

    // Left to the dialog: Enter does nothing without a default button, Escape hides the window.
    dialog.takeEnter = dialog.takeEscape = false;
    QTest::keyClick(&dialog, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void PlatformQtTest::listKeyDownArrivesBeforeTheSelectionMoves() {
    ReportList list;
    Fill(list, 6);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CenterOfRow(list, 3));
    QCOMPARE(list.selectedRows(), QList<int>{3});

    QList<QList<int>> seen;
    connect(&list, &ReportList::keyDown, &list, [&](int key, bool *) {
        QCOMPARE(key, int(Qt::Key_Down));
        seen.append(list.selectedRows());
    });
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(seen, QList<QList<int>>{{3}});
    QCOMPARE(list.selectedRows(), QList<int>{4});
}

void PlatformQtTest::listKeyDownCanKeepTheListFromMoving() {
    ReportList list;
    Fill(list, 6);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CenterOfRow(list, 1));
    connect(&list, &ReportList::keyDown, &list, [](int, bool *handled) { *handled = true; });
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.selectedRows(), QList<int>{1});
}

void PlatformQtTest::listClickSeesTheNewSelection() {
    ReportList list;
    Fill(list, 6);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QList<QList<int>> seen;
    connect(&list, &ReportList::listClicked, &list, [&] { seen.append(list.selectedRows()); });

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CenterOfRow(list, 2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, CenterOfRow(list, 5));
    // A click on a row that is already selected, among others, leaves it alone selected.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CenterOfRow(list, 5));
    QCOMPARE(seen, (QList<QList<int>>{{2}, {2, 5}, {5}}));
    QCOMPARE(list.text(5, 1), QStringLiteral("ID5"));
}

void PlatformQtTest::clickBelowLastRowClearsTheSelection() {
    ReportList list;
    Fill(list, 2);
    list.resize(300, 300);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CenterOfRow(list, 1));
    QCOMPARE(list.selectedRows(), QList<int>{1});

    QList<QList<int>> seen;
    connect(&list, &ReportList::listClicked, &list, [&] { seen.append(list.selectedRows()); });
    const QPoint below(20, list.viewport()->height() - 5);
    QVERIFY(!list.indexAt(below).isValid());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(seen, QList<QList<int>>{QList<int>{}});
}

void PlatformQtTest::headerClickNeitherSortsNorNotifies() {
    ReportList list;
    list.setColumns({QStringLiteral("注册名称")});
    list.insertTextRow(0, {QStringLiteral("b")});
    list.insertTextRow(1, {QStringLiteral("a")});
    list.insertTextRow(0, {QStringLiteral("c")});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    int clicks = 0;
    connect(&list, &ReportList::listClicked, &list, [&] { ++clicks; });
    QTest::mouseClick(list.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(clicks, 0);
    QCOMPARE(list.horizontalHeaderItem(0)->text(), QStringLiteral("注册名称"));
    QCOMPARE(list.columnWidth(0), list.viewport()->width()); // the last column takes the rest
    QCOMPARE((QStringList{list.text(0, 0), list.text(1, 0), list.text(2, 0)}),
             (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
}

void PlatformQtTest::comboBoxKeepsItsListSorted() {
    platform::ComboBox sorted(true);
    QCOMPARE(sorted.addString(QStringLiteral("beta")), 0);
    QCOMPARE(sorted.addString(QStringLiteral("Alpha")), 0);
    QCOMPARE(sorted.addString(QStringLiteral("gamma")), 2);
    QCOMPARE(sorted.addString(QStringLiteral("Beta")), 2); // after its equal
    QStringList items;
    for (int i = 0; i < sorted.count(); ++i)
        items << sorted.itemText(i);
    QCOMPARE(items, (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"),
                                 QStringLiteral("Beta"), QStringLiteral("gamma")}));

    platform::ComboBox plain(false);
    plain.addString(QStringLiteral("触发"));
    QCOMPARE(plain.addString(QStringLiteral("队伍")), 1);

    // Text typed into the edit field never becomes an item.
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));
    QTest::keyClicks(plain.lineEdit(), QStringLiteral("new"));
    QTest::keyClick(plain.lineEdit(), Qt::Key_Return);
    QCOMPARE(plain.count(), 2);
    QCOMPARE(plain.currentText(), QStringLiteral("触发new"));
}

void PlatformQtTest::fileFilterBecomesQtFilter() {
    QCOMPARE(platform::QtFileFilter(u"所有配置 文件(*.ini)|*.ini|所有文件(*.*)|*.*||"),
             QStringLiteral("所有配置 文件(*.ini);;所有文件(*.*)"));
    QCOMPARE(platform::QtFileFilter(u"Texts (*.txt)|*.txt;*.ini||"),
             QStringLiteral("Texts (*.txt) (*.txt *.ini)"));
    QCOMPARE(platform::QtFileFilter(u"Text|*.txt;*.ini||"), QStringLiteral("Text (*.txt *.ini)"));
    // A name without a pattern, and anything after the closing "||", is not a filter.
    QCOMPARE(platform::QtFileFilter(u"A|*.a|B"), QStringLiteral("A (*.a)"));
    QCOMPARE(platform::QtFileFilter(u"A|*.a||B|*.b"), QStringLiteral("A (*.a)"));
    QCOMPARE(platform::QtFileFilter(u""), QString());
}

void PlatformQtTest::messageBoxesShowTheRequest() {
    QWidget mainWindow;
    mainWindow.show();
    QVERIFY(platform::InstallQtTranslation());
    platform::InstallQtSeams(&mainWindow);

    struct Seen {
        QString title, text, yes;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QWidget *parent = nullptr;
    } seen;
    auto answerWith = [&seen](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [&seen, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            seen = {box->windowTitle(),     box->text(), box->button(QMessageBox::Yes)->text(),
                    box->standardButtons(), box->icon(), box->parentWidget()};
            box->button(button)->click();
        });
    };

    answerWith(QMessageBox::No);
    QCOMPARE(platform::ShowOwnedMessage(u"问\n<b>二</b>", u"标题", platform::Buttons::YesNoCancel,
                                        platform::Icon::Question),
             platform::Answer::No);
    QCOMPARE(seen.title, QStringLiteral("标题"));
    QCOMPARE(seen.text, QStringLiteral("问\n<b>二</b>"));
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.parent, &mainWindow);

    answerWith(QMessageBox::Yes);
    QCOMPARE(platform::ShowAppMessage(u"好", platform::Buttons::YesNo, platform::Icon::Question),
             platform::Answer::Yes);
    QCOMPARE(seen.title, QString::fromStdU16String(platform::kAppTitle));
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen.yes, QStringLiteral("是(&Y)"));

    // A report: a read-only view of the whole text, answered by its own buttons.
    const struct {
        platform::Buttons buttons;
        QString click;
        platform::Answer answer;
    } reports[] = {
        {platform::Buttons::SaveCancel, QStringLiteral("保存"), platform::Answer::Save},
        {platform::Buttons::SaveCancel, QStringLiteral("取消"), platform::Answer::Cancel},
        {platform::Buttons::Close, QStringLiteral("关闭"), platform::Answer::Ok}};
    for (const auto &report : reports) {
        QString shownText;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog) return;
            seen = {dialog->windowTitle(), {}, {}, {}, {}, dialog->parentWidget()};
            auto *view = dialog->findChild<QPlainTextEdit *>();
            if (view && view->isReadOnly()) shownText = view->toPlainText();
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->text() == report.click) button->click();
        });
        QCOMPARE(platform::ShowOwnedReport(u"第一行\n第二行", u"检查文件", report.buttons),
                 report.answer);
        QCOMPARE(shownText, QStringLiteral("第一行\n第二行"));
        QCOMPARE(seen.title, QStringLiteral("检查文件"));
        QCOMPARE(seen.parent, &mainWindow);
    }

    platform::SetMessageBoxHandler({});
    platform::SetOpenFileHandler({});
    platform::SetExitHandler({});
}

QTEST_MAIN(PlatformQtTest)
#include "platform_qt_test.moc"
