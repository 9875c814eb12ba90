#include "scripts/scriptwindow.h"

#include "document/filereport.h"
#include "newentry/renamedialog.h"
#include "res/entrytextdialogs.h"
#include "scripts/actionprofiles.h"
#include "ui/documentmodel.h"

namespace {

std::u16string ExplainLine(std::u16string_view fieldText, int line, const DocumentModel &model) {
    return ExplainScriptLine(fieldText, line, model.document, model.actions, model.names());
}

std::vector<std::u16string> ActionItems(const DocumentModel &model) {
    return ScriptActionItems(model.actions);
}

// The items list the model's actions in number order.
InsertedLine InsertAction(std::u16string_view fieldText, int caretLine, int item,
                          const DocumentModel &model) {
    InsertedAction inserted =
        InsertScriptAction(fieldText, caretLine, model.actions.Actions()[size_t(item)].number);
    return {std::move(inserted.text), inserted.line};
}

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
        .explanationId = kIdScriptExplanation,
        .explain = ExplainLine,
        .insertId = kIdScriptInsertAction,
        .insertItems = ActionItems,
        .insert = InsertAction,
        .usedKind = UsedKind::Script,
        .text = kScriptTextKind,
        .kindName = "kind.script",
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
