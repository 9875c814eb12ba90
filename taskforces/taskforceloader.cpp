#include "taskforces/taskforceloader.h"

#include "core/document.h"

void LoadTaskForces() {
    LoadRegistryKind({"TaskForces", g_taskForceListText, g_taskForceSectionsText});
}
