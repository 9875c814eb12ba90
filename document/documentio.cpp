#include "document/documentio.h"

#include "core/document.h"
#include "core/initext.h"
#include "document/filereport.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "res/text.h"
#include "scripts/scriptloader.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamloader.h"
#include "triggers/triggerloader.h"

#include <vector>

const std::string kSplitIncludeText = "[#include]\n0=./+AI/TaskForce.ini\n1=./+AI/TeamTypes.ini\n"
                                      "2=./+AI/Scripts.ini\n3=./+AI/AITriggerTypes.ini\n";

namespace {

std::u16string LinesWithoutSlotText(int count) {
    return res::Format("open.linesWithoutSlot", {ToWide(std::to_string(count))});
}

// The folder part of a path, separator included. Taken from the wide path: in the narrow form a
// Chinese character's second byte can look like '\'.
std::u16string FolderOf(const std::u16string &path) {
    size_t pos = path.find_last_of(u"\\/");
    return pos == std::u16string::npos ? std::u16string() : path.substr(0, pos + 1);
}

void StoreSlot(FileSlot &slot, std::string text) {
    slot.length = int(text.size());
    slot.text = std::move(text);
}

} // namespace

// The lines of the [#include] section, as the slots take them: line i goes to slot i. One pass
// over the section, however many lines it holds.
void ReadIncludedFiles(std::array<FileSlot, kFileSlotCount> &slots, LoadReport &report,
                       std::u16string &unread) {
    const std::u16string folder = FolderOf(slots[0].path);
    const std::string &text = *slots[0].text;
    int header = HeaderLineOf(text, "#include");
    if (header < 0) return;
    const int start = header + int(std::string_view("[#include]").size()) + 1;
    const int end = NextHeaderLine(text, start);
    if (start >= end) return;
    const std::string lines =
        SqueezeLineBreaks(std::string_view(text).substr(size_t(start), size_t(end - start)));
    // The piece after the final line break is empty, unless the file ended without one.
    std::string_view rest = lines;
    for (int i = 1; !rest.empty(); ++i) {
        const size_t lf = rest.find('\n');
        const std::string_view line = rest.substr(0, lf);
        rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
        if (!IsRegistryLine(line) || IsAppendLine(line)) continue;
        if (i >= kFileSlotCount) {
            ++report.linesWithoutSlot;
            continue;
        }
        std::string name = StripDotSlash(*SplitKeyValue(line, '=', 1));
        // Trailing blanks are not part of a file name (Windows ignores them too).
        name.erase(name.find_last_not_of(" \t\r") + 1);
        ReplaceChar(name, '/', '\\');
        std::u16string full = folder + ToWide(name);
        for (char16_t &c : full)
            if (c == u'\\') c = platform::NativeSeparator();

        FileSlot &slot = slots[size_t(i)];
        StoreSlot(slot, "None");
        slot.length = 0;
        slot.path = full;
        // A line naming nothing ("0=") is a dangling reference, not the folder itself.
        platform::ReadResult read =
            name.empty() ? platform::ReadResult{} : platform::ReadTextFile(full);
        if (read.status == platform::ReadResult::Status::Ok) {
            StoreSlot(slot, std::move(read.text));
        } else if (read.status == platform::ReadResult::Status::Missing) {
            ++report.missingIncludes;
            platform::ShowAppMessage(full + u"\n" + res::Str("open.includeFailed"));
        } else {
            ++report.unreadIncludes;
            unread += full + u" (" + read.reason + u")\n";
            platform::ShowAppMessage(res::Format("open.includeUnread", {full, read.reason}));
        }
    }
    if (report.linesWithoutSlot > 0) {
        unread += LinesWithoutSlotText(report.linesWithoutSlot) + u"\n";
        platform::ShowAppMessage(res::Format("open.linesWithoutSlotMessage",
                                             {LinesWithoutSlotText(report.linesWithoutSlot)}));
    }
}

namespace {

bool Write(const std::u16string &openedPath, const std::vector<platform::FileContent> &files) {
    // Nothing is written through a link that leads out of the mod's folder.
    const std::u16string folder = FolderOf(openedPath);
    platform::WriteResult result = platform::WriteTextFiles(files, folder.empty() ? u"." : folder);
    if (!result.ok) platform::ShowAppMessage(res::Str("save.failed") + u"\n" + result.error);
    return result.ok;
}

} // namespace

