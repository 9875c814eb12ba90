// The Windows backend on real windows: dialogs from the templates of res/, driven through the
// window messages a user's input makes.

#include "gui/dialog.h"
#include "gui/system.h"
#include "gui/win32/win32backend.h"
#include "gui/win32/win32driver.h"
#include "platform/seams.h"
#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/resources.h"
#include "res/text.h"
#include "res/triggerdialog.h"

#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using gui::Key;
using platform::Answer;
using platform::Buttons;

class BackendEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        backend_ = std::make_unique<gui::win32::Backend>();
        gui::SetBackend(backend_.get());
    }
    void TearDown() override {
        gui::SetBackend(nullptr);
        backend_.reset();
    }

private:
    std::unique_ptr<gui::win32::Backend> backend_;
};

[[maybe_unused]] const auto *const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new BackendEnvironment);

gui::win32::Driver &Input() {
    static gui::win32::Driver driver;
    return driver;
}

std::u16string U16(const std::string &ascii) { return {ascii.begin(), ascii.end()}; }

// The portable text of the keys these tests press.
std::u16string Keys(Key key) {
    switch (key) {
    case Key::Enter:
        return u"Enter";
    case Key::Escape:
        return u"Escape";
    case Key::Down:
        return u"Down";
    default:
        return {};
    }
}

// A window whose hooks write down what reaches them.
class Window : public gui::Dialog {
public:
    explicit Window(int templateId, gui::Dialog *owner = nullptr) : Dialog(templateId, owner) {}

    std::vector<std::string> events;
    std::function<bool(Key)> takeListKey = [](Key) { return false; };
    std::vector<std::u16string> dropped;

protected:
    void onCommand(int id) override { events.push_back("command " + std::to_string(id)); }
    void onListClick(int listId) override { events.push_back("click " + std::to_string(listId)); }
    bool onListKeyDown(int, Key key) override {
        events.push_back("key " + std::to_string(int(key)));
        return takeListKey(key);
    }
    bool onEnter() override {
        events.push_back("enter");
        return true;
    }
    bool onEscape() override {
        events.push_back("escape");
        return true;
    }
    void onDropFiles(const std::vector<std::u16string> &paths) override { dropped = paths; }
};

// 40,000 rows, each asked for only when the list shows it.
class Rows final : public gui::RowSource {
public:
    int count = 40000;
    mutable int asked = 0;
    int rowCount() const override { return count; }
    std::u16string cellText(int row, int column) const override {
        ++asked;
        return column == 0 ? U16(std::to_string(row)) : u"注释 " + U16(std::to_string(row));
    }
};

// The trigger window shown, its list over `rows`.
struct TriggerWindow {
    Window window{res::kIdTriggerDialog};
    gui::ReportList *list = window.control<gui::ReportList>(res::kIdTriggerList);

    explicit TriggerWindow(const Rows &rows) {
        list->setColumns({u"ID", u"注释"});
        list->setSource(&rows);
        window.show();
        Input().settle();
    }
};

TEST(Win32Backend, VirtualListShowsAndSelectsRowsOfItsSource) {
    Rows rows;
    TriggerWindow trigger(rows);
    gui::ReportList &list = *trigger.list;
    EXPECT_EQ(list.rowCount(), 40000);
    EXPECT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.cellText(39999, 1), u"注释 39999");
    // Only the rows on the screen were asked for.
    EXPECT_LT(rows.asked, 500);

    Input().clickRow(trigger.window, res::kIdTriggerList, 5, false);
    Input().clickRow(trigger.window, res::kIdTriggerList, 7, true);
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{5, 7}));
    EXPECT_EQ(list.currentRow(), 7);
    EXPECT_EQ(trigger.window.events, (std::vector<std::string>{"click 1012", "click 1012"}));

    list.setSelection({1, 3}, 3);
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{1, 3}));
    list.reset();
    EXPECT_TRUE(list.selectedRows().empty());

    // A click below the last row clears the selection.
    rows.count = 3;
    list.reset();
    Input().clickRow(trigger.window, res::kIdTriggerList, 1, false);
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{1}));
    Input().clickRow(trigger.window, res::kIdTriggerList, 3, false);
    EXPECT_TRUE(list.selectedRows().empty());
}

