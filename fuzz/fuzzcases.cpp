#include "fuzz/fuzzcases.h"

#include "core/document.h"
#include "core/headerindex.h"
#include "core/history.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "document/documentio.h"
#include "document/entrymerge.h"
#include "document/filereport.h"
#include "newentry/entryops.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "scripts/scriptloader.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamform.h"
#include "teams/teamloader.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <tuple>

namespace fuzzcases {

IncludeSet SplitInput(std::string_view input) {
    IncludeSet set;
    const size_t end = input.find(kPieceSeparator);
    set.params = input.substr(0, end);
    for (size_t begin = end; begin != std::string_view::npos;) {
        ++begin;
        const bool last = set.files.size() == kIncludeFileCount;
        const size_t next = last ? std::string_view::npos : input.find(kPieceSeparator, begin);
        set.files.emplace_back(input.substr(begin, next - begin));
        begin = next;
    }
    return set;
}

std::string JoinInput(const IncludeSet &set) {
    std::string input = set.params;
    for (const std::string &file : set.files)
        (input += kPieceSeparator) += file;
    return input;
}

namespace {

// The parameters piece, read from the front; past its end every byte reads 0.
class Params {
public:
    explicit Params(std::string_view bytes) : rest_(bytes) {}

    bool Empty() const { return rest_.empty(); }
    uint8_t Byte() {
        if (rest_.empty()) return 0;
        const uint8_t byte = uint8_t(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }
    unsigned Word() {
        const unsigned low = Byte();
        return low | unsigned(Byte()) << 8;
    }
    std::string_view Bytes(size_t count) {
        const std::string_view bytes = rest_.substr(0, count);
        rest_.remove_prefix(bytes.size());
        return bytes;
    }
    // Up to the next LF, which is taken too.
    std::string_view Line() {
        const size_t lf = rest_.find('\n');
        const std::string_view line = rest_.substr(0, lf);
        rest_.remove_prefix(lf == std::string_view::npos ? rest_.size() : lf + 1);
        return line;
    }

private:
    std::string_view rest_;
};

[[noreturn]] void Fail(const std::string &what) { throw PropertyFailure(what); }

// A printable excerpt of `text`: `size` bytes from `at` - `size` / 2.
std::string Excerpt(std::string_view text, size_t at, size_t size = 60) {
    const size_t begin = at > size / 2 ? at - size / 2 : 0;
    std::string out = "\"";
    for (char c : text.substr(begin, size)) {
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += c;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[uint8_t(c) >> 4];
            out += kHex[uint8_t(c) & 15];
        }
    }
    return out + "\"";
}

std::string Quoted(std::string_view text, size_t size = 60) {
    return Excerpt(text.substr(0, size), 0, size);
}

constexpr std::array<std::string_view, kDocumentTextCount> kTextNames = {
    "task force list", "task force sections", "script list", "script sections",
    "team list",       "team sections",       "triggers"};

void RequireSameTexts(const Document &expected, const Document &got, std::string_view property) {
    const auto want = expected.Texts();
    const auto have = got.Texts();
    for (size_t i = 0; i < want.size(); ++i) {
        const std::string &a = *want[i], &b = *have[i];
        if (a == b) continue;
        const size_t shorter = std::min(a.size(), b.size());
        const size_t at =
            size_t(std::mismatch(a.begin(), a.begin() + shorter, b.begin()).first - a.begin());
        throw PropertyFailure(std::string(property) + ": the " + std::string(kTextNames[i]) +
                              " text differs at byte " + std::to_string(at) + "\n  expected " +
                              Excerpt(a, at) + "\n  got      " + Excerpt(b, at));
    }
}

// Lines without their LF; a final LF ends the last line and starts none.
std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

// The temporary folder the include sets are written into, one per process.
class Workspace {
public:
    Workspace() {
        std::random_device random;
        do {
            dir_ = std::filesystem::temp_directory_path() /
                   ("vantaedit-fuzz-" + std::to_string(random()) + std::to_string(random()));
        } while (!std::filesystem::create_directory(dir_));
        // Every message (a missing include file, a refused save) is answered at once.
        platform::SetMessageBoxHandler(
            [](const platform::MessageBoxRequest &) { return platform::Answer::Ok; });
    }
    ~Workspace() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;

