#include "taskforces/taskforcewindow.h"

#include "document/filereport.h"
#include "newentry/renamedialog.h"
#include "res/entrytextdialogs.h"
#include "ui/documentmodel.h"

namespace {

// A member line whose type the mod's rules file does not give; nothing without a rules file.
std::u16string ExplainLine(std::u16string_view fieldText, int line, const DocumentModel &model) {
    return model.rules ? UnknownMemberTypeNote(fieldText, line, *model.rules) : std::u16string();
}

EntryWindowKind TaskForceKind() {
    using namespace res;
    return {
        .templateId = kIdTaskForceDialog,
        .listId = kIdTaskForceList,
        .titleId = kIdTaskForceTitle,
        .textId = kIdTaskForceText,
        .newId = kIdTaskForceNew,
        .tidyId = kIdTaskForceTidy,
        .saveId = kIdTaskForceSave,
        .deleteId = kIdTaskForceDelete,
        .closeId = kIdTaskForceClose,
        .copyId = kIdTaskForceCopy,
        .renameId = kIdTaskForceRename,
        .filterId = kIdTaskForceFilter,
        .usageCaptionId = kIdTaskForceUsageCaption,
        .usageId = kIdTaskForceUsage,
        .explanationId = kIdTaskForceExplanation,
        .explain = ExplainLine,
        .insertId = kNoId,
        .insertItems = nullptr,
        .insert = nullptr,
        .usedKind = UsedKind::TaskForce,
        .text = kTaskForceTextKind,
        .kindName = u"人员",
        .listText = &Document::taskForceListText,
        .sectionsText = &Document::taskForceSectionsText,
        .pendingRow = &g_taskForcePendingRow,
        .jumpPending = &g_taskForceJumpPending,
        .jumpTarget = &g_taskForceJumpTarget,
        .listChanged = &g_taskForceListChanged,
        .saveRaisesListChanged = false,
        .addNewKind = 3,
        .rename = AskAndRename,
    };
}

} // namespace

CTaskForces::CTaskForces(DocumentModel &model, gui::Dialog *owner)
    : EntryTextWindow(TaskForceKind(), model, owner) {}