TEST(Win32Backend, ListHearsOfKeysBeforeItMovesItsSelection) {
    struct Case {
        Key key;
        bool taken;
        std::vector<int> selectedAfter;
        std::vector<std::string> events;
    };
    const std::string down = "key " + std::to_string(int(Key::Down));
    const std::string enter = "key " + std::to_string(int(Key::Enter));
    const std::string escape = "key " + std::to_string(int(Key::Escape));
    const Case cases[] = {
        {Key::Down, true, {5}, {down}},
        {Key::Down, false, {6}, {down}},
        {Key::Enter, false, {5}, {enter, "activated 5", "enter"}},
        {Key::Enter, true, {5}, {enter}},
        {Key::Escape, false, {5}, {escape, "escape"}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(int(test.key) * 2 + test.taken);
        Rows rows;
        TriggerWindow trigger(rows);
        Input().clickRow(trigger.window, res::kIdTriggerList, 5, false);
        trigger.window.events.clear();
        std::vector<int> selectedAtKey;
        trigger.window.takeListKey = [&](Key) {
            selectedAtKey = trigger.list->selectedRows();
            return test.taken;
        };
        trigger.list->setOnActivated(
            [&](int row) { trigger.window.events.push_back("activated " + std::to_string(row)); });
        Input().pressKey(trigger.window, res::kIdTriggerList, Keys(test.key));
        EXPECT_EQ(selectedAtKey, (std::vector<int>{5}));
        EXPECT_EQ(trigger.list->selectedRows(), test.selectedAfter);
        EXPECT_EQ(trigger.window.events, test.events);
    }
}

TEST(Win32Backend, MenuKeysReachTheMainWindowAfterTheTextFieldsOwnUndo) {
    Window main(res::kIdMainDialog);
    main.attachMenu(res::kIdMainMenu);
    Rows rows;
    TriggerWindow trigger(rows);
    Window taskForces(res::kIdTaskForceDialog, &main);
    auto command = [](int id) { return "command " + std::to_string(id); };

    // From a list of a modeless window.
    Input().clickRow(trigger.window, res::kIdTriggerList, 0, false);
    Input().pressKey(trigger.window, res::kIdTriggerList, u"Ctrl+S");
    EXPECT_EQ(main.events, (std::vector<std::string>{command(res::kCmdSave)}));

    // An edit box takes back its one step of typing, and does it again.
    auto *name = trigger.window.control<gui::Edit>(res::kIdTriggerName);
    Input().type(trigger.window, res::kIdTriggerName, u"ab");
    main.events.clear();
    Input().pressKey(trigger.window, res::kIdTriggerName, u"Ctrl+Z");
    EXPECT_EQ(name->text(), u"");
    Input().pressKey(trigger.window, res::kIdTriggerName, u"Ctrl+Z");
    Input().pressKey(trigger.window, res::kIdTriggerName, u"Ctrl+Y");
    EXPECT_EQ(name->text(), u"ab");
    Input().pressKey(trigger.window, res::kIdTriggerName, u"Ctrl+Shift+Z");
    EXPECT_EQ(main.events,
              (std::vector<std::string>{command(res::kCmdUndo), command(res::kCmdRedo)}));

    // A text area keeps a history of its own: the whole text replaced is one step.
    taskForces.show();
    auto *area = taskForces.control<gui::TextArea>(res::kIdTaskForceText);
    area->setText(u"[TF]\nName=old");
    area->replaceText(u"[TF]\nName=new");
    main.events.clear();
    Input().pressKey(taskForces, res::kIdTaskForceText, u"Ctrl+Z");
    EXPECT_EQ(area->text(), u"[TF]\nName=old");
    Input().pressKey(taskForces, res::kIdTaskForceText, u"Ctrl+Z");
    Input().pressKey(taskForces, res::kIdTaskForceText, u"Ctrl+Y");
    EXPECT_EQ(area->text(), u"[TF]\nName=new");
    EXPECT_EQ(main.events, (std::vector<std::string>{command(res::kCmdUndo)}));

    // Typed lines: the Return key makes one line break.
    Input().type(taskForces, res::kIdTaskForceText, u"0=1,E1\n1=2,E2");
    EXPECT_EQ(area->text(), u"0=1,E1\n1=2,E2");
    EXPECT_EQ(area->caretLine(), 1);

    // The caret put at the end of a line, lines as the text has them; a new text is heard.
    int moves = 0;
    area->setOnCaretMoved([&] { ++moves; });
    area->setText(u"a\nbb\n\nccc");
    EXPECT_GT(moves, 0);
    HWND field = gui::win32::ControlWindowOf(taskForces, res::kIdTaskForceText);
    const std::pair<int, LONG> caretCases[] = {{0, 1}, {1, 4}, {2, 5}, {3, 9}, {7, 9}, {-1, 1}};
    for (const auto &[line, at] : caretCases) {
        SCOPED_TRACE(line);
        area->setCaretLine(line);
        CHARRANGE caret = {};
        SendMessageW(field, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        EXPECT_EQ(caret.cpMin, at);
        EXPECT_EQ(caret.cpMax, at);
        EXPECT_EQ(area->caretLine(), std::clamp(line, 0, 3));
    }
}

TEST(Win32Backend, SearchFieldShowsItsCueAndAnswersEscapeAndCtrlF) {
    Rows rows;
    TriggerWindow trigger(rows);
    auto *filter = trigger.window.control<gui::Edit>(res::kIdTriggerFilter);
    HWND field = gui::win32::ControlWindowOf(trigger.window, res::kIdTriggerFilter);
    wchar_t cue[32] = {};
    SendMessageW(field, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 32);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(cue)), u"ID 或注释");
    int changes = 0;
    filter->setOnChanged([&] { ++changes; });

    Input().type(trigger.window, res::kIdTriggerFilter, u"abc");
    EXPECT_EQ(changes, 3);
    Input().pressKey(trigger.window, res::kIdTriggerFilter, u"Escape");
    EXPECT_EQ(filter->text(), u"");
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(trigger.window.events.empty());
    // An empty field leaves Escape to the window.
    Input().pressKey(trigger.window, res::kIdTriggerFilter, u"Escape");
    EXPECT_EQ(trigger.window.events, (std::vector<std::string>{"escape"}));

    filter->setText(u"abc");
    Input().clickRow(trigger.window, res::kIdTriggerList, 0, false);
    Input().pressKey(trigger.window, res::kIdTriggerList, u"Ctrl+F");
    EXPECT_EQ(GetFocus(), field);
    DWORD start = 1, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 3u);
}

