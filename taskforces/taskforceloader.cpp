#include "taskforces/taskforceloader.h"

void LoadTaskForces(Document &document, SlotIndexes *indexes) {
    LoadRegistryKind(document.fileSlots,
                     {"TaskForces", document.taskForceListText, document.taskForceSectionsText,
                      document.startNumber},
                     indexes);
}
