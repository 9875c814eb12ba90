#pragma once
// The program's resources as data: dialog templates and menus. A template lists each control with
// its id, kind, text and place in dialog units; gui::Dialog builds the window from it. Every
// template uses the dialog shell font at the point size it names. Texts are keys of the string
// tables (res/text.h): the backends show them in the current language.

#include <span>
#include <string_view>

namespace res {

// Ids used by code outside the templates.
enum : int {
    kIdMainDialog = 102,
    kIdAboutDialog = 140,
    kIdMainMenu = 130,

    kIdEncodingNote = 1028,
    kIdAutoDetectStart = 1032,

    kCmdAbout = 16,
    kCmdOpen = 32773,
    kCmdSave = 32774,
    kCmdExit = 32776,
    kCmdShowAll = 32794,
    kCmdHideAll = 32795,
    kCmdCheckFile = 32810,
    kCmdUndo = 32811,
    kCmdRedo = 32812,
    kCmdRecentFiles = 32813, // the item that holds the recent files as a submenu
    kCmdRulesFile = 32814,
    kCmdImport = 32815,
    kCmdLanguage = 32850, // the item that holds the languages as a submenu
    kCmdEngine = 32816,   // the item that holds the engine profiles as a submenu
    kCmdMigratePhobos = 32817,
    kCmdStringTable = 32820,
};

// The id of controls that code never reaches: labels and decorations.
constexpr int kNoId = -1;

enum class Kind {
    Static,   // text, wrapped at word boundaries
    Edit,     // single-line edit box
    TextArea, // multi-line edit: Return inserts a line
    Button,   // push button
    CheckBox, // check box that checks and unchecks itself when clicked
    ComboBox, // drop-down combo box with an edit field
    List,     // report list (gui::ReportList)
};

// Style bits; each applies to the kinds named.
enum Style : unsigned {
    kNoStyle = 0,
    kSorted = 1u << 0,          // ComboBox: the list keeps its items sorted
    kNoWrap = 1u << 1,          // TextArea: lines scroll horizontally instead of wrapping
    kResizable = 1u << 2,       // dialog: resizable frame
    kMinMaxBoxes = 1u << 3,     // dialog: minimise and maximise boxes
    kSearchField = 1u << 4,     // Edit: its text is the cue shown while empty; Escape empties it,
                                // Ctrl+F in the window goes to it
    kSingleSelection = 1u << 5, // List: one row at a time
    kAcceptFiles = 1u << 6,     // dialog: files dropped on it reach onDropFiles
    kFilterAsTyped = 1u << 7,   // ComboBox: typing lists the items that hold the typed text
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The window edges a control keeps its distance to when the window is resized. Following left and
// right (or top and bottom) stretches it; following only right (or bottom) moves it.
enum Anchor : unsigned {
    kAnchorLeft = 1u << 0,
    kAnchorTop = 1u << 1,
    kAnchorRight = 1u << 2,
    kAnchorBottom = 1u << 3,
    kAnchorTopLeft = kAnchorLeft | kAnchorTop,
    kAnchorTopRight = kAnchorTop | kAnchorRight,
    kAnchorBottomLeft = kAnchorLeft | kAnchorBottom,
    kAnchorBottomRight = kAnchorRight | kAnchorBottom,
    kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom,
};

struct Control {
    int id = kNoId;
    Kind kind = Kind::Static;
    std::string_view text; // a key of the string tables, as every text below
    Rect rect;
    unsigned style = kNoStyle;
    int buddy = kNoId;                            // Static: the id of the input this text labels
    std::span<const std::string_view> items = {}; // ComboBox: initial list
    std::string_view name = {}; // the name for assistive tools of an input no label names
    unsigned anchor = kAnchorTopLeft;
};

struct DialogTemplate {
    int id = 0;
    std::string_view caption;
    int width = 0, height = 0;
    int fontPoints = 8;
    unsigned style = kNoStyle;
    std::span<const Control> controls;
};

struct MenuItem {
    std::string_view text;
    int command = 0;
};

struct Popup {
    std::string_view text;
    std::span<const MenuItem> items;
};

struct Menu {
    int id = 0;
    std::span<const Popup> popups;
};

// Control builders, named after the resource script statements they stand for.
constexpr Control Text(int id, std::string_view text, Rect rect) {
    return {id, Kind::Static, text, rect};
}
constexpr Control Label(std::string_view text, Rect rect, int buddy) {
    return {kNoId, Kind::Static, text, rect, kNoStyle, buddy};
}
constexpr Control Edit(int id, Rect rect) { return {id, Kind::Edit, {}, rect}; }
constexpr Control TextArea(int id, Rect rect, unsigned style) {
    return {id, Kind::TextArea, {}, rect, style};
}
constexpr Control Button(int id, std::string_view text, Rect rect) {
    return {id, Kind::Button, text, rect};
}
constexpr Control CheckBox(int id, std::string_view text, Rect rect) {
    return {id, Kind::CheckBox, text, rect};
}
constexpr Control ComboBox(int id, Rect rect, unsigned style,
                           std::span<const std::string_view> items = {}) {
    return {id, Kind::ComboBox, {}, rect, style, kNoId, items};
}
constexpr Control List(int id, Rect rect, unsigned style = kNoStyle) {
    return {id, Kind::List, {}, rect, style};
}
// A filter field above a list, showing "ID 或注释" while empty.
constexpr Control SearchField(int id, Rect rect) {
    return {id, Kind::Edit, "list.filterCue", rect, kSearchField};
}
// `control` following the window edges `anchor` (see Anchor).
constexpr Control Anchored(unsigned anchor, Control control) {
    control.anchor = anchor;
    return control;
}
// `control` with the name assistive tools read for it, where no label gives one.
constexpr Control Named(std::string_view name, Control control) {
    control.name = name;
    return control;
}

// The template or menu with this id; nullptr when there is none.
const DialogTemplate *FindDialog(int id);
const Menu *FindMenu(int id);
// A key of a menu command, in the portable form "Ctrl+Shift+Z". The keys of the main window's
// menu work in every window of the program. Where `textFirst` is set, a text field with the
// focus that has typing of its own to take back (Undo) or to do again (Redo) takes the key
// first.
struct Accelerator {
    enum class TextFirst { No, Undo, Redo };
    int command = 0;
    std::u16string_view keys;
    TextFirst textFirst = TextFirst::No;
};
std::span<const Accelerator> Accelerators();

// Every dialog template, for checks over all of them.
std::span<const DialogTemplate *const> AllDialogs();

} // namespace res