TEST(Win32Backend, SortedComboBoxListsItsItemsAndTellsOfTheOneChosen) {
    Rows rows;
    TriggerWindow trigger(rows);
    auto *house = trigger.window.control<gui::ComboBox>(res::kIdTriggerHouse);
    house->setText(u"typed");
    house->setItems({u"b", u"A", u"苏联", u"a", u"C"});
    EXPECT_EQ(house->text(), u"typed");
    std::vector<std::u16string> items;
    for (int i = 0; i < house->itemCount(); ++i)
        items.push_back(house->itemText(i));
    EXPECT_EQ(items, (std::vector<std::u16string>{u"A", u"a", u"b", u"C", u"苏联"}));

    int chosen = -1;
    std::u16string shownWhenChosen;
    house->setOnChosen([&](int index) {
        chosen = index;
        shownWhenChosen = house->text();
    });
    Input().choose(trigger.window, res::kIdTriggerHouse, 4);
    EXPECT_EQ(chosen, 4);
    EXPECT_EQ(shownWhenChosen, u"苏联");
}

// 插入成员 behaves as on Qt: typing lists the items that hold the typed text (Latin letters in
// either case) under the field, Down and Enter take one, told by its place among all the items;
// the whole list is back once the filtered one closes.
TEST(Win32Backend, FilteringComboBoxListsTheItemsThatHoldTheTypedText) {
    Window window{res::kIdTaskForceDialog};
    window.show();
    Input().settle();
    const int id = res::kIdTaskForceInsertMember;
    auto *box = window.control<gui::ComboBox>(id);
    HWND combo = gui::win32::ControlWindowOf(window, id);
    box->setItems(
        {u"E1 GI（步兵）", u"HTNK Grizzly Battle Tank（车辆）", u"MTNK Lasher Tank（车辆）"});
    // As the windows do, the program leaves its own text in the box: that is what it shows.
    int chosen = -1;
    box->setOnChosen([&](int index) {
        chosen = index;
        box->setText(box->itemText(index).substr(0, 4));
    });
    const auto shown = [&] { return int(SendMessageW(combo, CB_GETCOUNT, 0, 0)); };
    const auto dropped = [&] { return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; };

    Input().type(window, id, u"TANK");
    EXPECT_TRUE(dropped());
    EXPECT_EQ(shown(), 2);
    EXPECT_EQ(box->text(), u"TANK");
    EXPECT_EQ(box->itemCount(), 3);
    Input().pressKey(window, id, u"Down");
    Input().pressKey(window, id, u"Enter");
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(box->text(), u"HTNK");
    EXPECT_FALSE(dropped());
    EXPECT_EQ(shown(), 3);

    Input().type(window, id, u"zzz");
    EXPECT_FALSE(dropped());
    EXPECT_EQ(shown(), 0);
    box->setText({});
    EXPECT_EQ(shown(), 0); // the program's own text is no typing
    Input().choose(window, id, 2);
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(box->text(), u"MTNK");
}

