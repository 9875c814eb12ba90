#include "scripts/scriptloader.h"

void LoadScripts(Document &document) {
    LoadRegistryKind(document.fileSlots, {"ScriptTypes", document.scriptListText,
                                          document.scriptSectionsText, document.startNumber});
}
