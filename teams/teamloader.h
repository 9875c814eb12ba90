#pragma once
// Builds the team registry list text and sections text from the loaded slots.

#include "core/registrylist.h"

using TeamTypes = RegistryRecord;

// Appends to the document's team list and sections texts (empty beforehand) every team of every
// [TeamTypes] block of its loaded slots, sorted and numbered from its start number. With
// `autoDetectStart`, the number of the first numbered team registry line becomes the start
// number first. Raises g_teamListChanged when at least one team was loaded.
// `indexes`: see ReadRegistryRecords.
void LoadTeamTypes(Document &document, bool autoDetectStart, SlotIndexes *indexes = nullptr);