TEST(Win32Backend, ComboBoxOffersTheItemsStartingWithWhatIsTyped) {
    Rows rows;
    TriggerWindow trigger(rows);
    auto *team = trigger.window.control<gui::ComboBox>(res::kIdTriggerTeam);
    team->setItems({u"TM_Beta", u"xTM_A", u"TM_Alpha", u"Other"});
    HWND box = gui::win32::ControlWindowOf(trigger.window, res::kIdTriggerTeam);
    int chosen = -1;
    team->setOnChosen([&](int index) { chosen = index; });
    const struct {
        std::string typed;
        bool offered;       // the list drops down
        std::u16string key; // pressed then
        std::u16string text;
        int chosen;
    } cases[] = {
        {"tm_", true, u"Enter", u"TM_Alpha", 1}, // the first that starts with it
        {"tm_b", true, u"Enter", u"TM_Beta", 2},
        {"tm_b", true, u"Escape", u"tm_b", -1},
        {"TM_Gamma", false, u"Enter", u"TM_Gamma", -1}, // not an item: kept as typed
    };
    for (const auto &c : cases) {
        chosen = -1;
        team->setText({});
        Input().type(trigger.window, res::kIdTriggerTeam, U16(c.typed));
        EXPECT_EQ(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != 0, c.offered) << c.typed;
        EXPECT_EQ(team->text(), U16(c.typed));
        Input().pressKey(trigger.window, res::kIdTriggerTeam, c.key);
        EXPECT_EQ(team->text(), c.text);
        EXPECT_EQ(chosen, c.chosen);
        EXPECT_EQ(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0), 0);
    }
}

TEST(Win32Backend, EachInputIsNamedByTheLabelRightBeforeIt) {
    Rows rows;
    TriggerWindow trigger(rows);
    const std::pair<int, std::u16string> cases[] = {
        {res::kIdTriggerName, u"注释"},
        {res::kIdTriggerHouse, u"指定国家"},
        {res::kIdTriggerMaxWeight, u"最高权重"},
        // No label: a hidden one with the template's name.
        {res::kIdTriggerFilter, u"筛选"},
        {res::kIdTriggerList, u"触发列表"},
    };
    for (const auto &[id, name] : cases) {
        HWND label = GetWindow(gui::win32::ControlWindowOf(trigger.window, id), GW_HWNDPREV);
        wchar_t text[64] = {}, className[16] = {};
        GetWindowTextW(label, text, 64);
        GetClassNameW(label, className, 16);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t *>(text)), name) << id;
        EXPECT_EQ(_wcsicmp(className, L"Static"), 0) << id;
    }
}

