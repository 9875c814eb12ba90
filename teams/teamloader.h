#pragma once
// Builds the team registry list text and sections text from the loaded slots.

#include "core/registrylist.h"

using TeamTypes = RegistryRecord;

// Appends to g_teamListText and g_teamSectionsText (empty beforehand) every team of every
// [TeamTypes] block of the loaded slots, sorted and numbered from g_startNumber. With
// g_autoDetectStart set, the number of the first team registry line becomes g_startNumber; the
// first registry line clears g_autoDetectStart either way. Raises g_teamListChanged when at least
// one team was loaded.
void LoadTeamTypes();
