#pragma once
// The document the tests of one executable share, with its history, as the program's windows
// share the main window's.

#include "core/document.h"
#include "core/windowsignals.h"

#ifdef VANTAEDIT_DOCUMENT_ONLY
// A build of the document layers alone has no windows and no Qt: the document without a model.
inline Document doc;

inline void ResetTestDocument() {
    doc = {};
    ResetWindowSignals();
}
#else
#include "ui/documentmodel.h"

inline DocumentModel model;
inline Document &doc = model.document;

// No file open, no history, no signal pending.
inline void ResetTestDocument() {
    doc = {};
    model.history.Clear();
    model.TextsReplaced();
    ResetWindowSignals();
}
#endif
