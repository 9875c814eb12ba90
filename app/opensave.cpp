#include "app/opensave.h"

#include "app/documentio.h"
#include "app/filereport.h"
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

namespace {

// Shown once per run, at the first Save that finds something the file held and Save drops.
bool ConfirmDroppedText() {
    if (g_droppedOnSave.findings.empty() || g_droppedOnSave.shownAtSave) return true;
    g_droppedOnSave.shownAtSave = true;
    return platform::ShowOwnedReport(FileReportText(g_droppedOnSave, nullptr) + u"\n仍要保存吗？",
                                     u"保存前检查",
                                     platform::Buttons::SaveCancel) == platform::Answer::Save;
}

} // namespace

void SaveFile() {
    if (!CanSaveOpenedFile() || !ConfirmDroppedText()) return;
    platform::Answer answer =
        platform::ShowOwnedMessage(u"是否分文件保存?⊙(・◇・)？", u"保存提示",
                                   platform::Buttons::YesNoCancel, platform::Icon::Question);
    if (answer == platform::Answer::Yes) {
        SaveDocument(SaveMode::Split);
    } else if (answer == platform::Answer::No) {
        SaveDocument(SaveMode::SingleFile);
    }
}

void CheckFile() {
    if (!IsFileOpen()) {
        platform::ShowAppMessage(u"没检测到任何内容X_X");
        return;
    }
    const std::vector<Finding> broken = FindBrokenReferences();
    platform::ShowOwnedReport(FileReportText(g_droppedOnSave, &broken), u"检查文件",
                              platform::Buttons::Close);
}
