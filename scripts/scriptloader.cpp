#include "scripts/scriptloader.h"

#include "core/document.h"

void LoadScripts() { LoadRegistryKind({"ScriptTypes", g_scriptListText, g_scriptSectionsText}); }
