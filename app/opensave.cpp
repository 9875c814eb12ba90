#include "app/opensave.h"

#include "app/filestamps.h"
#include "document/documentio.h"
#include "document/filereport.h"
#include "platform/seams.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

const std::u16string kOpenFileFilter = u"所有配置 文件(*.ini)|*.ini|所有文件(*.*)|*.*||";

std::u16string AskOpenPath() {
    std::u16string path = platform::AskOpenFileName(kOpenFileFilter);
    return path.empty() ? u"None" : path;
}

void OpenFile(DocumentModel &model, FileStamps &stamps, const std::u16string &path,
              bool autoDetectStart) {
    Document document;
    document.openedPath = path;
    LoadOpenedFile(document, autoDetectStart);
    stamps.Take(ReadFiles(document));
    model.Reset(std::move(document));
    // Hidden and shown again, each editor window shows its list.
    HideEditorWindows();
    ShowEditorWindows();
}

namespace {

// Shown once per opened file, at the first Save that finds something the file held and Save
// drops.
bool ConfirmDroppedText(Document &document) {
    DroppedOnSave &dropped = document.droppedOnSave;
    if (dropped.findings.empty() || dropped.shownAtSave) return true;
    dropped.shownAtSave = true;
    return platform::ShowOwnedReport(
               FileReportText(document.openedPath, dropped, nullptr) + u"\n仍要保存吗？",
               u"保存前检查", platform::Buttons::SaveCancel) == platform::Answer::Save;
}

// Another program changed files this save would replace: the user decides.
bool ConfirmOverwrite(const std::vector<std::u16string> &changed) {
    if (changed.empty()) return true;
    std::u16string text = u"这些文件在打开或上次保存之后已被其他程序修改:\n";
    for (const std::u16string &path : changed)
        text += path + u"\n";
    text += u"保存会覆盖这些修改。";
    return platform::ShowOwnedMessage(text, u"保存提示", platform::Buttons::OverwriteCancel,
                                      platform::Icon::Question) == platform::Answer::Overwrite;
}

} // namespace

bool SaveFile(DocumentModel &model, FileStamps &stamps) {
    Document &document = model.document;
    if (!CanSaveOpenedFile(document) || !ConfirmDroppedText(document)) return false;
    const platform::Answer answer =
        platform::ShowOwnedMessage(u"是否分文件保存?⊙(・◇・)？", u"保存提示",
                                   platform::Buttons::YesNoCancel, platform::Icon::Question);
    if (answer != platform::Answer::Yes && answer != platform::Answer::No) return false;
    const SaveMode mode = answer == platform::Answer::Yes ? SaveMode::Split : SaveMode::SingleFile;
    const std::vector<std::u16string> targets = SaveTargets(document, mode);
    if (!ConfirmOverwrite(stamps.ChangedAmong(targets))) return false;
    if (!SaveDocument(document, mode)) return false;
    stamps.Take(targets);
    model.MarkSaved();
    return true;
}

void CheckFile(const Document &document) {
    if (!document.IsFileOpen()) {
        platform::ShowAppMessage(u"没检测到任何内容X_X");
        return;
    }
    const std::vector<Finding> broken = FindBrokenReferences(document);
    platform::ShowOwnedReport(FileReportText(document.openedPath, document.droppedOnSave, &broken),
                              u"检查文件", platform::Buttons::Close);
}
