#include "app/opensave.h"

#include "app/documentio.h"
#include "core/document.h"
#include "platform/seams.h"
#include "ui/editorwindows.h"

const std::u16string kOpenFileFilter = u"所有配置 文件(*.ini)|*.ini|所有文件(*.*)|*.*||";

std::u16string AskOpenPath() {
    std::u16string path = platform::AskOpenFileName(kOpenFileFilter);
    return path.empty() ? u"None" : path;
}

void OpenFile(const std::u16string &path) {
    if (IsFileOpen()) {
        platform::ShowAppMessage(u"不准重复打开文件，每次启动只能打开一次");
        return;
    }
    ClearDocumentTexts();
    g_openedPath = path.empty() ? AskOpenPath() : path;
    if (!IsFileOpen()) return;
    LoadOpenedFile();
    // Hidden and shown again, each editor window fills its list from the new texts.
    HideEditorWindows();
    ShowEditorWindows();
}

void SaveFile() {
    if (!CanSaveOpenedFile()) return;
    platform::Answer answer =
        platform::ShowOwnedMessage(u"是否分文件保存?⊙(・◇・)？", u"保存提示",
                                   platform::Buttons::YesNoCancel, platform::Icon::Question);
    if (answer == platform::Answer::Yes) {
        SaveDocument(SaveMode::Split);
    } else if (answer == platform::Answer::No) {
        SaveDocument(SaveMode::SingleFile);
    }
}
