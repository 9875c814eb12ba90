#include "platform/seams.h"

#include "platform/codepage.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

const std::u16string kAppTitle = u"VantaEdit";

namespace {

MessageBoxHandler g_messageHandler;
OpenFileHandler g_openFileHandler;
ExitHandler g_exitHandler;

Answer PrintMessage(const MessageBoxRequest &request) {
    const std::string utf8 = WideToUtf8(request.text);
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    switch (request.buttons) {
    case Buttons::Ok:
    case Buttons::Close:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
    case Buttons::SaveCancel:
    case Buttons::SaveDiscardCancel:
    case Buttons::OverwriteCancel:
        return Answer::Cancel;
    case Buttons::ReloadIgnore:
        return Answer::Ignore;
    case Buttons::RestoreDiscardLater:
        return Answer::Later;
    }
    return Answer::Cancel;
}

Answer Show(const MessageBoxRequest &request) {
    return g_messageHandler ? g_messageHandler(request) : PrintMessage(request);
}

} // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { g_messageHandler = std::move(handler); }
void SetOpenFileHandler(OpenFileHandler handler) { g_openFileHandler = std::move(handler); }
void SetExitHandler(ExitHandler handler) { g_exitHandler = std::move(handler); }

Answer ShowAppMessage(const std::u16string &text, Buttons buttons, Icon icon) {
    return Show({text, kAppTitle, buttons, icon, false});
}

Answer ShowOwnedMessage(const std::u16string &text, const std::u16string &caption, Buttons buttons,
                        Icon icon) {
    return Show({text, caption, buttons, icon, true});
}

Answer ShowOwnedReport(const std::u16string &text, const std::u16string &caption, Buttons buttons,
                       ReportTable table, std::function<ReportTable()> refresh) {
    return Show(
        {text, caption, buttons, Icon::None, true, true, std::move(table), std::move(refresh)});
}

std::u16string AskOpenFileName(const std::u16string &filter) {
    return g_openFileHandler ? g_openFileHandler(filter) : std::u16string();
}

void ExitProcess(int status) {
    if (g_exitHandler) {
        g_exitHandler(status);
        return;
    }
    std::exit(status);
}

} // namespace platform
