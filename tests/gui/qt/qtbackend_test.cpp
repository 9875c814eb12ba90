// The Qt backend of the dialog layer, run under the program's own start (gui::qt::Main): dialogs
// from templates and their window events, the report list over a row source and its
// notifications, the sorted combo box, the program's icon on every window, and the seams.

#include "gui/dialog.h"
#include "gui/layout.h"
#include "gui/qt/qtbackend.h"
#include "gui/qt/qtcontrols.h"
#include "gui/qt/qtseams.h"
#include "gui/qt/qttext.h"
#include "gui/qt/qtwindow.h"
#include "gui/system.h"
#include "platform/seams.h"
#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/resources.h"
#include "res/teamdialog.h"
#include "res/text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using gui::qt::Q;
using gui::qt::ReportView;
using gui::qt::WidgetOf;
using gui::qt::WindowOf;

namespace {

// A dialog of template `templateId` (the main window's by default) that records its events.
class RecordingDialog : public gui::Dialog {
public:
    explicit RecordingDialog(int templateId = res::kIdMainDialog, gui::Dialog *owner = nullptr)
        : gui::Dialog(templateId, owner) {}

    QStringList events;
    bool takeEnter = false;
    bool takeEscape = false;
    std::function<void(int listId)> listClicked;
    std::function<bool(int listId, gui::Key key)> listKeyDown;

protected:
    void onShowOrHide(bool shown) override {
        events << (shown ? QStringLiteral("show") : QStringLiteral("hide"));
    }
    void onMouseMove() override { events << QStringLiteral("move"); }
    bool onEnter() override {
        events << QStringLiteral("enter");
        return takeEnter;
    }
    bool onEscape() override {
        events << QStringLiteral("escape");
        return takeEscape;
    }
    void onListClick(int listId) override {
        if (listClicked) listClicked(listId);
    }
    bool onListKeyDown(int listId, gui::Key key) override {
        return listKeyDown && listKeyDown(listId, key);
    }
};

// Rows of given texts.
class Rows : public gui::RowSource {
public:
    std::vector<std::vector<std::u16string>> cells;
    int rowCount() const override { return int(cells.size()); }
    std::u16string cellText(int row, int column) const override {
        return cells[size_t(row)][size_t(column)];
    }
};

// The task force window's template with its list shown over `rows`.
struct ListWindow {
    RecordingDialog dialog{res::kIdTaskForceDialog};
    gui::ReportList *list = dialog.control<gui::ReportList>(res::kIdTaskForceList);
    ReportView *view = WidgetOf<ReportView>(dialog, res::kIdTaskForceList);

    ListWindow(const std::vector<std::u16string> &headers, const Rows &rows) {
        list->setColumns(headers);
        list->setSource(&rows);
        dialog.show();
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(view->model()->index(row, 0)).center());
    }
};

// `count` rows whose column 0 holds the row's number and column 1 "ID" and the number.
Rows Numbered(int count) {
    Rows rows;
    for (int row = 0; row < count; ++row) {
        const std::u16string number = gui::qt::U(QString::number(row));
        rows.cells.push_back({number, u"ID" + number});
    }
    return rows;
}

const std::vector<std::u16string> kTwoColumns = {u"注册序号", u"注册名称"};

QRect R(const gui::Rect &rect) { return QRect(rect.x, rect.y, rect.width, rect.height); }

} // namespace

class QtBackendTest : public QObject {
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
    void comboBoxOffersTheItemsStartingWithWhatIsTyped();
    void windowsCarryTheProgramsIcon();
    void fileFilterBecomesQtFilter();
    void messageBoxesShowTheRequest();
    void everyTemplateFitsItsTextsInBothLanguages();
    void languageSwitchTextsEveryWindowAgain();
};

void QtBackendTest::dialogUnitsRoundToNearestPixel() {
    const gui::BaseUnits units{7, 16};
    QCOMPARE(R(gui::DialogUnitsToPixels({7, 7, 107, 25}, units)), QRect(12, 14, 187, 50));
    // 2 * 6 / 4 = 3 exactly; 1 * 6 / 4 = 1.5 rounds up; 3 * 15 / 8 = 5.625 rounds up.
    QCOMPARE(R(gui::DialogUnitsToPixels({2, 3, 1, 1}, {6, 15})), QRect(3, 6, 2, 2));
    QCOMPARE(R(gui::DialogUnitsToPixels({0, 0, 0, 0}, units)), QRect(0, 0, 0, 0));
}

