#pragma once
// The document work of Open and Save, without any window: the editor's menu commands and the
// headless companion command both run it. Messages go through the message box seam.

#include "core/document.h"

#include <string>
#include <vector>

// Exactly what the opened file holds after a split save.
extern const std::string kSplitIncludeText;

// How a load went. An include file that does not exist is reported and saving goes on (its
// reference was dangling anyway); a file that exists but could not be read, or an include line
// that had no slot, blocks every save of the run: the save would drop content it never held.
struct LoadReport {
    bool openedFileRead = false;
    int missingIncludes = 0;
    int unreadIncludes = 0;   // exist but could not be read
    int linesWithoutSlot = 0; // include lines past the fifteenth that name a file
};

// Reads the files that the [#include] section of slots[0] names into the slots after it, as Open
// does: line i into slot i, each path relative to the folder of slots[0].path. A file that does
// not exist is told in a message and counted; one that exists but could not be read, and include
// lines past the fifteenth that name a file, are told, counted and listed in `unread`, a line each.
void ReadIncludedFiles(std::array<FileSlot, kFileSlotCount> &slots, LoadReport &report,
                       std::u16string &unread);

// Makes `document` the file at its openedPath: reads it and the files its [#include] section
// names into the slots, runs the four loaders (teams, scripts, task forces, triggers; with
// `autoDetectStart` the first team registry line gives the start number), and releases the
// slots. Whatever the document held before is gone. A file that could not be read is reported in
// a message box; an opened file that could not be read sets openedFileUnread, an include file
// that exists but could not be read (or an include line without a slot) is listed in
// unreadIncludes.
LoadReport LoadOpenedFile(Document &document, bool autoDetectStart);

// The checks before any save, each with its message: a file is open, it and every include file
// that exists were read whole, and it can still be opened. False when saving must not go on.
bool CanSaveOpenedFile(const Document &document);

enum class SaveMode { SingleFile, Split };

// Writes the seven texts: into the opened file, or into the four files of the "+AI" folder beside
// it with the opened file holding kSplitIncludeText. All files are written in full before any is
// replaced, and none through a symbolic link that leads out of the opened file's folder. On a
// failure the user is told which file and why, nothing is changed, and the result is false; on
// success the document's loadedFiles are emptied, since the files no longer hold what Open read.
bool SaveDocument(Document &document, SaveMode mode);

// The files a save replaces, in the order it replaces them: the opened file; or the four files of
// the "+AI" folder (TeamTypes.ini, TaskForce.ini, Scripts.ini, AITriggerTypes.ini), then it.
std::vector<std::u16string> SaveTargets(const Document &document, SaveMode mode);

// The files whose content the last Open read (the opened file and its include files), while the
// document still holds them as read (until a save).
std::vector<std::u16string> ReadFiles(const Document &document);