TEST(Win32Backend, ControlsFollowTheirAnchorsAndTheWindowKeepsItsTemplateSize) {
    Rows rows;
    TriggerWindow trigger(rows);
    HWND window = gui::win32::WindowOf(trigger.window);
    auto place = [&](int id) {
        RECT rect;
        HWND control = gui::win32::ControlWindowOf(trigger.window, id);
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&rect), 2);
        return rect;
    };
    const RECT list = place(res::kIdTriggerList), close = place(res::kIdTriggerClose),
               name = place(res::kIdTriggerName);
    const gui::Size size = trigger.window.frameSize();

    SetWindowPos(window, nullptr, 0, 0, size.width + 100, size.height + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    Input().settle();
    const RECT grownList = place(res::kIdTriggerList), movedClose = place(res::kIdTriggerClose),
               movedName = place(res::kIdTriggerName);
    EXPECT_EQ(grownList.right - list.right, 100);
    EXPECT_EQ(grownList.bottom - list.bottom, 60);
    EXPECT_EQ(grownList.left, list.left);
    EXPECT_EQ(movedClose.left - close.left, 100);
    EXPECT_EQ(movedClose.top, close.top);
    EXPECT_EQ(movedName.right - movedName.left, name.right - name.left);

    // Never smaller than the template.
    SetWindowPos(window, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    Input().settle();
    EXPECT_EQ(trigger.window.frameSize().width, size.width);
    EXPECT_EQ(trigger.window.frameSize().height, size.height);
    EXPECT_EQ(place(res::kIdTriggerClose).left, close.left);
}

TEST(Win32Backend, FilesDroppedOnTheMainWindowReachItsHook) {
    Window main(res::kIdMainDialog);
    const std::vector<std::u16string> paths = {u"C:\\mods\\甲.ini", u"D:\\ai.ini"};
    // The drop as the shell hands it over: the paths one after another, then an empty one.
    std::u16string list;
    for (const std::u16string &path : paths)
        list += path + u'\0';
    list += u'\0';
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(char16_t));
    auto *files = static_cast<DROPFILES *>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, list.data(), list.size() * sizeof(char16_t));
    GlobalUnlock(drop);
    HWND window = gui::win32::WindowOf(main);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    Input().settle();
    EXPECT_EQ(main.dropped, paths);
}

// The shown window of ours with this caption, or its child whose text begins with `text` (the
// mnemonic mark left out); nullptr when there is none.
HWND FindShown(HWND parent, const std::u16string &text) {
    struct Search {
        std::u16string text;
        HWND found = nullptr;
    } search{text};
    auto visit = [](HWND window, LPARAM data) -> BOOL {
        auto *search = reinterpret_cast<Search *>(data);
        wchar_t buffer[128] = {};
        GetWindowTextW(window, buffer, 128);
        std::u16string shown;
        for (const wchar_t *c = buffer; *c; ++c)
            if (*c != L'&') shown += char16_t(*c);
        if (!IsWindowVisible(window) || shown.rfind(search->text, 0) != 0) return TRUE;
        search->found = window;
        return FALSE;
    };
    if (parent) {
        EnumChildWindows(parent, visit, reinterpret_cast<LPARAM>(&search));
    } else {
        EnumThreadWindows(GetCurrentThreadId(), visit, reinterpret_cast<LPARAM>(&search));
    }
    return search.found;
}

