#pragma once
// The document of an editing session: the opened file, the loaded-file slots, the seven texts and
// the start registry number. One value: a snapshot is one copy, a reset one assignment. The
// windows' signals to each other are kept apart, in core/windowsignals.h.

#include "core/findings.h"

#include <array>
#include <optional>
#include <string>

// One loaded file. `text` is nullopt while the slot was never used; an include file that could
// not be read holds the sentinel "None" with length 0, so every search in it finds nothing.
struct FileSlot {
    std::optional<std::string> text;
    int length = 0;
    std::u16string path = {}; // where the text was read from, for the file report
};

constexpr int kFileSlotCount = 16; // the opened file and up to fifteen include files
constexpr int kDocumentTextCount = 7;

struct Document {
    // Full path of the opened file; "None" while no file is open.
    std::u16string openedPath = u"None";
    // The files Open read; held only while it loads them.
    std::array<FileSlot, kFileSlotCount> fileSlots;
    // The slots as the last Open read them, kept after the load so that findings in the texts can
    // be told by file and line; a save empties them, since the files then hold something else.
    std::array<FileSlot, kFileSlotCount> loadedFiles;
    // Set when the opened file's content could not be read: the texts then hold less than the
    // file, and saving must not write them over it.
    bool openedFileUnread = false;
    // What the opened file's include section named but the load did not read although it exists
    // (one line each, for the user); saving must not drop that content. Empty when all was read.
    std::u16string unreadIncludes;

    std::string taskForceListText;
    std::string taskForceSectionsText;
    std::string scriptListText;
    std::string scriptSectionsText;
    std::string teamListText;
    std::string teamSectionsText;
    std::string triggerText;

    // Registry lists are numbered from here; the team loader may take it from the file.
    int startNumber = 0;
    // The index of the last row of the trigger list: the number of triggers minus one. Set by the
    // trigger loader; the trigger window keeps it as it adds and deletes rows.
    int triggerLastIndex = -1;
    // Lines of teamListText counted at the team list's fill (header included), raised for each
    // new team; the new entry dialog numbers a new team with it.
    int teamLineCount = 0;

    // What Open found in its files that Save drops.
    DroppedOnSave droppedOnSave;

    bool IsFileOpen() const { return openedPath != u"None" && openedPath != u"Nones"; }

    // The seven texts in the order a single-file save writes them.
    std::array<std::string *, kDocumentTextCount> Texts() {
        return {&taskForceListText, &taskForceSectionsText, &scriptListText, &scriptSectionsText,
                &teamListText,      &teamSectionsText,      &triggerText};
    }
    std::array<const std::string *, kDocumentTextCount> Texts() const {
        return {&taskForceListText, &taskForceSectionsText, &scriptListText, &scriptSectionsText,
                &teamListText,      &teamSectionsText,      &triggerText};
    }
};
