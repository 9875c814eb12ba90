#pragma once
// The Open and Save commands of the main window's menu: the user-interface half (the file dialog,
// the split question, hiding and showing the editor windows) around the document work of
// documentio.h.

#include <string>

// The open-file dialog's filters.
extern const std::u16string kOpenFileFilter;

// The chosen file's full path, or "None" when the user cancels.
std::u16string AskOpenPath();

// Opens one file per run: refuses a second one, asks for the path, loads it and its include
// files, and has the editor windows fill their lists by hiding and showing them. A full `path`
// (the command line, a dropped file) is opened without asking.
void OpenFile(const std::u16string &path = {});

// Saves the document into the opened file, or split into the "+AI" folder, as the user chooses.
// The first Save of a run that would drop text the file held shows what first, to save or cancel.
void SaveFile();

// Shows the file report: what Save drops of the opened files, and the broken references of the
// document as it stands.
void CheckFile();