void QtBackendTest::templatesHaveUniqueIdsAndKnownBuddies() {
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
}

void QtBackendTest::dialogPlacesControlsAndFindsThemById() {
    RecordingDialog dialog;
    const gui::BaseUnits units = WindowOf(dialog)->baseUnits();
    QVERIFY(units.x > 0 && units.y > 0);

    auto *box = dialog.control<gui::CheckBox>(res::kIdAutoDetectStart);
    QVERIFY(box);
    auto *boxWidget = WidgetOf<QCheckBox>(dialog, res::kIdAutoDetectStart);
    QCOMPARE(boxWidget->text(), QStringLiteral("自动检测开始注册号"));
    QCOMPARE(boxWidget->geometry(), R(gui::DialogUnitsToPixels({7, 32, 132, 10}, units)));
    auto *note = dialog.control<gui::Label>(res::kIdEncodingNote);
    QVERIFY(note);
    QVERIFY(note->text() == u"注意：请检查ini文件打开的时候是否为ANSI格式!");
    QCOMPARE(WidgetOf<QLabel>(dialog, res::kIdEncodingNote)->textFormat(), Qt::PlainText);

    // The wrong type and an unknown id give nothing.
    QVERIFY(dialog.control<gui::Edit>(res::kIdAutoDetectStart) == nullptr);
    QVERIFY(dialog.control(4242) == nullptr);
    QVERIFY(WidgetOf(dialog, 4242) == nullptr);
    QVERIFY(dialog.caption() == u"VantaEdit");
    QCOMPARE(WindowOf(dialog)->size(), R(gui::DialogUnitsToPixels({0, 0, 320, 200}, units)).size());
}

