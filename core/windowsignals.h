#pragma once
// The signals through which the windows ask each other to act, and the windows themselves: set
// by one window, acted on (and cleared) by another. No document content lives here.

#include <string>
#include <vector>

namespace gui {
class Dialog;
}

extern bool g_taskForceListChanged;
extern bool g_scriptListChanged;
extern bool g_teamListChanged;
extern bool g_teamJumpPending;
extern bool g_scriptJumpPending;
extern bool g_taskForceJumpPending;
extern bool g_triggerJumpPending;

// IDs that the jump flags above ask a window to select.
extern std::u16string g_teamJumpTarget;
extern std::u16string g_scriptJumpTarget;
extern std::u16string g_taskForceJumpTarget;
extern std::u16string g_triggerJumpTarget;

// An entry created by the new entry dialog that its window has not listed yet.
struct PendingNewRow {
    int rowIndex = 0;
    bool pending = false;
    std::u16string newId;
    // Entries created after `newId` before it got its row, oldest first: each gets a row too.
    std::vector<std::u16string> laterIds = {};
};
extern PendingNewRow g_taskForcePendingRow;
extern PendingNewRow g_scriptPendingRow;

// A trigger appended by the new entry dialog that the trigger window has not listed yet.
extern bool g_newTriggerPending;
extern std::u16string g_newTriggerId;
// Triggers appended after g_newTriggerId before it got its row, oldest first: each gets a row.
extern std::vector<std::u16string> g_newTriggerLaterIds;

// A team was appended to both team texts: the team window rebuilds its list.
extern bool g_teamRebuildPending;

// The new entry dialog's kind (0 trigger, 1 team, 2 script, 3 task force) and whether its next
// show or hide selects that kind and empties the ID field.
extern int g_addNewKind;
extern bool g_addNewPreset;
// With the preset, the ID of the entry the dialog makes a copy of; empty for a new entry.
extern std::u16string g_addNewCopyOf;

// The five modeless windows of the run. The main window creates each one once, hidden; until
// then a pointer is null.
extern gui::Dialog *g_teamWindow;
extern gui::Dialog *g_scriptWindow;
extern gui::Dialog *g_taskForceWindow;
extern gui::Dialog *g_triggerWindow;
extern gui::Dialog *g_addNewWindow;

// Drops what the signals ask for: pending rows, jumps, rebuilds. The windows then show the
// document as it stands.
void ClearPendingSignals();

// Puts every signal back to its start value; the window pointers become null (the windows
// themselves belong to whoever created them).
void ResetWindowSignals();
