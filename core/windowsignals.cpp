#include "core/windowsignals.h"

bool g_taskForceListChanged = false;
bool g_scriptListChanged = false;
bool g_teamListChanged = false;
bool g_teamJumpPending = false;
bool g_scriptJumpPending = false;
bool g_taskForceJumpPending = false;
bool g_triggerJumpPending = false;

std::u16string g_teamJumpTarget;
std::u16string g_scriptJumpTarget;
std::u16string g_taskForceJumpTarget;
std::u16string g_triggerJumpTarget;

PendingNewRow g_taskForcePendingRow;
PendingNewRow g_scriptPendingRow;

bool g_newTriggerPending = false;
std::u16string g_newTriggerId;
std::vector<std::u16string> g_newTriggerLaterIds;
bool g_teamRebuildPending = false;
int g_addNewKind = 0;
bool g_addNewPreset = false;
std::u16string g_addNewCopyOf;

gui::Dialog *g_teamWindow = nullptr;
gui::Dialog *g_scriptWindow = nullptr;
gui::Dialog *g_taskForceWindow = nullptr;
gui::Dialog *g_triggerWindow = nullptr;
gui::Dialog *g_addNewWindow = nullptr;

void ClearPendingSignals() {
    g_teamJumpPending = g_scriptJumpPending = g_taskForceJumpPending = false;
    g_triggerJumpPending = false;
    g_taskForcePendingRow = {};
    g_scriptPendingRow = {};
    g_newTriggerPending = false;
    g_newTriggerId.clear();
    g_newTriggerLaterIds.clear();
    g_teamRebuildPending = false;
}

void ResetWindowSignals() {
    ClearPendingSignals();
    g_taskForceListChanged = g_scriptListChanged = g_teamListChanged = false;
    g_teamJumpTarget.clear();
    g_scriptJumpTarget.clear();
    g_taskForceJumpTarget.clear();
    g_triggerJumpTarget.clear();
    g_addNewKind = 0;
    g_addNewPreset = false;
    g_addNewCopyOf.clear();
    g_teamWindow = g_scriptWindow = g_taskForceWindow = g_triggerWindow = g_addNewWindow = nullptr;
}
