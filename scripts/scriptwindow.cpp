#include "scripts/scriptwindow.h"

#include "newentry/renamedialog.h"
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
        .copyId = kIdScriptCopy,
        .renameId = kIdScriptRename,
        .filterId = kIdScriptFilter,
        .usageCaptionId = kIdScriptUsageCaption,
        .usageId = kIdScriptUsage,
        .usedKind = UsedKind::Script,
        .text = kScriptTextKind,
        .kindName = u"脚本",
        .listText = &Document::scriptListText,
        .sectionsText = &Document::scriptSectionsText,
        .pendingRow = &g_scriptPendingRow,
        .jumpPending = &g_scriptJumpPending,
        .jumpTarget = &g_scriptJumpTarget,
        .listChanged = &g_scriptListChanged,
        .saveRaisesListChanged = true,
        .addNewKind = 2,
        .rename = AskAndRename,
    };
}

} // namespace

Cscripts::Cscripts(DocumentModel &model, gui::Dialog *owner)
    : EntryTextWindow(ScriptKind(), model, owner) {}
