#include "taskforces/taskforcewindow.h"

#include "document/filereport.h"
#include "newentry/renamedialog.h"
#include "res/entrytextdialogs.h"
#include "taskforces/taskforcemembers.h"
#include "ui/documentmodel.h"

namespace {

// The member line's type by its name and kind in the mod's rules file; nothing without one.
std::u16string ExplainLine(std::u16string_view fieldText, int line, const DocumentModel &model) {
    return ExplainMemberLine(fieldText, line, model.names());
}

std::vector<std::u16string> MemberItems(const DocumentModel &model) {
    return TypeChoices(model.names()).items;
}

// Adds "N=1,TYPE" with the count selected, so typing the count replaces it.
InsertedLine InsertMember(std::u16string_view fieldText, int caretLine, int item,
                          const DocumentModel &model) {
    const NameChoices choices = TypeChoices(model.names());
    if (item < 0 || size_t(item) >= choices.ids.size())
        return {std::u16string(fieldText), caretLine};
    const InsertedNumberedLine inserted =
        InsertTaskForceMember(fieldText, caretLine, choices.ids[size_t(item)]);
    return {inserted.text, inserted.line, inserted.column, inserted.column + 1};
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
        .insertId = kIdTaskForceInsertMember,
        .insertItems = MemberItems,
        .insert = InsertMember,
        .usedKind = UsedKind::TaskForce,
        .text = kTaskForceTextKind,
        .kindName = "kind.taskForce",
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