void Click(HWND target) {
    RECT client;
    GetClientRect(target, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(target, WM_LBUTTONUP, 0, centre);
}

// Once the window of ours with this caption is shown, `act` answers it; until it can, it is
// tried again. The dialog manager shows a box when its queue first runs empty, so the answer
// waits on a timer, not on posted work.
class WhenShown {
public:
    WhenShown(std::u16string caption, std::function<bool(HWND window)> act)
        : caption_(std::move(caption)), act_(std::move(act)),
          timer_(gui::MakeTimer([this] { tryToAct(); })) {
        timer_->start(20);
    }

private:
    void tryToAct() {
        HWND window = FindShown(nullptr, caption_);
        if ((!window || !act_(window)) && --tries_ > 0) timer_->start(20);
    }

    std::u16string caption_;
    std::function<bool(HWND)> act_;
    std::unique_ptr<gui::Timer> timer_;
    int tries_ = 250;
};

// A click on the box's button whose text begins with `button`; Escape when it is empty.
std::function<bool(HWND)> Press(std::u16string button) {
    return [button](HWND box) {
        if (button.empty()) {
            PostMessageW(GetFocus() ? GetFocus() : box, WM_KEYDOWN, VK_ESCAPE, 1);
            return true;
        }
        HWND target = FindShown(box, button);
        if (target) Click(target);
        return target != nullptr;
    };
}

TEST(Win32Backend, BoxesAskWithTheButtonsTheirQuestionNames) {
    Window main(res::kIdMainDialog);
    main.show();
    gui::win32::InstallSeams();
    struct Case {
        Buttons buttons;
        bool report;
        std::u16string button; // empty: Escape
        Answer answer;
    };
    const Case cases[] = {
        {Buttons::SaveDiscardCancel, false, u"不保存", Answer::Discard},
        {Buttons::SaveDiscardCancel, false, u"", Answer::Cancel},
        {Buttons::ReloadIgnore, false, u"重新载入", Answer::Reload},
        {Buttons::ReloadIgnore, false, u"", Answer::Ignore},
        {Buttons::OverwriteCancel, false, u"覆盖", Answer::Overwrite},
        {Buttons::RestoreDiscardLater, false, u"恢复", Answer::Restore},
        {Buttons::RestoreDiscardLater, false, u"", Answer::Later},
        {Buttons::YesNoCancel, false, u"否", Answer::No},
        {Buttons::Ok, false, u"", Answer::Ok},
        {Buttons::SaveCancel, true, u"保存", Answer::Save},
        {Buttons::SaveCancel, true, u"", Answer::Cancel},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(int(test.buttons) * 10 + test.report);
        const std::u16string caption = u"问题 " + U16(std::to_string(int(test.buttons)));
        WhenShown answerer(caption, Press(test.button));
        const Answer answer =
            test.report ? platform::ShowOwnedReport(u"一段\n长的文字", caption, test.buttons)
                        : platform::ShowOwnedMessage(u"要保存吗？", caption, test.buttons,
                                                     platform::Icon::Question);
        EXPECT_EQ(answer, test.answer);
        EXPECT_TRUE(IsWindowEnabled(gui::win32::WindowOf(main)));
    }
    platform::SetMessageBoxHandler({});
    platform::SetOpenFileHandler({});
    platform::SetExitHandler({});
}

TEST(Win32Backend, ModelessReportSortsItsFindingsAndTellsWhichIsActivated) {
    Window main(res::kIdMainDialog);
    main.show();
    gui::win32::InstallSeams();
    std::vector<size_t> activated;
    int refreshed = 0;
    auto findings = [&](std::vector<std::u16string> ids) {
        platform::ReportTable table;
        table.summary = u"发现 " + U16(std::to_string(ids.size())) + u" 个问题";
        table.headers = {u"ID", u"问题"};
        for (const std::u16string &id : ids)
            table.rows.push_back({id, u"缺少 " + id});
        table.activated = [&](size_t row) { activated.push_back(row); };
        return table;
    };
    EXPECT_EQ(platform::ShowOwnedReport({}, u"检查文件", Buttons::Close, findings({u"b", u"a"}),
                                        [&] {
                                            ++refreshed;
                                            return findings({u"c", u"b", u"a"});
                                        }),
              Answer::Ok);
    HWND report = FindWindowW(nullptr, L"检查文件");
    ASSERT_TRUE(report);
    HWND table = FindWindowExW(report, nullptr, WC_LISTVIEWW, nullptr);
    auto cell = [table](int row) {
        wchar_t text[32] = {};
        ListView_GetItemText(table, row, 0, text, 32);
        return std::u16string(reinterpret_cast<const char16_t *>(text));
    };
    auto post = [](HWND target, std::initializer_list<UINT> messages, POINT at) {
        for (UINT message : messages)
            PostMessageW(target, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                         MAKELPARAM(at.x, at.y));
        Input().settle();
    };
    EXPECT_EQ(ListView_GetItemCount(table), 2);

    // A click on the first header sorts by it; a double click on a row names its finding.
    RECT header;
    Header_GetItemRect(ListView_GetHeader(table), 0, &header);
    post(ListView_GetHeader(table), {WM_LBUTTONDOWN, WM_LBUTTONUP},
         {(header.left + header.right) / 2, (header.top + header.bottom) / 2});
    EXPECT_EQ(cell(0), u"a");
    RECT row;
    ListView_GetItemRect(table, 0, &row, LVIR_LABEL);
    post(table, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
         {row.left + 4, (row.top + row.bottom) / 2});
    EXPECT_EQ(activated, (std::vector<size_t>{1}));

    // 刷新 fills it again; 关闭 closes it.
    Click(FindShown(report, u"刷新"));
    Input().settle();
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(ListView_GetItemCount(table), 3);
    Click(FindShown(report, u"关闭"));
    Input().settle();
    EXPECT_FALSE(IsWindow(report));
    platform::SetMessageBoxHandler({});
    platform::SetOpenFileHandler({});
    platform::SetExitHandler({});
}

TEST(Win32Backend, OpenFileDialogGivesTheChosenPath) {
    Window main(res::kIdMainDialog);
    main.show();
    gui::win32::InstallSeams();
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "甲.ini";
    std::ofstream(file) << "[A]\n";
    // The file name typed into the dialog's name field, then Enter.
    WhenShown type(u"打开", [&](HWND dialog) {
        HWND name = GetDlgItem(dialog, edt1);
        if (!name) {
            EnumChildWindows(
                GetDlgItem(dialog, cmb13),
                [](HWND window, LPARAM found) -> BOOL {
                    wchar_t className[16] = {};
                    GetClassNameW(window, className, 16);
                    if (_wcsicmp(className, L"Edit") != 0) return TRUE;
                    *reinterpret_cast<HWND *>(found) = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&name));
        }
        if (!name) return false;
        SetWindowTextW(name, file.c_str());
        SetFocus(name);
        PostMessageW(name, WM_KEYDOWN, VK_RETURN, 1);
        return true;
    });
    EXPECT_EQ(platform::AskOpenFileName(u"AI 文件 (*.ini)|*.ini|所有文件 (*.*)|*.*||"),
              file.u16string());
    WhenShown cancel(u"打开", Press(u""));
    EXPECT_EQ(platform::AskOpenFileName(u"AI 文件 (*.ini)|*.ini||"), u"");
    std::filesystem::remove(file);
    platform::SetMessageBoxHandler({});
    platform::SetOpenFileHandler({});
    platform::SetExitHandler({});
}

// The new entry dialog as its window has it: Enter confirms, Escape is left to the dialog.
class ConfirmDialog : public gui::Dialog {
public:
    explicit ConfirmDialog(gui::Dialog &owner) : Dialog(res::kIdAddNewDialog, &owner) {}

protected:
    bool onEnter() override {
        accept();
        return true;
    }
};

TEST(Win32Backend, ModalWindowIsTheOnlyOneTakingInputUntilItEnds) {
    Window main(res::kIdMainDialog);
    main.show();
    HWND mainWindow = gui::win32::WindowOf(main);
    for (const Key key : {Key::Enter, Key::Escape}) {
        SCOPED_TRACE(int(key));
        ConfirmDialog dialog(main);
        // A window the modal one owns is part of it: the main window run modally keeps its
        // editor windows.
        Window owned(res::kIdTriggerDialog, &dialog);
        bool mainBlocked = false, ownedTakesInput = false;
        std::unique_ptr<gui::Timer> press = gui::MakeTimer([&] {
            mainBlocked = !IsWindowEnabled(mainWindow);
            ownedTakesInput = IsWindowEnabled(gui::win32::WindowOf(owned));
            Input().type(dialog, res::kIdAddNewId, u"NEW-ID");
            Input().pressKey(dialog, res::kIdAddNewId, Keys(key));
        });
        press->start(20);
        EXPECT_EQ(dialog.exec(), key == Key::Enter);
        EXPECT_TRUE(mainBlocked);
        EXPECT_TRUE(ownedTakesInput);
        EXPECT_TRUE(IsWindowEnabled(mainWindow));
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.control<gui::Edit>(res::kIdAddNewId)->text(), u"NEW-ID");
    }
}

