#include "scripts/scriptloader.h"

void LoadScripts(Document &document, SlotIndexes *indexes) {
    LoadRegistryKind(
        document.fileSlots,
        {"ScriptTypes", document.scriptListText, document.scriptSectionsText, document.startNumber},
        indexes);
}