void QtBackendTest::dialogReportsProgramShowAndHideOnly() {
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

void QtBackendTest::mouseMovesCountOnlyOverTheSurface() {
    RecordingDialog dialog;
    dialog.show();
    QWidget *window = WindowOf(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    dialog.events.clear();

    QWidget *box = WidgetOf(dialog, res::kIdAutoDetectStart);
    QTest::mouseMove(window, box->mapTo(window, box->rect().center()));
    QCOMPARE(dialog.events.count(QStringLiteral("move")), 0);
    QTest::mouseMove(window, QPoint(window->width() - 5, window->height() - 5));
    QCOMPARE(dialog.events.count(QStringLiteral("move")), 1);
}

void QtBackendTest::enterAndEscapeGoToTheHooksFirst() {
    RecordingDialog dialog;
    dialog.show();
    QWidget *window = WindowOf(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    dialog.events.clear();

    // Taken by the hooks: the window stays.
    dialog.takeEnter = dialog.takeEscape = true;
    QTest::keyClick(window, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(dialog.events, (QStringList{QStringLiteral("enter"), QStringLiteral("escape")}));
    QVERIFY(dialog.isVisible());

    // Left to the dialog: Enter does nothing without a default button, Escape hides the window.
    dialog.takeEnter = dialog.takeEscape = false;
    QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void QtBackendTest::listKeyDownArrivesBeforeTheSelectionMoves() {
    const Rows rows = Numbered(6);
    ListWindow w(kTwoColumns, rows);
    QVERIFY(QTest::qWaitForWindowExposed(w.view));
    w.click(3);
    QCOMPARE(w.list->selectedRows(), std::vector<int>{3});

    std::vector<std::vector<int>> seen;
    w.dialog.listKeyDown = [&](int listId, gui::Key key) {
        if (listId == res::kIdTaskForceList && key == gui::Key::Down)
            seen.push_back(w.list->selectedRows());
        return false;
    };
    QTest::keyClick(w.view, Qt::Key_Down);
    QCOMPARE(seen, std::vector<std::vector<int>>{{3}});
    QCOMPARE(w.list->selectedRows(), std::vector<int>{4});
    QCOMPARE(w.list->currentRow(), 4);
}

void QtBackendTest::listKeyDownCanKeepTheListFromMoving() {
    const Rows rows = Numbered(6);
    ListWindow w(kTwoColumns, rows);
    QVERIFY(QTest::qWaitForWindowExposed(w.view));
    w.click(1);
    w.dialog.listKeyDown = [](int, gui::Key) { return true; };
    QTest::keyClick(w.view, Qt::Key_Down);
    QCOMPARE(w.list->selectedRows(), std::vector<int>{1});
}

void QtBackendTest::listClickSeesTheNewSelection() {
    const Rows rows = Numbered(6);
    ListWindow w(kTwoColumns, rows);
    QVERIFY(QTest::qWaitForWindowExposed(w.view));
    std::vector<std::vector<int>> seen;
    w.dialog.listClicked = [&](int) { seen.push_back(w.list->selectedRows()); };

    w.click(2);
    w.click(5, Qt::ControlModifier);
    // A click on a row that is already selected, among others, leaves it alone selected.
    w.click(5);
    QCOMPARE(seen, (std::vector<std::vector<int>>{{2}, {2, 5}, {5}}));
    QVERIFY(w.list->cellText(5, 1) == u"ID5");
    QCOMPARE(w.view->text(5, 1), QStringLiteral("ID5"));
}

void QtBackendTest::clickBelowLastRowClearsTheSelection() {
    const Rows rows = Numbered(2);
    ListWindow w(kTwoColumns, rows);
    QVERIFY(QTest::qWaitForWindowExposed(w.view));
    w.click(1);
    QCOMPARE(w.list->selectedRows(), std::vector<int>{1});

    std::vector<std::vector<int>> seen;
    w.dialog.listClicked = [&](int) { seen.push_back(w.list->selectedRows()); };
    const QPoint below(20, w.view->viewport()->height() - 5);
    QVERIFY(!w.view->indexAt(below).isValid());
    QTest::mouseClick(w.view->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(seen, std::vector<std::vector<int>>{{}});
}

void QtBackendTest::headerClickNeitherSortsNorNotifies() {
    Rows rows;
    rows.cells = {{u"c"}, {u"b"}, {u"a"}};
    ListWindow w({u"注册名称"}, rows);
    QVERIFY(QTest::qWaitForWindowExposed(w.view));
    int clicks = 0;
    w.dialog.listClicked = [&](int) { ++clicks; };
    QTest::mouseClick(w.view->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(clicks, 0);
    QCOMPARE(w.view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("注册名称"));
    QCOMPARE(w.view->columnWidth(0), w.view->viewport()->width()); // the last column takes the rest
    QCOMPARE((QStringList{w.view->text(0, 0), w.view->text(1, 0), w.view->text(2, 0)}),
             (QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}));
}

void QtBackendTest::comboBoxKeepsItsListSorted() {
    auto itemsOf = [](const gui::ComboBox *box) {
        QStringList items;
        for (int i = 0; i < box->itemCount(); ++i)
            items << Q(box->itemText(i));
        return items;
    };
    RecordingDialog teams(res::kIdTeamDialog);
    auto *sorted = teams.control<gui::ComboBox>(res::kIdTeamScript);
    sorted->setText(u"kept");
    sorted->setItems({u"beta", u"Alpha", u"gamma", u"Beta"});
    QCOMPARE(itemsOf(sorted), (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"),
                                           QStringLiteral("Beta"), QStringLiteral("gamma")}));
    QVERIFY(sorted->text() == u"kept"); // new items leave the edit text alone

    RecordingDialog addNew(res::kIdAddNewDialog);
    auto *plain = addNew.control<gui::ComboBox>(res::kIdAddNewKind);
    plain->setItems({u"触发", u"队伍"});
    QCOMPARE(itemsOf(plain), (QStringList{QStringLiteral("触发"), QStringLiteral("队伍")}));
    plain->choose(0);
    QVERIFY(plain->text() == u"触发");

    // Text typed into the edit field never becomes an item.
    addNew.show();
    auto *widget = WidgetOf<QComboBox>(addNew, res::kIdAddNewKind);
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QTest::keyClicks(widget->lineEdit(), QStringLiteral("new"));
    QTest::keyClick(widget->lineEdit(), Qt::Key_Return);
    QCOMPARE(plain->itemCount(), 2);
    QVERIFY(plain->text() == u"触发new");
}

void QtBackendTest::comboBoxOffersTheItemsStartingWithWhatIsTyped() {
    RecordingDialog teams(res::kIdTeamDialog);
    auto *box = teams.control<gui::ComboBox>(res::kIdTeamScript);
    box->setItems({u"TM_Beta", u"xTM_A", u"TM_Alpha", u"Other"});
    int chosen = -1;
    box->setOnChosen([&](int index) { chosen = index; });
    teams.show();
    auto *widget = WidgetOf<QComboBox>(teams, res::kIdTeamScript);
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QAbstractItemView *offered = widget->completer()->popup();
    const struct {
        const char *typed;
        QStringList offered;
        int downs;        // Down presses in the offered list before Enter
        const char *text; // the box's text after Enter
        int chosen;       // the item chosen, -1: none
    } cases[] = {
        {"tm_", {QStringLiteral("TM_Alpha"), QStringLiteral("TM_Beta")}, 2, "TM_Beta", 2},
        {"O", {QStringLiteral("Other")}, 1, "Other", 0},
        {"TM_Gamma", {}, 0, "TM_Gamma", -1}, // not an item: kept as typed
    };
    for (const auto &c : cases) {
        chosen = -1;
        box->setText({});
        widget->lineEdit()->setFocus();
        QTest::keyClicks(widget->lineEdit(), QString::fromUtf8(c.typed));
        QStringList shown;
        for (int row = 0; offered->isVisible() && row < offered->model()->rowCount(); ++row)
            shown << offered->model()->index(row, 0).data().toString();
        QCOMPARE(shown, c.offered);
        QCOMPARE(Q(box->text()), QString::fromUtf8(c.typed)); // nothing chosen yet
        QWidget *keys = offered->isVisible() ? static_cast<QWidget *>(offered) : widget->lineEdit();
        for (int i = 0; i < c.downs; ++i)
            QTest::keyClick(keys, Qt::Key_Down);
        QTest::keyClick(keys, Qt::Key_Return);
        QCOMPARE(Q(box->text()), QString::fromUtf8(c.text));
        QCOMPARE(chosen, c.chosen);
    }
}

void QtBackendTest::windowsCarryTheProgramsIcon() {
    RecordingDialog main;
    RecordingDialog owned(res::kIdAboutDialog, &main);
    for (const RecordingDialog *each : {&main, &owned}) {
        const QList<QSize> sizes = WindowOf(*each)->windowIcon().availableSizes();
        QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)),
                 qPrintable(Q(each->caption())));
    }
}

void QtBackendTest::fileFilterBecomesQtFilter() {
    using gui::qt::QtFileFilter;
    QCOMPARE(QtFileFilter(u"所有配置 文件(*.ini)|*.ini|所有文件(*.*)|*.*||"),
             QStringLiteral("所有配置 文件(*.ini);;所有文件(*.*)"));
    QCOMPARE(QtFileFilter(u"Texts (*.txt)|*.txt;*.ini||"),
             QStringLiteral("Texts (*.txt) (*.txt *.ini)"));
    QCOMPARE(QtFileFilter(u"Text|*.txt;*.ini||"), QStringLiteral("Text (*.txt *.ini)"));
    // A name without a pattern, and anything after the closing "||", is not a filter.
    QCOMPARE(QtFileFilter(u"A|*.a|B"), QStringLiteral("A (*.a)"));
    QCOMPARE(QtFileFilter(u"A|*.a||B|*.b"), QStringLiteral("A (*.a)"));
    QCOMPARE(QtFileFilter(u""), QString());
}

// The seams as the program's start installed them: real boxes, Qt's buttons in Chinese, and
// the main window (the first window made without an owner) owning the boxes said to be its own.
void QtBackendTest::messageBoxesShowTheRequest() {
    RecordingDialog main;
    main.show();
    QWidget *mainWindow = WindowOf(main);

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
    QCOMPARE(seen.parent, mainWindow);

    answerWith(QMessageBox::Yes);
    QCOMPARE(platform::ShowAppMessage(u"好", platform::Buttons::YesNo, platform::Icon::Question),
             platform::Answer::Yes);
    QCOMPARE(seen.title, Q(platform::kAppTitle));
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
        QCOMPARE(seen.parent, mainWindow);
    }
}

namespace {

// What a control of a template needs to show its text whole, in pixels; empty when it fits.
QString Clipped(QWidget *widget) {
    const QFontMetrics metrics(widget->font());
    const int width = widget->width();
    auto needs = [&](const QString &text, int extra) {
        const int wanted = metrics.horizontalAdvance(text) + extra;
        return wanted > width
                   ? QStringLiteral("\"%1\" needs %2 px, has %3").arg(text).arg(wanted).arg(width)
                   : QString();
    };
    QStyle *style = widget->style();
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        // A decoration (the bars between the flags) is no text to read.
        const QString text = label->text();
        if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            return {};
        // Wrapped at word boundaries: no word wider than the label, no more lines than it holds.
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text);
        const int lines = wrapped.height() / metrics.lineSpacing();
        const int room =
            std::max(1, (widget->height() + metrics.descent()) / metrics.lineSpacing());
        if (wrapped.width() > width || lines > room)
            return QStringLiteral("\"%1\" needs %2 px and %3 lines, has %4 px and %5")
                .arg(text)
                .arg(wrapped.width())
                .arg(lines)
                .arg(width)
                .arg(room);
        return {};
    }
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return needs(box->text(),
                     style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box));
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return needs(button->text(),
                     2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return needs(edit->placeholderText(), 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth));
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        // Its drop-down button takes the width of a scroll bar.
        const int arrow = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
        for (int i = 0; i < combo->count(); ++i)
            if (QString found = needs(combo->itemText(i), arrow + 8); !found.isEmpty())
                return found;
    }
    return {};
}

} // namespace

