#pragma once
// Builds the task force registry list text and sections text from the loaded slots.

#include "core/registrylist.h"

using TaskForces = RegistryRecord;

// Appends to g_taskForceListText and g_taskForceSectionsText (empty beforehand) every task force
// of every [TaskForces] block of the loaded slots, sorted and numbered from g_startNumber.
void LoadTaskForces();
