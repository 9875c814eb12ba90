#pragma once
// The document work of Open and Save, without any window: the editor's menu commands and the
// headless companion command both run it. Messages go through the message box seam.

#include <string>

// Exactly what the opened file holds after a split save.
extern const std::string kSplitIncludeText;

// How a load went: whether the opened file itself and every file it includes could be read.
struct LoadReport {
    bool openedFileRead = false;
    int unreadIncludes = 0;
};

// Reads the file at g_openedPath and the files its [#include] section names into the slots, runs
// the four loaders (teams, scripts, task forces, triggers), and releases the slots. The seven
// texts are emptied first. A file that could not be read is reported in a message box; an opened
// file that could not be read sets g_openedFileUnread.
LoadReport LoadOpenedFile();

// The checks before any save, each with its message: a file is open, its content was read, and it
// can still be opened. False when saving must not go on.
bool CanSaveOpenedFile();

enum class SaveMode { SingleFile, Split };

// Writes the seven texts: into the opened file, or into the four files of the "+AI" folder beside
// it with the opened file holding kSplitIncludeText (written last, so it never names files that
// were not written). Every file is replaced atomically. On a failure the user is told which file,
// nothing more is written, and the result is false.
bool SaveDocument(SaveMode mode);