void QtBackendTest::everyTemplateFitsItsTextsInBothLanguages() {
    QStringList clipped;
    for (const res::Language language : {res::Language::Chinese, res::Language::English}) {
        gui::UseLanguage(language);
        for (const res::DialogTemplate *dialogTemplate : res::AllDialogs()) {
            RecordingDialog dialog(dialogTemplate->id);
            for (QWidget *widget : WindowOf(dialog)->findChildren<QWidget *>()) {
                if (widget->parentWidget() == WindowOf(dialog)) continue; // the client area
                if (const QString found = Clipped(widget); !found.isEmpty())
                    clipped << QStringLiteral("%1 in %2: %3")
                                   .arg(dialogTemplate->id)
                                   .arg(Q(res::LanguageCode(language)), found);
            }
        }
    }
    gui::UseLanguage(res::Language::Chinese);
    for (const QString &text : clipped)
        qWarning("clipped: %s", qPrintable(text));
    QVERIFY2(clipped.isEmpty(), "a control cannot show its text whole");
}

void QtBackendTest::languageSwitchTextsEveryWindowAgain() {
    RecordingDialog main;
    main.attachMenu(res::kIdMainMenu);
    RecordingDialog team(res::kIdTeamDialog, &main);
    auto *save = WidgetOf<QPushButton>(team, res::kIdTeamSave);
    QMenuBar *bar = WindowOf(main)->findChild<QMenuBar *>();
    QVERIFY(bar);
    gui::UseLanguage(res::Language::English);
    QCOMPARE(save->text(), QStringLiteral("Save"));
    QCOMPARE(WindowOf(team)->windowTitle(), QStringLiteral("Teams"));
    QCOMPARE(bar->actions().first()->text(), QStringLiteral("File"));
    QCOMPARE(WidgetOf<QLineEdit>(team, res::kIdTeamFilter)->placeholderText(),
             QStringLiteral("ID or name"));
    // Qt's own buttons speak English too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    gui::UseLanguage(res::Language::Chinese);
    QCOMPARE(save->text(), QStringLiteral("保存"));
    QCOMPARE(bar->actions().first()->text(), QStringLiteral("文件"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
}

int main(int argc, char **argv) {
    return gui::qt::Main(argc, argv, [](const std::vector<std::u16string> &) {
        QtBackendTest test;
        return QTest::qExec(&test, QCoreApplication::arguments());
    });
}

#include "qtbackend_test.moc"
