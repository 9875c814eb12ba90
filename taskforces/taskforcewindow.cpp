#include "taskforces/taskforcewindow.h"

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
        .text = kTaskForceTextKind,
        .listText = &g_taskForceListText,
        .sectionsText = &g_taskForceSectionsText,
        .pendingRow = &g_taskForcePendingRow,
        .jumpPending = &g_taskForceJumpPending,
        .jumpTarget = &g_taskForceJumpTarget,
        .listChanged = &g_taskForceListChanged,
        .saveRaisesListChanged = false,
        .addNewKind = 3,
    };
}

} // namespace

CTaskForces::CTaskForces(QWidget *owner) : EntryTextWindow(TaskForceKind(), owner) {}
