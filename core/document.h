#pragma once
// The one document of a run: the opened file, the loaded-file slots, the seven texts, the start
// registry number and the signals through which the windows ask each other to act.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class Dialog;
}

// One loaded file. `text` is nullopt while the slot was never used; an include file that could
// not be read holds the sentinel "None" with length 0, so every search in it finds nothing.
struct FileSlot {
    std::optional<std::string> text;
    int length = 0;
    std::u16string path = {}; // where the text was read from, for the file report
};

constexpr int kFileSlotCount = 16; // the opened file and up to fifteen include files
extern std::array<FileSlot, kFileSlotCount> g_fileSlots;
// The slots as the last Open read them, kept after the load so that findings in the document can
// be told by file and line; a save empties them, since the files then hold something else.
extern std::array<FileSlot, kFileSlotCount> g_loadedFiles;

// Full path of the opened file; "None" while no file is open.
extern std::u16string g_openedPath;
bool IsFileOpen();

// Set when the opened file's content could not be read: the texts then hold less than the file,
// and saving must not write them over it.
extern bool g_openedFileUnread;
// What the opened file's include section named but the load did not read although it exists
// (one line each, for the user); saving must not drop that content. Empty when all was read.
extern std::u16string g_unreadIncludes;

extern std::string g_taskForceListText;
extern std::string g_taskForceSectionsText;
extern std::string g_scriptListText;
extern std::string g_scriptSectionsText;
extern std::string g_teamListText;
extern std::string g_teamSectionsText;
extern std::string g_triggerText;

// Registry lists are numbered from here; the team loader may take it from the file.
extern int g_startNumber;
extern bool g_autoDetectStart;

// Signals between windows: set by one window, acted on (and cleared) by another.
extern bool g_taskForceListChanged;
extern bool g_scriptListChanged;
extern bool g_teamListChanged;
extern bool g_teamJumpPending;
extern bool g_scriptJumpPending;
extern bool g_taskForceJumpPending;

// IDs that the jump flags above ask a window to select.
extern std::u16string g_teamJumpTarget;
extern std::u16string g_scriptJumpTarget;
extern std::u16string g_taskForceJumpTarget;

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

// The index of the last row of the trigger list: the number of triggers minus one. Set by the
// trigger loader; the trigger window keeps it as it adds and deletes rows.
extern int g_triggerLastIndex;

// Lines of g_teamListText counted at the team list's fill (header included), raised for each new
// team; the new entry dialog numbers a new team with it.
extern int g_teamLineCount;
// A team was appended to both team texts: the team window rebuilds its list.
extern bool g_teamRebuildPending;

// The new entry dialog's kind (0 trigger, 1 team, 2 script, 3 task force) and whether its next
// show or hide selects that kind and empties the ID field.
extern int g_addNewKind;
extern bool g_addNewPreset;

// The five modeless windows of the run. The main window creates each one once, hidden; until
// then a pointer is null.
extern platform::Dialog *g_teamWindow;
extern platform::Dialog *g_scriptWindow;
extern platform::Dialog *g_taskForceWindow;
extern platform::Dialog *g_triggerWindow;
extern platform::Dialog *g_addNewWindow;

// Empties the seven texts.
void ClearDocumentTexts();

// Puts every piece of state above back to its start value; the window pointers become null (the
// windows themselves belong to whoever created them).
void ResetDocument();
