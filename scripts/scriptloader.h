#pragma once
// Builds the script registry list text and sections text from the loaded slots, the way task
// forces are built.

#include "core/registrylist.h"

using Scripts = RegistryRecord;

// Appends to g_scriptListText and g_scriptSectionsText (empty beforehand) every script of every
// [ScriptTypes] block of the loaded slots, sorted and numbered from g_startNumber.
void LoadScripts();