TEST(Win32Backend, SystemServicesRunOnTheUserInterfaceThread) {
    EXPECT_GT(gui::WorkArea().width, 0);
    EXPECT_GT(gui::WorkArea().height, 0);

    std::vector<std::string> ran;
    gui::Post([&] { ran.push_back("posted"); });
    EXPECT_TRUE(ran.empty());
    std::unique_ptr<gui::Timer> timer = gui::MakeTimer([&] { ran.push_back("timer"); });
    timer->start(10);
    EXPECT_TRUE(timer->isActive());

    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "vantaedit-watched.ini";
    std::ofstream(path) << "[A]\n";
    std::unique_ptr<gui::FileWatcher> watcher =
        gui::MakeFileWatcher([&] { ran.push_back("changed"); });
    watcher->watch({path.u16string()});
    Sleep(50);
    std::ofstream(path, std::ios::app) << "1=2\n";

    for (int i = 0; i < 300 && ran.size() < 3; ++i) {
        Input().settle();
        Sleep(10);
    }
    std::sort(ran.begin(), ran.end());
    EXPECT_EQ(ran, (std::vector<std::string>{"changed", "posted", "timer"}));
    EXPECT_FALSE(timer->isActive());
    watcher.reset();
    std::filesystem::remove(path);

    const std::vector<std::u16string> recent = {u"C:\\mods\\甲.ini", u"tab\there\nand\\line"};
    gui::WriteSetting(u"testRecentFiles", recent);
    gui::WriteSetting(u"testOther", {u"x"});
    EXPECT_EQ(gui::ReadSetting(u"testRecentFiles"), recent);
    gui::WriteSetting(u"testRecentFiles", {});
    gui::WriteSetting(u"testOther", {});
    EXPECT_TRUE(gui::ReadSetting(u"testRecentFiles").empty());
}

} // namespace

