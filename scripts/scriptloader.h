#pragma once
// Builds the script registry list text and sections text from the loaded slots, the way task
// forces are built.

#include "core/registrylist.h"

using Scripts = RegistryRecord;

// Appends to the document's script list and sections texts (empty beforehand) every script of
// every [ScriptTypes] block of its loaded slots, sorted and numbered from its start number.
// `indexes`: see ReadRegistryRecords.
void LoadScripts(Document &document, SlotIndexes *indexes = nullptr);
