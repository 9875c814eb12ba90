#pragma once
// The file report: what Save will not write of the text that Open read, which references in the
// document lead nowhere, and which values the game reads lack their form. The editor shows it at
// the first Save and on demand; the headless command prints it.

#include "core/document.h"
#include "core/modnames.h"
#include "core/registrylist.h"
#include "scripts/actionprofiles.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FindingGroup { Dropped, Reference, Value };

constexpr int kFindingKindCount = int(FindingKind::ScriptArgument) + 1;

// The script actions a check goes by, and the hint it gives when another built-in profile
// explains every action the file uses while the chosen one lacks some.
struct ActionsCheck {
    const ActionProfile *profile = nullptr; // the game's own when null
    std::u16string hint; // "文件中 1,748 行用到 Ares + Phobos 旧编号 的动作，当前为 基础游戏"
};

// A stable ASCII name for tools ("unlisted-section", "missing-task-force", ...).
std::string_view FindingKindName(FindingKind kind);
// What the user reads ("未列出的小节", ...).
std::u16string FindingKindLabel(FindingKind kind);
FindingGroup GroupOf(FindingKind kind);

// Reads the loaded slots (each named by its path) the way the loaders do: one pass over each
// slot's lines, one header lookup per list entry.
DroppedOnSave FindDroppedOnSave(const FileSlots &slots);

// Checks the seven document texts as they stand: references and values. Each finding is told by
// file and line through the document's loadedFiles (the team's TaskForce= line, the trigger's line,
// the second list line of an ID listed twice, the list line of an entry without a section); an
// entry changed since Open, or one Open did not read, is told as in the document only (line 0).
// With `rules`, also the names it does not give: task force member types and trigger condition
// objects (codes 0, 1 and 7) that no type list names, and houses of triggers and teams that
// [Countries] does not name; each only when the file has those lists. Action lines are checked
// against `actions`' profile, whose hint is set.
std::vector<Finding> FindBrokenReferences(const Document &document,
                                          const RulesFile *rules = nullptr,
                                          ActionsCheck *actions = nullptr);

// The type of a member line "N=count,TYPE" (a ';' note after it), or nullopt for any other line.
std::optional<std::string_view> MemberLineType(std::string_view row);

// What the task force window tells of the member line at `lineIndex` (from 0) of its edit-field
// text, with a rules file that has type lists: "第 2 行：3 × HTNK — Grizzly Battle Tank（车辆）"
// (the name the player sees, when the type has one), or "第 2 行：类型 HTNKK 不在规则文件中".
// Empty for any other line, and without such a rules file.
std::u16string ExplainMemberLine(std::u16string_view fieldText, int lineIndex,
                                 const ModNames &names);

// Where the lines of entries stand in the files Open read, for tools that name them by file and
// line. Scans the files once.
class EntryLocator {
public:
    explicit EntryLocator(const Document &document);
    ~EntryLocator();
    EntryLocator(const EntryLocator &) = delete;
    EntryLocator &operator=(const EntryLocator &) = delete;

    struct Place {
        std::u16string file; // as the report names it
        int line = 0;        // from 1
    };
    // Line `bodyLine` (from 0; -1 for the header line) of the body the document holds for entry
    // `id` of kind `kind` (0 task forces, 1 scripts, 2 teams), or the line of trigger `id` (kind
    // 3). Nothing when the files do not hold that body as the document does.
    std::optional<Place> Locate(int kind, std::string_view id, std::string_view body, int bodyLine);

private:
    struct Files;
    std::unique_ptr<Files> files_;
};

// The report's note on the rules file: its path and what it gave, or that it has none of the lists.
std::u16string RulesFileNote(const RulesFile &rules);

// Where a finding is told: "ai.ini 第 40 行", or "文档中" for one only the document has.
std::u16string FindingPlace(const Finding &finding);

// The head of the report: the opened file and the counts per category and kind, without the
// line per finding.
std::u16string FileReportSummary(const std::u16string &openedPath, const DroppedOnSave &dropped,
                                 const std::vector<Finding> *broken,
                                 const RulesFile *rules = nullptr,
                                 const ActionsCheck *actions = nullptr);

// The report as the user reads it: the opened file (with the rules file checked against, when
// there is one, and the actions checked against with their hint), the counts per category and
// kind, then one line per finding. Without `broken` only the part that Save drops.
std::u16string FileReportText(const std::u16string &openedPath, const DroppedOnSave &dropped,
                              const std::vector<Finding> *broken, const RulesFile *rules = nullptr,
                              const ActionsCheck *actions = nullptr);
