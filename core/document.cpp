#include "core/document.h"

#include "core/findings.h"

std::array<FileSlot, kFileSlotCount> g_fileSlots;
std::array<FileSlot, kFileSlotCount> g_loadedFiles;
std::u16string g_openedPath = u"None";
bool g_openedFileUnread = false;
std::u16string g_unreadIncludes;

std::string g_taskForceListText;
std::string g_taskForceSectionsText;
std::string g_scriptListText;
std::string g_scriptSectionsText;
std::string g_teamListText;
std::string g_teamSectionsText;
std::string g_triggerText;

int g_startNumber = 0;
bool g_autoDetectStart = false;

bool g_taskForceListChanged = false;
bool g_scriptListChanged = false;
bool g_teamListChanged = false;
bool g_teamJumpPending = false;
bool g_scriptJumpPending = false;
bool g_taskForceJumpPending = false;

std::u16string g_teamJumpTarget;
std::u16string g_scriptJumpTarget;
std::u16string g_taskForceJumpTarget;

PendingNewRow g_taskForcePendingRow;
PendingNewRow g_scriptPendingRow;

bool g_newTriggerPending = false;
std::u16string g_newTriggerId;
std::vector<std::u16string> g_newTriggerLaterIds;
DroppedOnSave g_droppedOnSave;
int g_triggerLastIndex = -1;
int g_teamLineCount = 0;
bool g_teamRebuildPending = false;
int g_addNewKind = 0;
bool g_addNewPreset = false;

platform::Dialog *g_teamWindow = nullptr;
platform::Dialog *g_scriptWindow = nullptr;
platform::Dialog *g_taskForceWindow = nullptr;
platform::Dialog *g_triggerWindow = nullptr;
platform::Dialog *g_addNewWindow = nullptr;

bool IsFileOpen() { return g_openedPath != u"None" && g_openedPath != u"Nones"; }

void ClearDocumentTexts() {
    for (std::string *text :
         {&g_taskForceListText, &g_taskForceSectionsText, &g_scriptListText, &g_scriptSectionsText,
          &g_teamListText, &g_teamSectionsText, &g_triggerText})
        text->clear();
}

void ResetDocument() {
    g_fileSlots = {};
    g_loadedFiles = {};
    g_openedPath = u"None";
    g_openedFileUnread = false;
    g_unreadIncludes.clear();
    ClearDocumentTexts();
    g_startNumber = 0;
    g_autoDetectStart = false;
    g_taskForceListChanged = g_scriptListChanged = g_teamListChanged = false;
    g_teamJumpPending = g_scriptJumpPending = g_taskForceJumpPending = false;
    g_teamJumpTarget.clear();
    g_scriptJumpTarget.clear();
    g_taskForceJumpTarget.clear();
    g_taskForcePendingRow = {};
    g_scriptPendingRow = {};
    g_newTriggerPending = false;
    g_newTriggerId.clear();
    g_newTriggerLaterIds.clear();
    g_droppedOnSave = {};
    g_triggerLastIndex = -1;
    g_teamLineCount = 0;
    g_teamRebuildPending = false;
    g_addNewKind = 0;
    g_addNewPreset = false;
    g_teamWindow = g_scriptWindow = g_taskForceWindow = g_triggerWindow = g_addNewWindow = nullptr;
}
