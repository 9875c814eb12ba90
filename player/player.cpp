#include "player/player.h"

#include "app/vantaeditdlg.h"
#include "core/windowsignals.h"
#include "gui/dialog.h"
#include "platform/codepage.h"
#include "platform/seams.h"
#include "player/json.h"
#include "res/addnewdialog.h"
#include "res/entrytextdialogs.h"
#include "res/teamdialog.h"
#include "res/text.h"
#include "res/transferdialogs.h"
#include "res/triggerdialog.h"
#include "teams/teamform.h"
#include "triggers/triggerwindow.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <span>
#include <stdexcept>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The status of a run: passed, a difference, or a scenario that could not be replayed.
enum Status { kPass = 0, kDifference = 1, kCannotReplay = 2 };

// A step, or the scenario itself, that cannot be carried out.
struct CannotReplay : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string U8(std::u16string_view text) { return platform::WideToUtf8(text); }
std::u16string U16(std::string_view utf8) { return platform::Utf8ToWide(utf8); }

std::string InCurrentLanguage(const std::string &utf8);

std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CannotReplay("cannot read " + path.generic_string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

JsonValue ReadJson(const fs::path &path) {
    std::string error;
    std::optional<JsonValue> value = JsonValue::Parse(ReadFile(path), error);
    if (!value) throw CannotReplay(path.filename().generic_string() + ": " + error);
    return std::move(*value);
}

const std::string &TextOf(const JsonValue &step, const char *key) {
    const JsonValue *value = step.member(key);
    if (!value || !value->string()) throw CannotReplay(std::string("no text \"") + key + "\"");
    return *value->string();
}

int64_t NumberOf(const JsonValue &step, const char *key) {
    const JsonValue *value = step.member(key);
    if (!value || !value->number()) throw CannotReplay(std::string("no number \"") + key + "\"");
    return *value->number();
}

bool FlagOf(const JsonValue &step, const char *key) {
    const JsonValue *value = step.member(key);
    if (!value || !value->boolean())
        throw CannotReplay(std::string("no true or false \"") + key + "\"");
    return *value->boolean();
}

// Every regular file under `folder`, by its path relative to it.
std::set<std::string> FilesUnder(const fs::path &folder) {
    std::set<std::string> files;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), folder).generic_string());
    return files;
}

// The first way the working folder differs from the expected one.
std::optional<std::string> FolderDifference(const fs::path &expected, const fs::path &actual) {
    const std::set<std::string> want = FilesUnder(expected);
    const std::set<std::string> have = FilesUnder(actual);
    for (const std::string &file : want)
        if (!have.count(file)) return "file " + file + ": missing";
    for (const std::string &file : have)
        if (!want.count(file)) return "file " + file + ": not expected";
    for (const std::string &file : want) {
        const std::string a = ReadFile(expected / file);
        const std::string b = ReadFile(actual / file);
        if (a == b) continue;
        size_t at = 0;
        while (at < a.size() && at < b.size() && a[at] == b[at])
            ++at;
        const size_t line = size_t(std::count(a.begin(), a.begin() + ptrdiff_t(at), '\n')) + 1;
        return "file " + file + ": differs at byte " + std::to_string(at) + " (line " +
               std::to_string(line) + ")";
    }
    return std::nullopt;
}

JsonValue Text(std::u16string_view text) { return JsonValue(U8(text)); }

// A text field's text with every line break as one LF, whatever the control holds.
std::string FieldText(std::u16string text) {
    std::string out;
    const std::string utf8 = U8(text);
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            out += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

JsonValue Rows(const gui::ReportList &list) {
    JsonValue::Array rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        JsonValue::Array cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells.push_back(Text(list.cellText(row, column)));
        rows.push_back(std::move(cells));
    }
    return rows;
}

JsonValue Selected(const gui::ReportList &list) {
    JsonValue::Array rows;
    for (int row : list.selectedRows())
        rows.emplace_back(int64_t(row));
    return rows;
}

