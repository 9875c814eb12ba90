#include "ui/documentmodel.h"

#include "core/initext.h"
#include "core/windowsignals.h"
#include "res/text.h"

std::u16string StepName(std::string_view action, std::u16string_view kind,
                        const std::vector<std::u16string> &ids) {
    std::u16string name = res::Format("step.named", {res::Str(action), kind});
    if (ids.empty()) return name;
    name += u' ';
    name += ids.front();
    if (ids.size() > 1) name += res::Format("step.more", {ToWide(std::to_string(ids.size()))});
    return name;
}

void DocumentModel::Undo() {
    if (!history.CanUndo()) return;
    history.Undo(document);
    Restored();
}

void DocumentModel::Redo() {
    if (!history.CanRedo()) return;
    history.Redo(document);
    Restored();
}

void DocumentModel::Reset(Document content) {
    document = std::move(content);
    history.Clear();
    Restored();
}

void DocumentModel::MarkSaved() {
    history.MarkSaved();
    changed.notify();
}

const UsageIndex &DocumentModel::usage() {
    if (usageStale_) {
        usage_ = UsageIndex(document);
        usageStale_ = false;
    }
    return usage_;
}

void DocumentModel::Restored() {
    usageStale_ = true;
    // What the windows had asked of each other refers to the texts as they were.
    ClearPendingSignals();
    g_teamListChanged = g_scriptListChanged = g_taskForceListChanged = true;
    restored.notify();
    changed.notify();
}
