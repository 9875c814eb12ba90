#pragma once
// Open, Save and 检查文件 as the main window runs them, on the test document.

#include "app/opensave.h"
#include "document/filestamps.h"
#include "support/testdocument.h"

inline FileStamps stamps;

inline void OpenFile(const std::u16string &path, bool autoDetectStart = false) {
    OpenFile(model, stamps, path, autoDetectStart);
}
inline bool SaveFile() { return SaveFile(model, stamps); }
inline void CheckFile() { CheckFile(model); }