namespace {

// What a child window of a template needs to show its text whole; empty when it fits. Static
// texts wrap at word boundaries; buttons and check boxes show one line.
std::string Clipped(HWND child) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    const int length = GetWindowTextLengthW(child);
    if (length == 0 || !(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) return {};
    std::wstring text(size_t(length) + 1, L'\0');
    GetWindowTextW(child, text.data(), length + 1);
    text.resize(size_t(length));
    // A decoration (the bars between the flags) is no text to read.
    if (std::none_of(text.begin(), text.end(), [](wchar_t c) { return IsCharAlphaNumericW(c); }))
        return {};
    RECT client;
    GetClientRect(child, &client);
    HDC dc = GetDC(child);
    HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageW(child, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT needed = {0, 0, client.right, 0};
    int extra = 0;
    UINT format = DT_CALCRECT | DT_NOPREFIX;
    if (_wcsicmp(className, L"Static") == 0) {
        format |= DT_WORDBREAK;
    } else if (_wcsicmp(className, L"Button") == 0) {
        needed.right = 1 << 20;
        const LONG style = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
        extra = style == BS_AUTOCHECKBOX ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 4;
    } else {
        format = 0;
    }
    if (format) DrawTextW(dc, text.c_str(), length, &needed, format);
    SelectObject(dc, old);
    ReleaseDC(child, dc);
    if (!format) return {};
    const int lines = std::max(1L, (client.bottom + metrics.tmDescent) / metrics.tmHeight);
    if (needed.right + extra <= client.right && needed.bottom / metrics.tmHeight <= lines)
        return {};
    return std::string(text.begin(), text.end()) + " needs " +
           std::to_string(needed.right + extra) + "x" + std::to_string(needed.bottom) +
           " px, has " + std::to_string(client.right) + "x" + std::to_string(client.bottom);
}

} // namespace

TEST(Win32Backend, EveryTemplateFitsItsTextsInBothLanguages) {
    for (const res::Language language : {res::Language::Chinese, res::Language::English}) {
        gui::UseLanguage(language);
        for (const res::DialogTemplate *dialogTemplate : res::AllDialogs()) {
            Window window(dialogTemplate->id);
            for (HWND child = GetWindow(gui::win32::WindowOf(window), GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                const std::string found = Clipped(child);
                EXPECT_TRUE(found.empty())
                    << "template " << dialogTemplate->id << " in "
                    << (language == res::Language::Chinese ? "zh" : "en") << ": " << found;
            }
        }
    }
    gui::UseLanguage(res::Language::Chinese);
}
