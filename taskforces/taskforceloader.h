#pragma once
// Builds the task force registry list text and sections text from the loaded slots.

#include "core/registrylist.h"

using TaskForces = RegistryRecord;

// Appends to the document's task force list and sections texts (empty beforehand) every task
// force of every [TaskForces] block of its loaded slots, sorted and numbered from its start
// number.
// `indexes`: see ReadRegistryRecords.
void LoadTaskForces(Document &document, SlotIndexes *indexes = nullptr);