LoadReport LoadOpenedFile(Document &document, bool autoDetectStart) {
    LoadReport report;
    std::u16string opened = std::move(document.openedPath);
    document = {};
    document.openedPath = std::move(opened);
    const std::u16string &path = document.openedPath;
    platform::ReadResult read = platform::ReadTextFile(path);
    report.openedFileRead = read.status == platform::ReadResult::Status::Ok;
    document.openedFileUnread = !report.openedFileRead;
    if (read.status == platform::ReadResult::Status::TooLarge) {
        platform::ShowAppMessage(res::Str("open.tooLarge") + path);
    } else if (!report.openedFileRead) {
        platform::ShowAppMessage(res::Str("open.unreadableFile") + u"\n" + path + u" (" +
                                 read.reason + u")");
    } else {
        StoreSlot(document.fileSlots[0], std::move(read.text));
        document.fileSlots[0].path = path;
        ReadIncludedFiles(document.fileSlots, report, document.unreadIncludes);
    }

    // The slots' section headers are indexed once for the three registry kinds.
    SlotIndexes indexes;
    LoadTeamTypes(document, autoDetectStart, &indexes);
    LoadScripts(document, &indexes);
    LoadTaskForces(document, &indexes);
    LoadAITriggerTypes(document);
    document.droppedOnSave = FindDroppedOnSave(document.fileSlots);
    document.loadedFiles = std::move(document.fileSlots);
    document.fileSlots = {};
    return report;
}

bool CanSaveOpenedFile(const Document &document) {
    const std::u16string &path = document.openedPath;
    if (!document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return false;
    }
    if (document.openedFileUnread) {
        platform::ShowAppMessage(res::Format("save.openedFileUnread", {path}));
        return false;
    }
    const std::u16string &unread = document.unreadIncludes;
    if (!unread.empty()) {
        platform::ShowAppMessage(
            res::Format("save.includesUnread", {unread.substr(0, unread.size() - 1)}));
        return false;
    }
    if (!platform::CanOpenForReading(path)) {
        platform::ShowAppMessage(res::Format("save.cannotOpen", {path}));
        return false;
    }
    return true;
}

namespace {

bool WriteDocument(const Document &document, SaveMode mode) {
    const Document &d = document;
    const std::vector<std::u16string> targets = SaveTargets(d, mode);
    if (mode == SaveMode::SingleFile) {
        // The texts are written as the document holds them, one after another.
        return Write(d.openedPath, {{targets[0],
                                     {d.taskForceListText, d.taskForceSectionsText,
                                      d.scriptListText, d.scriptSectionsText, d.teamListText,
                                      d.teamSectionsText, "\n", d.triggerText}}});
    }
    const std::u16string folder = FolderOf(d.openedPath) + u"+AI";
    std::u16string reason;
    const platform::FolderResult made = platform::CreateFolder(folder, &reason);
    if (made == platform::FolderResult::Failed) {
        platform::ShowAppMessage(res::Format("save.folderFailed", {folder, reason}));
        return false;
    }
    const bool saved =
        Write(d.openedPath, {{targets[0], {d.teamListText, d.teamSectionsText}},
                             {targets[1], {d.taskForceListText, d.taskForceSectionsText}},
                             {targets[2], {d.scriptListText, d.scriptSectionsText}},
                             {targets[3], {d.triggerText}},
                             {targets[4], {kSplitIncludeText}}});
    // A failed save leaves the disk as it found it.
    if (!saved && made == platform::FolderResult::Created) platform::RemoveEmptyFolder(folder);
    return saved;
}

} // namespace

std::vector<std::u16string> SaveTargets(const Document &document, SaveMode mode) {
    if (mode == SaveMode::SingleFile) return {document.openedPath};
    const std::u16string prefix =
        FolderOf(document.openedPath) + u"+AI" + platform::NativeSeparator();
    return {prefix + u"TeamTypes.ini", prefix + u"TaskForce.ini", prefix + u"Scripts.ini",
            prefix + u"AITriggerTypes.ini", document.openedPath};
}

std::vector<std::u16string> ReadFiles(const Document &document) {
    std::vector<std::u16string> paths;
    for (const FileSlot &slot : document.loadedFiles) {
        // The sentinel of an include file that could not be read holds nothing of the file.
        const bool unread = slot.length == 0 && slot.text == "None";
        if (slot.text && !unread) paths.push_back(slot.path);
    }
    return paths;
}

bool SaveDocument(Document &document, SaveMode mode) {
    const bool saved = WriteDocument(document, mode);
    // The lines that Open read are no longer where the files hold them.
    if (saved) document.loadedFiles = {};
    return saved;
}