    // Empties the folder and writes the files of `set`.
    void Write(const IncludeSet &set) {
        for (const auto &entry : std::filesystem::directory_iterator(dir_))
            std::filesystem::remove_all(entry.path());
        for (size_t i = 0; i < set.files.size(); ++i) {
            std::ofstream out(dir_ / kNames[i], std::ios::binary);
            out.write(set.files[i].data(), std::streamsize(set.files[i].size()));
        }
    }

    Document Open(bool autoDetectStart) {
        Document document;
        document.openedPath = (dir_ / kNames[0]).u16string();
        LoadOpenedFile(document, autoDetectStart);
        return document;
    }

    std::u16string Folder() const { return dir_.u16string() + platform::NativeSeparator(); }

    // Every file in the folder by its path from there ('/' between folders), with its bytes; a
    // folder as its path with a final '/'.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto &entry : std::filesystem::recursive_directory_iterator(dir_)) {
            std::string name = entry.path().lexically_relative(dir_).generic_string();
            if (entry.is_directory()) {
                files[name + "/"];
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            files[name].assign(std::istreambuf_iterator<char>(in), {});
        }
        return files;
    }

    static constexpr std::array<const char *, 1 + kIncludeFileCount> kNames = {"ai.ini", "1.ini",
                                                                               "2.ini", "3.ini"};

private:
    std::filesystem::path dir_;
};

Workspace &TheWorkspace() {
    static Workspace workspace;
    return workspace;
}

bool SameTexts(const Document &a, const Document &b) {
    const auto x = a.Texts();
    const auto y = b.Texts();
    for (size_t i = 0; i < x.size(); ++i)
        if (*x[i] != *y[i]) return false;
    return true;
}

// ---- open-report-save ----------------------------------------------------------------------

int LineCount(std::string_view text) {
    const int breaks = int(std::count(text.begin(), text.end(), '\n'));
    return text.empty() || text.back() == '\n' ? breaks : breaks + 1;
}

// Every finding told by file and line names a line of a file Open read.
void RequireReportInFiles(const Document &document, const std::u16string &folder) {
    const std::vector<Finding> broken = FindBrokenReferences(document);
    std::vector<Finding> findings = document.droppedOnSave.findings;
    findings.insert(findings.end(), broken.begin(), broken.end());
    FileReportText(document.openedPath, document.droppedOnSave, &broken);
    for (const Finding &finding : findings) {
        if (finding.line == 0) continue;
        const auto slot = std::find_if(
            document.loadedFiles.begin(), document.loadedFiles.end(), [&](const FileSlot &s) {
                return s.text && (s.path == folder + finding.file || s.path == finding.file);
            });
        const bool read = slot != document.loadedFiles.end();
        if (finding.line > 0 && read && finding.line <= LineCount(SlotText(*slot))) continue;
        Fail("the report tells " + std::string(FindingKindName(finding.kind)) + " " +
             Quoted(finding.id) + " at line " + std::to_string(finding.line) + " of " +
             ToNarrow(finding.file) +
             (read ? ", which has " + std::to_string(LineCount(SlotText(*slot))) + " lines"
                   : ", a file Open did not read"));
    }
}

// After a save: the include files as they were, the opened file, and the four files of the
// "+AI" folder for a split save; nothing else.
void RequireOnlyTargetsWritten(const IncludeSet &set,
                               const std::map<std::string, std::string> &files, SaveMode mode) {
    std::vector<std::string> targets = {"ai.ini"};
    if (mode == SaveMode::Split)
        targets.insert(targets.end(), {"+AI/", "+AI/TeamTypes.ini", "+AI/TaskForce.ini",
                                       "+AI/Scripts.ini", "+AI/AITriggerTypes.ini"});
    for (const std::string &target : targets)
        if (!files.count(target)) Fail("a save did not write " + target);
    for (const auto &[name, bytes] : files) {
        if (std::find(targets.begin(), targets.end(), name) != targets.end()) continue;
        const auto *known = std::find(Workspace::kNames.begin() + 1, Workspace::kNames.end(), name);
        const size_t file = size_t(known - Workspace::kNames.begin());
        if (file >= set.files.size() || set.files[file] != bytes)
            Fail("a save wrote " + name + ", which is none of its files");
    }
}

// The text helpers with arbitrary numbers and key: nothing may crash, and the header index finds
// the line that the literal search finds.
void ExerciseHelpers(std::string_view text, std::string_view key, int a, int b, int c) {
    const int size = int(text.size());
    FindInText(a, b, text, key, c & 1);
    FindInText(size, b, text, key, c & 1);
    CutText(text, a, b, c);
    CountLines(text);
    GetLine(text, a);
    ValueOfKey(text, key);
    NextHeaderLine(text, std::clamp(a, 0, size));
    HeaderLineOf(text, key, std::clamp(b, 0, size));
    EntrySectionOf(text, key);
    FieldsBetween(text, ',', a, b);
    NormalizeEditText(text);
    NarrowToInt(text);
    DirectoryOf(text);
    StripDotSlash(text);
    std::string copy(text);
    RemoveLineWith(copy, key);
    ReplaceChar(copy, char(a), char(b));

    const HeaderIndex index(text);
    auto checkIndex = [&](std::string_view id) {
        // IDs come from one line, so the loaders never look up one that holds an LF.
        if (id.find('\n') == std::string_view::npos && index.Find(id) != HeaderLineOf(text, id))
            Fail("the header index and the literal search disagree on " + Quoted(id));
    };
    checkIndex(key);
    ForEachLine(text, [&](std::string_view line) {
        IsAssignmentLine(line);
        SplitKeyValue(line, key.empty() ? '=' : key.front(), c & 1);
        if (std::optional<std::string> id = SplitKeyValue(line, '=', 1)) checkIndex(*id);
    });
}

// Parameters: a byte whose lowest bit has Open take the first registry number from the file (the
// check box 自动检测开始注册号); then three 16-bit numbers and a key (the rest) for the text
// helpers, which run on the opened file's bytes.
//
// Open then Save, into one file and split, writes files that Open reads back into the same seven
// texts; a second save writes the same bytes; a save writes only its own files; the report never
// names a line past the end of its file.
void RunOpenReportSave(std::string_view input) {
    const IncludeSet set = SplitInput(input);
    Params params(set.params);
    const bool autoDetectStart = params.Byte() & 1;
    const int a = int16_t(params.Word()), b = int16_t(params.Word()), c = int16_t(params.Word());
    const std::string_view key = params.Bytes(set.params.size());
    if (set.files.empty()) return;
    ExerciseHelpers(set.files[0], key, a, b, c);

    Workspace &workspace = TheWorkspace();
    workspace.Write(set);
    const Document opened = workspace.Open(autoDetectStart);
    RequireReportInFiles(opened, workspace.Folder());
    if (!CanSaveOpenedFile(opened)) return;

    // A line "[A]B]" heads the sections of both "A" and "A]B": a file that lists an ID holding
    // ']' cannot tell their sections apart.
    bool ambiguousHeaders = false;
    for (const std::string *list :
         {&opened.taskForceListText, &opened.scriptListText, &opened.teamListText})
        for (const std::string_view id : ListIds(*list))
            ambiguousHeaders = ambiguousHeaders || id.find(']') != std::string_view::npos;

    const bool sharedIds =
        std::any_of(opened.droppedOnSave.findings.begin(), opened.droppedOnSave.findings.end(),
                    [](const Finding &finding) { return finding.kind == FindingKind::SharedId; });

    for (const SaveMode mode : {SaveMode::SingleFile, SaveMode::Split}) {
        const std::string how = mode == SaveMode::Split ? "split save" : "save into one file";
        workspace.Write(set);
        Document document = opened;
        if (!SaveDocument(document, mode)) Fail("the " + how + " failed");
        const std::map<std::string, std::string> saved = workspace.Files();
        RequireOnlyTargetsWritten(set, saved, mode);
        // One file holds one section per ID: the report told at Open which kind gets it.
        if (ambiguousHeaders || (mode == SaveMode::SingleFile && sharedIds)) continue;
        Document again = workspace.Open(autoDetectStart);
        RequireSameTexts(opened, again, "Open reads back what the " + how + " wrote");
        if (!SaveDocument(again, mode)) Fail("the second " + how + " failed");
        if (workspace.Files() != saved) Fail("a second " + how + " writes other bytes");
    }
}

// ---- forms --------------------------------------------------------------------------------

struct Change {
    uint8_t pick;
    std::string value;
};

std::optional<size_t> LayoutIndexOf(std::optional<std::string_view> key) {
    for (size_t i = 0; key && i < kTeamLayout.size(); ++i)
        if (kTeamLayout[i].key == *key) return i;
    return std::nullopt;
}

// What the form shows after a save of `value` in the box of `key`.
std::string Saved(size_t key, const std::string &value) {
    if (value.empty()) return std::string(kTeamLayout[key].ifEmpty);
    std::string line = value;
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

int HeaderLineCount(std::string_view text) {
    int count = 0;
    ForEachLine(text, [&count](std::string_view line) { count += StartsWith(line, "["); });
    return count;
}

// Each line of `body` is in `updated` byte for byte, but for the first line of a key whose value
// changed; the only lines added are those of keys that no line of `body` has, one each.
void RequireTeamLinesKept(std::string_view body, std::string_view updated, const TeamForm &shown,
                          const TeamForm &edited) {
    const std::vector<std::string_view> lines = LinesOf(body);
    std::vector<std::optional<size_t>> changed(lines.size()); // the key of a rewritten line
    std::array<bool, kTeamLayout.size()> present{};
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::optional<size_t> key = LayoutIndexOf(KeyOfLine(lines[i]));
        if (!key || present[*key]) continue;
        present[*key] = true;
        if (shown[*key] != edited[*key]) changed[i] = key;
    }
    std::array<bool, kTeamLayout.size()> added{};
    size_t next = 0;
    for (const std::string_view line : LinesOf(updated)) {
        if (next < lines.size() &&
            (changed[next] ? KeyOfLine(line) == kTeamLayout[*changed[next]].key
                           : line == lines[next])) {
            ++next;
            continue;
        }
        const std::optional<size_t> key = LayoutIndexOf(KeyOfLine(line));
        if (!key || present[*key] || added[*key])
            Fail("a team save changed a line it had no reason to: " + Quoted(line) +
                 (next < lines.size() ? " in place of " + Quoted(lines[next]) : ""));
        added[*key] = true;
    }
    if (next < lines.size()) Fail("a team save lost the line " + Quoted(lines[next]));
}

void CheckTeamSave(std::string_view sections, std::string_view id,
                   const std::vector<Change> &changes) {
    const std::string section = EntrySectionOf(sections, id);
    const std::optional<std::string> body = TeamBodyOf(sections, id);
    if (section == "None" || !body) return;
    const TeamForm shown = ReadTeamForm(section);
    TeamForm edited = shown;
    for (const Change &change : changes) {
        if (change.pick >= 128) continue;
        const size_t key = change.pick % kTeamLayout.size();
        // A flag's box can only be ticked or unticked.
        edited[key] = kTeamLayout[key].flag ? (edited[key] == "yes" ? "no" : "yes") : change.value;
    }
    const std::string updated = UpdateTeamBody(*body, shown, edited);
    RequireTeamLinesKept(*body, updated, shown, edited);

    std::string saved(sections);
    if (!ReplaceTeamBody(saved, id, updated)) Fail("the team section went missing");
    if (TeamBodyOf(saved, id) != updated || HeaderLineCount(saved) != HeaderLineCount(sections))
        Fail("the saved team section " + Quoted(updated) + " has another header than its own");
    const TeamForm reread = ReadTeamForm(EntrySectionOf(saved, id));
    for (size_t key = 0; key < kTeamLayout.size(); ++key)
        if (edited[key] != shown[key] && reread[key] != Saved(key, edited[key]))
            Fail("the saved team shows " + std::string(kTeamLayout[key].key) + "=" +
                 Quoted(reread[key]) + ", not what the form saved");
    if (UpdateTeamBody(updated, edited, edited) != updated)
        Fail("a second team save without a change changes the body");
    if (UpdateTeamBody(updated, reread, reread) != updated)
        Fail("a team shown again and saved without a change changes the body");
}

// The fields of a trigger line's text after its ID: between the commas after its first '='.
std::vector<std::string_view> FieldsOf(std::string_view rest) {
    std::vector<std::string_view> fields;
    const size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return fields;
    rest.remove_prefix(equals + 1);
    for (;;) {
        const size_t comma = rest.find(',');
        fields.push_back(rest.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        rest.remove_prefix(comma + 1);
    }
}

std::string_view FieldOr(const std::vector<std::string_view> &fields, size_t field,
                         std::string_view fallback) {
    return field < fields.size() ? fields[field] : fallback;
}

std::vector<std::string_view> TriggerIds(std::string_view text) {
    std::vector<std::string_view> ids;
    ForEachLine(text, [&ids](std::string_view line) {
        const size_t equals = line.find('=');
        if (!StartsWith(line, "[") && equals != std::string_view::npos)
            ids.push_back(line.substr(0, equals));
    });
    return ids;
}

std::u16string FormText(std::string_view value) {
    std::string text(value);
    // The window refuses a comma or a line break in a text field.
    std::erase_if(text, [](char c) { return c == ',' || c == '\r' || c == '\n'; });
    return ToWide(text);
}

bool IsHexBlock(std::string_view block) {
    return block.size() == 64 &&
           block.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

void CheckTriggerSave(std::string_view text, std::string_view id,
                      const std::vector<Change> &changes) {
    // The window names the trigger by its wide ID; one that does not convert back it cannot find.
    const std::u16string wideId = ToWide(id);
    if (ToNarrow(wideId) != id) return;
    const std::string rest = FindTriggerEntry(text, id);
    const TriggerForm shown = ReadTriggerForm(rest).form;
    TriggerForm form = shown;
    for (const Change &change : changes) {
        if (change.pick < 128) continue;
        const std::u16string value = FormText(change.value);
        // A one-character value in a box with a list picks from the list.
        const int index = change.value.size() == 1 ? uint8_t(change.value[0]) : -1;
        switch ((change.pick - 128) % 18) {
        case 0:
            form.name = value;
            break;
        case 1:
            form.team = value;
            break;
        case 2:
            form.house = value;
            break;
        case 3:
            form.techLevel = value;
            break;
        case 4:
            form.condition = index >= 0 ? *ConditionName(index % 9 - 1) : value;
            break;
        case 5:
            form.conditionObject = value;
            break;
        case 6:
            form.value = value;
            break;
        case 7:
            form.baseWeight = value;
            break;
        case 8:
            form.minWeight = value;
            break;
        case 9:
            form.maxWeight = value;
            break;
        case 10:
            form.skirmish = !form.skirmish;
            break;
        case 11:
            form.comparison = index >= 0 ? *OperatorName(index % 6) : value;
            break;
        case 12:
            form.side = value;
            break;
        case 13:
            form.baseDefense = !form.baseDefense;
            break;
        case 14:
            form.secondTeam = value;
            break;
        case 15:
            form.easy = !form.easy;
            break;
        case 16:
            form.medium = !form.medium;
            break;
        case 17:
            form.hard = !form.hard;
            break;
        }
    }
    const std::string line = WriteTriggerLine(wideId, form, rest, &shown);
    auto fail = [&](const std::string &what) {
        Fail("the trigger line " + Quoted(std::string(id) + rest, 400) + " saved as " +
             Quoted(line, 400) + ": " + what);
    };

    if (!StartsWith(line, std::string(id) + "=")) fail("its ID changed");
    const std::string_view saved = std::string_view(line).substr(id.size());
    // A save without a change changes no byte, however the line is written.
    if (form == shown) {
        if (saved != rest) fail("a save without a change changed the line");
        return;
    }
    const std::vector<std::string_view> before = FieldsOf(rest), after = FieldsOf(saved);
    if (after.size() != 18) fail("not 18 fields");
    // Each field whose box still shows what it showed keeps the line's text byte for byte; field
    // 11, which no box shows, always does; the comparison block is taken apart below.
    const std::array<bool, 18> untouched = {form.name == shown.name,
                                            form.team == shown.team,
                                            form.house == shown.house,
                                            form.techLevel == shown.techLevel,
                                            form.condition == shown.condition,
                                            form.conditionObject == shown.conditionObject,
                                            false,
                                            form.baseWeight == shown.baseWeight,
                                            form.minWeight == shown.minWeight,
                                            form.maxWeight == shown.maxWeight,
                                            form.skirmish == shown.skirmish,
                                            true,
                                            form.side == shown.side,
                                            form.baseDefense == shown.baseDefense,
                                            form.secondTeam == shown.secondTeam,
                                            form.easy == shown.easy,
                                            form.medium == shown.medium,
                                            form.hard == shown.hard};
    for (size_t field = 0; field < std::min(before.size(), after.size()); ++field)
        if (untouched[field] && after[field] != before[field])
            fail("the untouched field " + std::to_string(field) + " changed");
    if (IsHexBlock(FieldOr(before, 6, "")) && after.size() > 6) {
        const std::string_view was = before[6], now = after[6];
        if (form.value == shown.value && now.substr(0, 8) != was.substr(0, 8))
            fail("the comparison block's untouched value changed");
        if (form.comparison == shown.comparison && now.substr(8, 8) != was.substr(8, 8))
            fail("the comparison block's untouched operator changed");
        if (now.substr(16) != was.substr(16)) fail("the comparison block's last 48 digits changed");
    }

    // What the user changed, the form shows as saved. (An untouched box may show what the line
    // does not say, such as "None" for the side of a short line; its field kept the line's text.)
    const TriggerForm again = ReadTriggerForm(saved).form;
    auto changedButNotShown = [&](auto member) {
        return form.*member != shown.*member && again.*member != form.*member;
    };
    if (changedButNotShown(&TriggerForm::name) || changedButNotShown(&TriggerForm::team) ||
        changedButNotShown(&TriggerForm::house) || changedButNotShown(&TriggerForm::techLevel) ||
        changedButNotShown(&TriggerForm::conditionObject) ||
        changedButNotShown(&TriggerForm::side) || changedButNotShown(&TriggerForm::secondTeam) ||
        changedButNotShown(&TriggerForm::easy) || changedButNotShown(&TriggerForm::medium) ||
        changedButNotShown(&TriggerForm::hard) || changedButNotShown(&TriggerForm::skirmish) ||
        changedButNotShown(&TriggerForm::baseDefense))
        fail("the form shows another value than was saved");
}

// Parameters: the team and the trigger shown (a byte each, an index into their lists), then one
// change a line: a byte that picks the box (below 128 a team key, the byte modulo 31 in layout
// order; else a trigger field, the byte less 128 modulo 18, 11 standing for the operator box), then
// the text typed. A check box is ticked or unticked, whatever the text.
//
// The team body writer and the trigger line writer keep byte for byte what the user did not
// change, a second save changes nothing, and a saved team section has its one header.
void RunForms(std::string_view input) {
    const IncludeSet set = SplitInput(input);
    Params params(set.params);
    const uint8_t teamPick = params.Byte(), triggerPick = params.Byte();
    std::vector<Change> changes;
    while (!params.Empty()) {
        const std::string_view line = params.Line();
        if (!line.empty()) changes.push_back({uint8_t(line.front()), std::string(line.substr(1))});
    }
    if (set.files.empty()) return;
    Workspace &workspace = TheWorkspace();
    workspace.Write(set);
    const Document document = workspace.Open(false);
    const std::vector<std::string_view> teams = ListIds(document.teamListText);
    if (!teams.empty())
        CheckTeamSave(document.teamSectionsText, teams[teamPick % teams.size()], changes);
    const std::vector<std::string_view> triggers = TriggerIds(document.triggerText);
    if (!triggers.empty())
        CheckTriggerSave(document.triggerText, triggers[triggerPick % triggers.size()], changes);
}

// ---- rename -------------------------------------------------------------------------------

// Parameters: a byte that picks the entry (an index into the IDs of the task force, script and
// team lists and of the triggers), then the new ID (the rest, in the ANSI code page).
//
// A rename to a valid ID and back gives the original texts; a refused rename changes nothing.
void RunRename(std::string_view input) {
    const IncludeSet set = SplitInput(input);
    Params params(set.params);
    const uint8_t pick = params.Byte();
    const std::u16string to = ToWide(params.Bytes(set.params.size()));
    if (set.files.empty()) return;
    Workspace &workspace = TheWorkspace();
    workspace.Write(set);
    const Document original = workspace.Open(false);
    std::vector<std::string_view> ids;
    for (const std::string *list :
         {&original.taskForceListText, &original.scriptListText, &original.teamListText}) {
        const std::vector<std::string_view> listed = ListIds(*list);
        ids.insert(ids.end(), listed.begin(), listed.end());
    }
    const std::vector<std::string_view> triggers = TriggerIds(original.triggerText);
    ids.insert(ids.end(), triggers.begin(), triggers.end());
    if (ids.empty()) return;
    const std::u16string from = ToWide(ids[pick % ids.size()]);
    auto what = [&] {
        return "renaming " + Quoted(ToNarrow(from)) + " to " + Quoted(ToNarrow(to));
    };

    Document document = original;
    const bool refused = RenameProblem(original, from, to).has_value();
    const std::optional<int> count = RenameEntry(document, from, to);
    if (count.has_value() == refused) Fail(what() + ": RenameEntry and RenameProblem disagree");
    if (!count) {
        RequireSameTexts(original, document, what() + ", refused, changed the texts");
        return;
    }
    const NewEntryKind kind = *KindOfEntry(original, ToNarrow(from));
    if (KindOfEntry(document, ToNarrow(to)) != kind) Fail(what() + ": the new ID names no entry");
    // A reference to `to` that led nowhere leads to the renamed entry now: no way back.
    if (ReferenceCount(original, kind, ToNarrow(to)) > 0) return;
    // `from` may be an ID that the dialog refuses (a ']' or '=' in it): no way back either.
    const std::optional<int> back = RenameEntry(document, to, from);
    if (!back) return;
    if (*back != *count)
        Fail(what() + " changes " + std::to_string(*count) + " references, the way back " +
             std::to_string(*back));
    RequireSameTexts(original, document, what() + " and back");
}

// ---- history ------------------------------------------------------------------------------

struct Edit {
    size_t text; // index into Document::Texts()
    size_t at;
    size_t erase;
    std::string insert;
};

void Apply(Document &document, const Edit &edit) {
    document.Texts()[edit.text]->replace(edit.at, edit.erase, edit.insert);
}

// Parameters: the byte budget (two bytes), then operations, each picked by a byte modulo 4:
//   0 a step of 1 to 4 edits (a byte), each a text (a byte modulo 7), a position (two bytes,
//     modulo the text's size plus 1), a count of bytes to erase (a byte) and the bytes to insert
//     (their count in a byte, then the bytes); an edit whose text byte is odd is made inside a
//     nested Begin and Commit, which belong to the step;
//   1 undo; 2 redo; 3 the document is saved.
//
// Edits, undos and redos end in the texts that a straight replay of the remaining edits gives;
// the history keeps within its byte budget, undoes exactly the steps it keeps, and says the
// document is unchanged only when its texts are those last saved.
void RunHistory(std::string_view input) {
    const IncludeSet set = SplitInput(input);
    Params params(set.params);
    const size_t budget = params.Word();
    Document start;
    if (!set.files.empty()) {
        Workspace &workspace = TheWorkspace();
        workspace.Write(set);
        start = workspace.Open(false);
    }
    Document document = start, saved = start;
    History history(budget);
    std::vector<std::vector<Edit>> steps; // as the user made them
    size_t position = 0;                  // steps [0, position) are done
    size_t kept = 0;                      // steps [kept, position) can be undone
    while (!params.Empty()) {
        switch (params.Byte() % 4) {
        case 0: {
            const Document before = document;
            std::vector<Edit> edits;
            history.Begin(document);
            for (int n = params.Byte() % 4 + 1; n > 0; --n) {
                const uint8_t textByte = params.Byte();
                Edit edit{size_t(textByte) % kDocumentTextCount, 0, 0, {}};
                const size_t size = document.Texts()[edit.text]->size();
                edit.at = params.Word() % (size + 1);
                edit.erase = std::min<size_t>(params.Byte(), size - edit.at);
                edit.insert = params.Bytes(params.Byte());
                const bool nested = textByte & 1;
                if (nested) history.Begin(document);
                Apply(document, edit);
                if (nested && history.Commit(document, u"inner"))
                    Fail("a Commit inside an action recorded a step of its own");
                edits.push_back(std::move(edit));
            }
            const bool changed = !SameTexts(before, document);
            if (history.Commit(document, u"step") != changed)
                Fail("Commit did not record a step exactly when a text changed");
            if (!changed) break;
            steps.resize(position);
            steps.push_back(std::move(edits));
            ++position;
            kept = position - std::min(position, history.StepCount());
            if (history.Bytes() > budget) Fail("the history holds more than its byte budget");
            break;
        }
        case 1: {
            const bool undone = history.Undo(document);
            if (undone != (position > kept)) Fail("Undo did not undo exactly the kept steps");
            position -= undone;
            break;
        }
        case 2: {
            const bool redone = history.Redo(document);
            if (redone != (position < steps.size()))
                Fail("Redo did not redo exactly the undone steps");
            position += redone;
            break;
        }
        case 3:
            history.MarkSaved();
            saved = document;
            break;
        }
        if (history.StepCount() != steps.size() - kept)
            Fail("the history lost or gained a step on undo or redo");
        if (!history.IsModified())
            RequireSameTexts(saved, document, "the history says unchanged, but the texts");
    }
    Document replayed = start;
    for (size_t step = 0; step < position; ++step)
        for (const Edit &edit : steps[step])
            Apply(replayed, edit);
    RequireSameTexts(replayed, document, "a straight replay of the remaining edits");
}

// ---- merge --------------------------------------------------------------------------------

// Whether a list of `text`, read alone, names an ID holding ']': its header "[A]B]" heads "A" too.
bool ListsAnIdWithABracket(const std::string &text) {
    Document document;
    document.fileSlots[0].text = text;
    document.fileSlots[0].length = int(text.size());
    LoadTeamTypes(document, true);
    LoadScripts(document);
    LoadTaskForces(document);
    for (const std::string *list :
         {&document.taskForceListText, &document.scriptListText, &document.teamListText})
        for (const std::string_view id : ListIds(*list))
            if (id.find(']') != std::string_view::npos) return true;
    return false;
}

// No parameters: the opened file and the first two include files are BASE, OURS and THEIRS
// (an absent one is empty).
//
// A merge in which one side is BASE has no conflict. A merged file merged with itself is written
// as the merge writes its lists, and that, merged with itself again, stays as it is (unless a list
// names an ID holding ']').
void RunMerge(std::string_view input) {
    const IncludeSet set = SplitInput(input);
    std::array<std::string, 3> versions;
    for (size_t i = 0; i < versions.size() && i < set.files.size(); ++i)
        versions[i] = set.files[i];
    const auto &[base, ours, theirs] = versions;
    if (!MergeAiTexts(base, base, theirs).conflicts.empty() ||
        !MergeAiTexts(base, ours, base).conflicts.empty())
        Fail("a merge with one side unchanged has a conflict");
    const MergeResult merged = MergeAiTexts(base, ours, theirs);
    const std::string once = MergeAiTexts(merged.text, merged.text, merged.text).text;
    if (!ListsAnIdWithABracket(once) && MergeAiTexts(once, once, once).text != once)
        Fail("a merged file merged with itself does not stay as it is written");
}

} // namespace

const std::array<FuzzTarget, 5> kFuzzTargets = {{
    {"open-report-save", RunOpenReportSave},
    {"forms", RunForms},
    {"rename", RunRename},
    {"history", RunHistory},
    {"merge", RunMerge},
}};

const FuzzTarget *FindFuzzTarget(std::string_view name) {
    for (const FuzzTarget &target : kFuzzTargets)
        if (target.name == name) return &target;
    return nullptr;
}

} // namespace fuzzcases
