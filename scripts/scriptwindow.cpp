#include "scripts/scriptwindow.h"

#include "res/entrytextdialogs.h"

namespace {

EntryWindowKind ScriptKind() {
    using namespace res;
    return {
        .templateId = kIdScriptDialog,
        .listId = kIdScriptList,
        .titleId = kIdScriptTitle,
        .textId = kIdScriptText,
        .newId = kIdScriptNew,
        .tidyId = kIdScriptTidy,
        .saveId = kIdScriptSave,
        .deleteId = kIdScriptDelete,
        .closeId = kIdScriptClose,
        .text = kScriptTextKind,
        .listText = &g_scriptListText,
        .sectionsText = &g_scriptSectionsText,
        .pendingRow = &g_scriptPendingRow,
        .jumpPending = &g_scriptJumpPending,
        .jumpTarget = &g_scriptJumpTarget,
        .listChanged = &g_scriptListChanged,
        .saveRaisesListChanged = true,
        .addNewKind = 2,
    };
}

} // namespace

Cscripts::Cscripts(QWidget *owner) : EntryTextWindow(ScriptKind(), owner) {}
