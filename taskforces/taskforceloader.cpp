#include "taskforces/taskforceloader.h"

void LoadTaskForces(Document &document) {
    LoadRegistryKind(document.fileSlots, {"TaskForces", document.taskForceListText,
                                          document.taskForceSectionsText, document.startNumber});
}