void SetEnvironment(const char *name, const fs::path &value) {
#ifdef _WIN32
    _wputenv_s(fs::path(name).c_str(), value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
}

// Where each window of the scenario format is, and its list.
struct Window {
    const char *name;
    gui::Dialog *dialog;
    int listId;
};

// The folders a run is given on the command line, each absolute.
struct Folders {
    std::optional<fs::path> keep;     // the working folder, kept afterwards
    bool resume = false;              // `keep` as an earlier run left it, instead of input/
    std::optional<fs::path> dataHome; // the user's data folder, for recovery files
};

class Player {
public:
    Player(gui::Driver &driver, fs::path scenario, Folders folders)
        : driver_(driver), scenario_(std::move(scenario)), folders_(std::move(folders)) {}
    ~Player();

    int Run(const std::optional<fs::path> &stateFile);

private:
    void Prepare();
    void Replay(const JsonValue &step);
    Window WindowNamed(const std::string &name) const;
    int ControlOf(const gui::Dialog &window, const JsonValue &step, const char *textKey) const;
    JsonValue State() const;
    std::optional<std::string> StateDifference(const JsonValue &scenario,
                                               const JsonValue &state) const;
    platform::Answer Answer(const platform::MessageBoxRequest &request);

    gui::Driver &driver_;
    fs::path scenario_;
    Folders folders_;
    fs::path work_;
    // The data folder of the run's own, when none was given: removed afterwards.
    fs::path ownData_;
    fs::path startFolder_;
    std::unique_ptr<CVantaEditDlg> main_;
    // What the file dialog and the split question answer during the step that asks them.
    std::u16string openPath_;
    std::optional<bool> split_;
    std::vector<std::string> messages_;
};

Player::~Player() {
    main_.reset();
    ResetWindowSignals();
    platform::SetMessageBoxHandler({});
    platform::SetOpenFileHandler({});
    platform::SetExitHandler({});
    std::error_code ignored;
    if (!startFolder_.empty()) fs::current_path(startFolder_, ignored);
    if (!folders_.keep && !work_.empty()) fs::remove_all(work_, ignored);
    if (!ownData_.empty()) fs::remove_all(ownData_, ignored);
}

void Player::Prepare() {
    const auto stamp = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
    if (folders_.resume) {
        work_ = *folders_.keep;
        if (!fs::is_directory(work_))
            throw CannotReplay("no working folder " + work_.generic_string() + " to resume");
    } else {
        if (!fs::is_directory(scenario_ / "input")) throw CannotReplay("no input folder");
        if (folders_.keep) {
            work_ = *folders_.keep;
            if (fs::exists(work_) && !fs::is_empty(work_))
                throw CannotReplay("the working folder " + work_.generic_string() +
                                   " is not empty");
        } else {
            work_ = fs::temp_directory_path() / ("vantaedit-player-" + stamp);
        }
        fs::create_directories(work_);
        fs::copy(scenario_ / "input", work_, fs::copy_options::recursive);
    }
    // Recovery files go to a data folder of the run's, never to the user's, nor into the
    // working folder that is compared with expected/.
    fs::path data = folders_.dataHome.value_or(fs::path());
    if (data.empty())
        data = ownData_ = fs::temp_directory_path() / ("vantaedit-player-data-" + stamp);
    fs::create_directories(data);
    SetEnvironment("XDG_DATA_HOME", data);
    SetEnvironment("LOCALAPPDATA", data);
    startFolder_ = fs::current_path();
    // The program reads its template for new teams from the current folder.
    fs::current_path(work_);

    platform::SetOpenFileHandler([this](const std::u16string &) { return openPath_; });
    platform::SetMessageBoxHandler(
        [this](const platform::MessageBoxRequest &request) { return Answer(request); });
    platform::SetExitHandler(
        [this](int status) { messages_.push_back("exit " + std::to_string(status)); });
}

platform::Answer Player::Answer(const platform::MessageBoxRequest &request) {
    using platform::Answer;
    using platform::Buttons;
    messages_.push_back(U8(request.text));
    if (request.refresh) return Answer::Ok;
    switch (request.buttons) {
    case Buttons::YesNoCancel: // the split question
        return split_ ? (*split_ ? Answer::Yes : Answer::No) : Answer::Cancel;
    case Buttons::SaveCancel: // a report before a save
        return Answer::Save;
    case Buttons::SaveDiscardCancel: // unsaved changes before another file
        return Answer::Discard;
    case Buttons::ReloadIgnore:
        return Answer::Ignore;
    case Buttons::OverwriteCancel:
        return Answer::Overwrite;
    case Buttons::YesNo:
        return Answer::Yes;
    case Buttons::RestoreDiscardLater: // a recovery file found at Open
        return Answer::Restore;
    case Buttons::Ok:
    case Buttons::Close:
        break;
    }
    return Answer::Ok;
}

Window Player::WindowNamed(const std::string &name) const {
    const Window windows[] = {
        {"main", main_.get(), res::kNoId},
        {"addnew", g_addNewWindow, res::kNoId},
        {"taskforce", g_taskForceWindow, res::kIdTaskForceList},
        {"script", g_scriptWindow, res::kIdScriptList},
        {"team", g_teamWindow, res::kIdTeamList},
        {"trigger", g_triggerWindow, res::kIdTriggerList},
        {"import", main_->importWindow(), res::kIdImportList},
        {"copychain",
         g_triggerWindow ? static_cast<CAIT *>(g_triggerWindow)->copyChainDialog() : nullptr,
         res::kNoId},
    };
    for (const Window &window : windows)
        if (name == window.name) return window;
    throw CannotReplay("no window \"" + name + "\"");
}

// The control a step names: by its id, or by the text of its label (or of the button itself).
int Player::ControlOf(const gui::Dialog &window, const JsonValue &step, const char *textKey) const {
    if (const JsonValue *id = step.member("control"); id && id->number()) {
        if (!window.control(int(*id->number())))
            throw CannotReplay("no control " + std::to_string(*id->number()));
        return int(*id->number());
    }
    const std::u16string text = U16(TextOf(step, textKey));
    for (const res::Control &control : res::FindDialog(window.templateId())->controls) {
        // Scenarios name controls in Chinese, whatever language the replay runs in.
        if (res::StrIn(res::Language::Chinese, control.text) != text &&
            res::Str(control.text) != text)
            continue;
        if (control.buddy != res::kNoId) return control.buddy;
        if (control.id != res::kNoId) return control.id;
    }
    throw CannotReplay("no control \"" + U8(text) + "\"");
}

void Player::Replay(const JsonValue &step) {
    const std::string &action = TextOf(step, "action");
    const Window window = WindowNamed(TextOf(step, "window"));
    if (!window.dialog || !window.dialog->isVisible())
        throw CannotReplay(std::string("the window ") + window.name + " is not shown");
    gui::Dialog &dialog = *window.dialog;
    auto list = [&]() -> gui::ReportList & {
        auto *rows = dialog.control<gui::ReportList>(window.listId);
        if (!rows) throw CannotReplay(std::string("the window ") + window.name + " has no list");
        return *rows;
    };
    auto typed = [&](int id) {
        if (!dialog.control<gui::Edit>(id) && !dialog.control<gui::TextArea>(id) &&
            !dialog.control<gui::ComboBox>(id))
            throw CannotReplay("control " + std::to_string(id) + " takes no text");
        return id;
    };

    if (action == "open") {
        openPath_ = (work_ / fs::path(U16(TextOf(step, "file")))).u16string();
        driver_.command(dialog, res::kCmdOpen);
        openPath_.clear();
    } else if (action == "import") {
        openPath_ = (work_ / fs::path(U16(TextOf(step, "file")))).u16string();
        driver_.command(dialog, res::kCmdImport);
        openPath_.clear();
    } else if (action == "rules") {
        openPath_ = (work_ / fs::path(U16(TextOf(step, "file")))).u16string();
        driver_.command(dialog, res::kCmdRulesFile);
        openPath_.clear();
    } else if (action == "save") {
        split_ = FlagOf(step, "split");
        driver_.command(dialog, res::kCmdSave);
        split_.reset();
    } else if (action == "click_row" || action == "ctrl_click_row") {
        const int64_t row = NumberOf(step, "row");
        if (row < 0 || row >= list().rowCount())
            throw CannotReplay("no row " + std::to_string(row) + " in the list");
        driver_.clickRow(dialog, window.listId, int(row), action == "ctrl_click_row");
    } else if (action == "key") {
        driver_.pressKey(dialog, window.listId, U16(TextOf(step, "key")));
    } else if (action == "mouse_move") {
        driver_.moveOverSurface(dialog);
    } else if (action == "press") {
        const int id = ControlOf(dialog, step, "button");
        if (!dialog.control<gui::Button>(id))
            throw CannotReplay("control " + std::to_string(id) + " is no push button");
        driver_.click(dialog, id);
    } else if (action == "set_text") {
        driver_.type(dialog, typed(ControlOf(dialog, step, "label")), U16(TextOf(step, "text")));
    } else if (action == "set_check") {
        auto *box = dialog.control<gui::CheckBox>(ControlOf(dialog, step, "label"));
        if (!box) throw CannotReplay("the control is no check box");
        if (box->isChecked() != FlagOf(step, "checked"))
            driver_.click(dialog, ControlOf(dialog, step, "label"));
    } else if (action == "idle") {
        // The program runs on, handling its events (its timers among them), for a test that
        // does something to it meanwhile.
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(NumberOf(step, "ms"));
        while (std::chrono::steady_clock::now() < until) {
            driver_.settle();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    } else if (action == "choose") {
        const int id = ControlOf(dialog, step, "label");
        auto *box = dialog.control<gui::ComboBox>(id);
        if (!box) throw CannotReplay("the control is no combo box");
        // Written in Chinese, the item is looked for in the replay's language.
        const std::u16string item = U16(InCurrentLanguage(TextOf(step, "item")));
        int index = 0;
        while (index < box->itemCount() && box->itemText(index) != item)
            ++index;
        if (index == box->itemCount()) throw CannotReplay("no item \"" + U8(item) + "\"");
        driver_.choose(dialog, id, index);
    } else {
        throw CannotReplay("no action \"" + action + "\"");
    }
    driver_.settle();
}

JsonValue Player::State() const {
    auto label = [](const gui::Dialog *window, int id) {
        return Text(window->control<gui::Label>(id)->text());
    };
    auto edit = [](const gui::Dialog *window, int id) {
        return Text(window->control<gui::Edit>(id)->text());
    };
    auto combo = [](const gui::Dialog *window, int id) {
        return Text(window->control<gui::ComboBox>(id)->text());
    };
    auto checked = [](const gui::Dialog *window, int id) {
        return JsonValue(window->control<gui::CheckBox>(id)->isChecked());
    };
    auto enabled = [](const gui::Dialog *window, int id) {
        return JsonValue(window->control(id)->isEnabled());
    };
    auto listed = [](const gui::Dialog *window, int id) {
        return std::pair{Rows(*window->control<gui::ReportList>(id)),
                         Selected(*window->control<gui::ReportList>(id))};
    };
    auto textWindow = [&](const gui::Dialog *window, int list, int title, int field,
                          int explanation) {
        auto [rows, selected] = listed(window, list);
        return JsonValue(
            JsonValue::Object{{"rows", rows},
                              {"selected", selected},
                              {"title", label(window, title)},
                              {"field", FieldText(window->control<gui::TextArea>(field)->text())},
                              {"explanation", label(window, explanation)}});
    };

    const gui::Dialog *team = g_teamWindow;
    JsonValue::Array flags;
    for (size_t key = kTeamFirstFlag; key < kTeamFirstFlag + 19; ++key)
        if (team->control<gui::CheckBox>(res::kTeamKeyIds[key])->isChecked())
            flags.push_back(std::string(kTeamLayout[key].key));
    auto [teamRows, teamSelected] = listed(team, res::kIdTeamList);

    const gui::Dialog *trigger = g_triggerWindow;
    auto [triggerRows, triggerSelected] = listed(trigger, res::kIdTriggerList);
    using namespace res;
    JsonValue::Array messages(messages_.begin(), messages_.end());
    return JsonValue::Object{
        {"taskforce", textWindow(g_taskForceWindow, kIdTaskForceList, kIdTaskForceTitle,
                                 kIdTaskForceText, kIdTaskForceExplanation)},
        {"script", textWindow(g_scriptWindow, kIdScriptList, kIdScriptTitle, kIdScriptText,
                              kIdScriptExplanation)},
        {"team", JsonValue::Object{{"rows", teamRows},
                                   {"selected", teamSelected},
                                   {"hint", label(team, kIdTeamHint)},
                                   {"form",
                                    JsonValue::Object{
                                        {"comment", edit(team, kIdTeamComment)},
                                        {"priority", edit(team, kIdTeamPriority)},
                                        {"max", edit(team, kIdTeamMax)},
                                        {"taskforce", combo(team, kIdTeamTaskForce)},
                                        {"script", combo(team, kIdTeamScript)},
                                        {"house", combo(team, kIdTeamHouse)},
                                        {"flags_ticked", flags},
                                    }}}},
        {"trigger",
         JsonValue::Object{
             {"rows", triggerRows},
             {"selected", triggerSelected},
             {"title", label(trigger, kIdTriggerTitle)},
             {"form", JsonValue::Object{{"name", edit(trigger, kIdTriggerName)},
                                        {"house", combo(trigger, kIdTriggerHouse)},
                                        {"tech", edit(trigger, kIdTriggerTechLevel)},
                                        {"condition", combo(trigger, kIdTriggerCondition)},
                                        {"operator", combo(trigger, kIdTriggerOperator)},
                                        {"value", edit(trigger, kIdTriggerValue)},
                                        {"object", combo(trigger, kIdTriggerConditionObject)},
                                        {"team", combo(trigger, kIdTriggerTeam)},
                                        {"side", combo(trigger, kIdTriggerSide)},
                                        {"min", combo(trigger, kIdTriggerMinWeight)},
                                        {"base", combo(trigger, kIdTriggerBaseWeight)},
                                        {"max", combo(trigger, kIdTriggerMaxWeight)},
                                        {"easy", checked(trigger, kIdTriggerEasy)},
                                        {"medium", checked(trigger, kIdTriggerMedium)},
                                        {"hard", checked(trigger, kIdTriggerHard)},
                                        {"second_team", combo(trigger, kIdTriggerSecondTeam)},
                                        {"skirmish", checked(trigger, kIdTriggerSkirmish)},
                                        {"base_defense", checked(trigger, kIdTriggerBaseDefense)}}},
             {"enabled", JsonValue::Object{{"operator", enabled(trigger, kIdTriggerOperator)},
                                           {"object", enabled(trigger, kIdTriggerConditionObject)},
                                           {"value", enabled(trigger, kIdTriggerValue)}}}}},
        {"main", JsonValue::Object{{"caption", Text(main_->caption())}}},
        {"messages", std::move(messages)},
    };
}

// The paths "after" names that do not decide the result: a list of dotted paths, or an object
// of windows each with a list of paths inside it.
std::set<std::string> LeftOpen(const JsonValue *open) {
    std::set<std::string> paths;
    if (!open) return paths;
    if (const JsonValue::Array *list = open->array()) {
        for (const JsonValue &path : *list)
            if (path.string()) paths.insert(*path.string());
    } else if (const JsonValue::Object *windows = open->object()) {
        for (const auto &[window, inside] : *windows) {
            if (!inside.array()) {
                paths.insert(window);
                continue;
            }
            for (const JsonValue &path : *inside.array())
                if (path.string()) paths.insert(window + "." + *path.string());
        }
    }
    return paths;
}

// A text of an expected state, written in Chinese, as the current language shows it: a table's
// text by its Chinese form, the English form filled with what the arguments of the Chinese one
// matched. Other texts (the file's own) stay as they are.
std::string InCurrentLanguage(const std::string &utf8) {
    if (res::CurrentLanguage() == res::Language::Chinese) return utf8;
    const std::span<const res::TextEntry> table = res::TextTable(res::Language::Chinese);
    for (const res::TextEntry &entry : table)
        if (U8(entry.text) == utf8) return U8(res::Str(entry.key));
    // Of the texts with arguments that match, the one with the most words of its own.
    std::optional<std::u16string> best;
    size_t bestLength = 0;
    for (const res::TextEntry &entry : table) {
        const std::string chinese = U8(entry.text);
        std::string pattern;
        std::vector<int> order; // the argument each group stands for
        size_t length = 0;
        for (size_t i = 0; i < chinese.size(); ++i) {
            if (chinese[i] == '{' && i + 2 < chinese.size() && chinese[i + 1] >= '1' &&
                chinese[i + 1] <= '9' && chinese[i + 2] == '}') {
                pattern += "([\\s\\S]*?)";
                order.push_back(chinese[i + 1] - '1');
                i += 2;
                continue;
            }
            ++length;
            if (std::strchr("\\^$.|?*+()[]{}", chinese[i])) pattern += '\\';
            pattern += chinese[i];
        }
        std::smatch match;
        if (order.empty() || length <= bestLength ||
            !std::regex_match(utf8, match, std::regex(pattern)))
            continue;
        std::vector<std::u16string> arguments(9);
        // What an argument holds may be a table's text in its turn ("脚本 SC_Attack").
        for (size_t group = 0; group < order.size(); ++group)
            arguments[size_t(order[group])] = U16(InCurrentLanguage(match[group + 1].str()));
        best = res::Format(entry.key,
                           {arguments[0], arguments[1], arguments[2], arguments[3], arguments[4],
                            arguments[5], arguments[6], arguments[7], arguments[8]});
        bestLength = length;
    }
    if (best && U8(*best) != utf8) return U8(*best);
    // A numbered item ("17 改换脚本"): its number, then its text in the current language.
    if (const size_t space = utf8.find(' '); space != std::string::npos && space + 1 < utf8.size())
        if (const std::string rest = utf8.substr(space + 1); InCurrentLanguage(rest) != rest)
            return utf8.substr(0, space + 1) + InCurrentLanguage(rest);
    return utf8;
}

std::optional<std::string> Difference(const JsonValue &expected, const JsonValue &actual,
                                      const std::string &path, const std::set<std::string> &open) {
    if (open.count(path)) return std::nullopt;
    if (const JsonValue::Object *members = expected.object(); members && actual.object()) {
        for (const auto &[key, value] : *members) {
            const std::string inner = path.empty() ? key : path + "." + key;
            const JsonValue *have = actual.member(key);
            if (!have) {
                if (open.count(inner)) continue;
                return inner + ": not in the state";
            }
            if (std::optional<std::string> found = Difference(value, *have, inner, open))
                return found;
        }
        return std::nullopt;
    }
    if (expected == actual) return std::nullopt;
    if (const std::string *text = expected.string())
        if (JsonValue(InCurrentLanguage(*text)) == actual) return std::nullopt;
    if (const JsonValue::Array *items = expected.array(); items && actual.array()) {
        // Lists of texts (the messages) compare item by item, each in the current language.
        if (items->size() == actual.array()->size()) {
            for (size_t i = 0; i < items->size(); ++i)
                if (Difference((*items)[i], (*actual.array())[i], path, open))
                    return path + ": expected " + expected.Compact() + ", got " + actual.Compact();
            return std::nullopt;
        }
    }
    return path + ": expected " + expected.Compact() + ", got " + actual.Compact();
}

std::optional<std::string> Player::StateDifference(const JsonValue &scenario,
                                                   const JsonValue &state) const {
    if (const JsonValue *must = scenario.member("must_select"); must && must->object()) {
        for (const auto &[window, rows] : *must->object()) {
            const JsonValue *selected =
                state.member(window) ? state.member(window)->member("selected") : nullptr;
            if (!rows.array() || !selected || !selected->array()) continue;
            for (const JsonValue &row : *rows.array())
                if (std::find(selected->array()->begin(), selected->array()->end(), row) ==
                    selected->array()->end())
                    return window + ".selected: row " + row.Compact() + " must be selected";
        }
    }
    const JsonValue *after = scenario.member("after");
    if (!after) return std::nullopt;
    return Difference(*after, state, "", LeftOpen(scenario.member("state_left_open")));
}

int Player::Run(const std::optional<fs::path> &stateFile) {
    const JsonValue steps = ReadJson(scenario_ / "steps.json");
    const JsonValue scenario = fs::exists(scenario_ / "scenario.json")
                                   ? ReadJson(scenario_ / "scenario.json")
                                   : JsonValue(JsonValue::Object{});
    if (!steps.array()) throw CannotReplay("steps.json holds no list of steps");
    Prepare();

    main_ = std::make_unique<CVantaEditDlg>();
    main_->showMaximized();
    driver_.settle();
    if (const JsonValue *autodetect = scenario.member("autodetect_start_number");
        autodetect && autodetect->boolean() &&
        main_->control<gui::CheckBox>(res::kIdAutoDetectStart)->isChecked() !=
            *autodetect->boolean())
        driver_.click(*main_, res::kIdAutoDetectStart);

    for (size_t i = 0; i < steps.array()->size(); ++i) {
        const JsonValue &step = (*steps.array())[i];
        try {
            Replay(step);
        } catch (const std::exception &e) {
            throw CannotReplay("step " + std::to_string(i + 1) + " (" + step.Compact() +
                               "): " + e.what());
        }
    }

    const JsonValue state = State();
    if (stateFile) {
        std::ofstream out(*stateFile, std::ios::binary);
        out << state.Indented();
        if (!out) throw CannotReplay("cannot write " + stateFile->generic_string());
    }
    if (fs::is_directory(scenario_ / "expected"))
        if (std::optional<std::string> found = FolderDifference(scenario_ / "expected", work_))
            throw std::logic_error(*found);
    if (std::optional<std::string> found = StateDifference(scenario, state))
        throw std::logic_error(*found);
    return kPass;
}

} // namespace

int RunPlayer(const std::vector<std::u16string> &arguments, gui::Driver &driver) {
    std::optional<fs::path> scenario, stateFile;
    Folders folders;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const bool hasValue = i + 1 < arguments.size();
        const std::u16string &option = arguments[i];
        // Absolute, as the replay runs in the working folder.
        if (option == u"--state" && hasValue) {
            stateFile = fs::absolute(fs::path(arguments[++i]));
        } else if ((option == u"--keep" || option == u"--resume") && hasValue && !folders.keep) {
            folders.keep = fs::absolute(fs::path(arguments[++i]));
            folders.resume = option == u"--resume";
        } else if (option == u"--data-home" && hasValue) {
            folders.dataHome = fs::absolute(fs::path(arguments[++i]));
        } else if (option == u"--lang" && hasValue && res::LanguageNamed(arguments[i + 1])) {
            res::SetLanguage(*res::LanguageNamed(arguments[++i]));
        } else if (!scenario && !option.starts_with(u"--")) {
            scenario = fs::absolute(fs::path(option));
        } else {
            scenario.reset();
            break;
        }
    }
    if (!scenario) {
        std::fputs(U8(res::Str("player.usage")).c_str(), stderr);
        return kCannotReplay;
    }
    const fs::path folder = scenario->lexically_normal();
    std::string name =
        (folder.has_filename() ? folder : folder.parent_path()).filename().generic_string();
    try {
        std::string error;
        if (fs::exists(*scenario / "scenario.json"))
            if (auto json = JsonValue::Parse(ReadFile(*scenario / "scenario.json"), error))
                if (const JsonValue *given = json->member("name"); given && given->string())
                    name = *given->string();
        Player player(driver, *scenario, std::move(folders));
        player.Run(stateFile);
        std::printf("PASS %s\n", name.c_str());
        return kPass;
    } catch (const CannotReplay &e) {
        std::printf("FAIL %s: %s\n", name.c_str(), e.what());
        return kCannotReplay;
    } catch (const std::exception &e) {
        std::printf("FAIL %s: %s\n", name.c_str(), e.what());
        return kDifference;
    }
}
