#pragma once
// What the program asks of the user or the system through boxes, the file dialog and process
// exit. The editor installs handlers that show real dialogs; tests install handlers that answer;
// the headless command prints messages on standard error.

#include <functional>
#include <string>
#include <vector>

namespace platform {

// The application's title: the caption of the application message box.
extern const std::u16string kAppTitle;

// SaveDiscardCancel: 保存, 不保存, 取消; ReloadIgnore: 重新载入, 忽略; OverwriteCancel: 覆盖, 取消;
// RestoreDiscardLater: 恢复, 丢弃, 稍后 (a box closed without a choice answers Later).
enum class Buttons {
    Ok,
    YesNo,
    YesNoCancel,
    SaveCancel,
    Close,
    SaveDiscardCancel,
    ReloadIgnore,
    OverwriteCancel,
    RestoreDiscardLater
};
enum class Icon { None, Question };
enum class Answer { Ok, Yes, No, Cancel, Save, Discard, Reload, Ignore, Overwrite, Restore, Later };

// A report's findings as a table under a summary, each row a finding's cells under `headers`.
struct ReportTable {
    std::u16string summary;
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows;
    // A row double-clicked (or Enter on it), by its index in `rows` whatever the table's order.
    std::function<void(size_t row)> activated = {};
};

struct MessageBoxRequest {
    std::u16string text;
    std::u16string caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    bool ownedByMainWindow = false; // false: the application message box
    bool scrollable = false;        // a long text: a read-only view that scrolls, not a box
    ReportTable table = {};         // a scrollable report's findings; none when it has no headers
    // Set for a report that stays open beside the windows (modeless) with a 刷新 button, which
    // shows what this gives then; the call answers Ok at once.
    std::function<ReportTable()> refresh = {};
};

using MessageBoxHandler = std::function<Answer(const MessageBoxRequest &)>;
using OpenFileHandler = std::function<std::u16string(const std::u16string &filter)>;
using ExitHandler = std::function<void(int status)>;

// Installs a handler; an empty function restores the default: messages are written to standard
// error in UTF-8 and answered Ok, No, Cancel, Ignore or Later (whichever is offered), the file
// dialog is cancelled, and exit ends the process.
void SetMessageBoxHandler(MessageBoxHandler handler);
void SetOpenFileHandler(OpenFileHandler handler);
void SetExitHandler(ExitHandler handler);

// The application message box: the application's title as caption.
Answer ShowAppMessage(const std::u16string &text, Buttons buttons = Buttons::Ok,
                      Icon icon = Icon::None);
// A box owned by the main window, with a caption of its own.
Answer ShowOwnedMessage(const std::u16string &text, const std::u16string &caption, Buttons buttons,
                        Icon icon);

// A long text owned by the main window, shown in a read-only view that scrolls; Close answers Ok.
// With a table, the view shows its summary and rows instead of the text; with `refresh`, the
// view stays open beside the windows and 刷新 fills it again (see MessageBoxRequest).
Answer ShowOwnedReport(const std::u16string &text, const std::u16string &caption, Buttons buttons,
                       ReportTable table = {}, std::function<ReportTable()> refresh = {});

// The open-file dialog. `filter` is in the form "Name|pattern|Name|pattern||"; the result is the
// chosen full path, or empty when the user cancels.
std::u16string AskOpenFileName(const std::u16string &filter);

// Ends the process with `status`. A test's handler may return; callers then simply go on.
void ExitProcess(int status);

} // namespace platform
