#include "taskforces/taskforcewindow.h"

#include "newentry/renamedialog.h"
#include "res/entrytextdialogs.h"

namespace {

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
