#include "document/entrydiff.h"
#include "document/entrymerge.h"

#include "core/document.h"
#include "scripts/scriptloader.h"
#include "support/generator.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamloader.h"
#include "triggers/triggerloader.h"

#include <gtest/gtest.h>

namespace {

void Load(Document &document, const std::string &text) {
    testsupport::FillSlots(document, {text});
    LoadTeamTypes(document, true);
    LoadScripts(document);
    LoadTaskForces(document);
    LoadAITriggerTypes(document);
}

// The changes as one line: "changed team TA Priority:5>7; added team TC"; "-" for an absent value.
std::string Render(const std::vector<EntryChange> &changes) {
    std::string out;
    for (const EntryChange &change : changes) {
        if (!out.empty()) out += "; ";
        out += change.what == EntryChange::What::Added     ? "added "
               : change.what == EntryChange::What::Removed ? "removed "
                                                           : "changed ";
        out += std::string(EntryKindName(change.kind)) + " " + change.id;
        if (change.occurrence > 0) out += "#" + std::to_string(change.occurrence);
        for (const FieldChange &field : change.fields)
            out += " " + field.name + ":" + field.before.value_or("-") + ">" +
                   field.after.value_or("-");
        for (const std::string &line : change.removedLines)
            out += " -" + line;
        for (const std::string &line : change.addedLines)
            out += " +" + line;
    }
    return out;
}

std::string DiffTexts(const std::string &before, const std::string &after) {
    Document old, now;
    Load(old, before);
    Load(now, after);
    return Render(DiffEntries(EntriesOf(old), EntriesOf(now)));
}

const std::string kTeams =
    "[TeamTypes]\n0=TA\n1=TB\n[TA]\nName=a\nPriority=5\nMax=1\n[TB]\nName=b\n";
const std::string kTaskForces = "[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=1,HTNK\n";
const std::string kScripts = "[ScriptTypes]\n0=SC1\n[SC1]\nName=s\n0=0,2\n1=3,12\n2=11,5\n";
const std::string kBlock = "0000000002000000000000000000000000000000000000000000000000000000";
const std::string kTriggers = "[AITriggerTypes]\nTR1=t1,TA,<all>,0,-1,<none>," + kBlock +
                              ",50.000000,30.000000,50.000000,1,0,0,0,<none>,1,1,1\n";

// A small file in which every kind has an entry; the arguments replace its parts.
std::string File(const std::string &teams = kTeams, const std::string &taskForces = kTaskForces,
                 const std::string &scripts = kScripts, const std::string &triggers = kTriggers) {
    return teams + taskForces + scripts + triggers;
}

} // namespace

TEST(EntryDiff, OneRowPerRule) {
    struct Row {
        const char *rule;
        std::string after;
        std::string expected;
    } rows[] = {
        {"equal", File(), ""},
        {"renumbered and reordered is no change",
         File("[TeamTypes]\n7=TB\n9=TA\n[TB]\nName=b\n\n\n[TA]\nName=a\nPriority=5\nMax=1\n"), ""},
        {"added", File() + "[TeamTypes]\n5=TC\n[TC]\nName=c\n", "added team TC"},
        {"removed", File(kTeams, kTaskForces, "[ScriptTypes]\n"), "removed script SC1"},
        {"a team's keys",
         File("[TeamTypes]\n0=TA\n1=TB\n[TA]\nName=a\nPriority=7\nVeteranLevel=2\n[TB]\nName=b\n"),
         "changed team TA Priority:5>7 Max:1>- VeteranLevel:->2"},
        {"a team's lines when its keys are equal",
         File("[TeamTypes]\n0=TA\n1=TB\n[TA]\nName=a\n;note\nPriority=5\nMax=1\n[TB]\nName=b\n"),
         "changed team TA +;note"},
        {"a trigger's fields by name",
         File(kTeams, kTaskForces, kScripts,
              "[AITriggerTypes]\nTR1=t1,TB,<all>,0,-1,<none>," + kBlock +
                  ",60.000000,30.000000,50.000000,1,0,0,0,<none>,1,1,0\n"),
         "changed trigger TR1 team:TA>TB weight:50.000000>60.000000 hard:1>0"},
        {"a task force's lines", File(kTeams, "[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=2,HTNK\n"),
         "changed task-force TF1 -0=1,HTNK +0=2,HTNK"},
        {"a script's lines, only those between the first and the last that differ",
         File(kTeams, kTaskForces, "[ScriptTypes]\n0=SC1\n[SC1]\nName=s\n0=0,2\n1=3,13\n2=11,5\n"),
         "changed script SC1 -1=3,12 +1=3,13"},
        {"an ID listed again", File() + "[TeamTypes]\n8=TB\n", "added team TB#1"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(DiffTexts(File(), row.after), row.expected) << row.rule;
}

std::string Conflicts(const MergeResult &merged) {
    std::string out;
    for (const MergeConflict &conflict : merged.conflicts)
        out += (out.empty() ? "" : "; ") + conflict.kind + " " + conflict.id;
    return out;
}

// The text a save into one file writes of the document.
std::string SavedText(const Document &d) {
    return d.taskForceListText + d.taskForceSectionsText + d.scriptListText + d.scriptSectionsText +
           d.teamListText + d.teamSectionsText + "\n" + d.triggerText;
}

// A generated mod against itself with its lists renumbered from another start number.
TEST(EntryDiff, AGeneratedFileRenumberedIsEqual) {
    Document old, now;
    testsupport::LoadGeneratedDocument(old, 1, 7);
    now = old;
    std::string renumbered;
    for (std::string *list : {&now.teamListText, &now.scriptListText}) {
        renumbered.clear();
        int number = 100;
        for (std::string_view line : LinesOf(*list)) {
            const size_t equals = line.find('=');
            renumbered += equals == std::string_view::npos
                              ? std::string(line)
                              : std::to_string(number++) + std::string(line.substr(equals));
            renumbered += '\n';
        }
        *list = renumbered;
    }
    const std::vector<Entry> entries = EntriesOf(old);
    EXPECT_EQ(entries.size(), 5000u);
    EXPECT_TRUE(DiffEntries(entries, EntriesOf(now)).empty());
}

TEST(EntryMerge, OneRowPerRule) {
    const std::string teamTC = "[TeamTypes]\n5=TC\n[TC]\nName=c\n";
    const std::string scriptChanged =
        "[ScriptTypes]\n0=SC1\n[SC1]\nName=s\n0=0,2\n1=3,13\n2=11,5\n";
    const std::string noScript = "[ScriptTypes]\n";
    auto team = [](const std::string &ta) {
        return File("[TeamTypes]\n0=TA\n1=TB\n[TA]\n" + ta + "[TB]\nName=b\n");
    };
    auto trigger = [](const std::string &weight) {
        return File(kTeams, kTaskForces, kScripts,
                    "[AITriggerTypes]\nTR1=t1,TA,<all>,0,-1,<none>," + kBlock + "," + weight +
                        ",30.000000,50.000000,1,0,0,0,<none>,1,1,1\n");
    };
    struct Row {
        const char *rule;
        std::string ours, theirs, expected, conflicts;
    } rows[] = {
        {"changed on one side", team("Name=a\nPriority=7\nMax=1\n"), File(),
         team("Name=a\nPriority=7\nMax=1\n"), ""},
        {"changed on the other side", File(), File(kTeams, kTaskForces, scriptChanged),
         File(kTeams, kTaskForces, scriptChanged), ""},
        {"changed alike on both sides", File(kTeams, kTaskForces, scriptChanged),
         File(kTeams, kTaskForces, scriptChanged), File(kTeams, kTaskForces, scriptChanged), ""},
        {"added on either side", File() + teamTC, File() + "[TeamTypes]\n5=TD\n[TD]\nName=d\n",
         File() + teamTC + "[TeamTypes]\n6=TD\n[TD]\nName=d\n", ""},
        {"added alike on both sides", File() + teamTC, File() + teamTC, File() + teamTC, ""},
        {"the same ID added with two bodies", File() + teamTC,
         File() + "[TeamTypes]\n5=TC\n[TC]\nName=other\n", File() + teamTC, "team TC"},
        {"deleted on one side, unchanged on the other", File(kTeams, kTaskForces, noScript), File(),
         File(kTeams, kTaskForces, noScript), ""},
        {"deleted on OURS, changed on THEIRS", File(kTeams, kTaskForces, noScript),
         File(kTeams, kTaskForces, scriptChanged), File(kTeams, kTaskForces, noScript),
         "script SC1"},
        {"changed on OURS, deleted on THEIRS", File(kTeams, kTaskForces, scriptChanged),
         File(kTeams, kTaskForces, noScript), File(kTeams, kTaskForces, scriptChanged),
         "script SC1"},
        {"a team's keys changed on both sides, each on one",
         team("Name=a\nPriority=7\nMax=1\nGroup=2\n"),
         team("Name=a\nPriority=5\nMax=3\nLoadable=yes\n"),
         team("Name=a\nPriority=7\nMax=3\nGroup=2\nLoadable=yes\n"), ""},
        {"a team's key changed on both sides differently", team("Name=a\nPriority=7\nMax=1\n"),
         team("Name=a\nPriority=8\nMax=3\n"), team("Name=a\nPriority=7\nMax=1\n"), "team TA"},
        {"a team with a comment changed on both sides", team("Name=a\n;mine\nPriority=7\nMax=1\n"),
         team("Name=a\nPriority=5\nMax=3\n"), team("Name=a\n;mine\nPriority=7\nMax=1\n"),
         "team TA"},
        {"a trigger changed on both sides differently", trigger("60.000000"), trigger("70.000000"),
         trigger("60.000000"), "trigger TR1"},
        {"a body that differs in blank lines alone is unchanged",
         File(kTeams, "[TaskForces]\n0=TF1\n[TF1]\nName=tf\n\n\n0=1,HTNK\n"),
         File(kTeams, "[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=2,HTNK\n"),
         File(kTeams, "[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=2,HTNK\n"), ""},
        {"renumbered on both sides",
         File("[TeamTypes]\n7=TB\n9=TA\n[TA]\nName=a\nPriority=5\nMax=1\n[TB]\nName=b\n"),
         File("[TeamTypes]\n+=TA\n+=TB\n[TA]\nName=a\nPriority=5\nMax=1\n[TB]\nName=b\n"), File(),
         ""},
    };
    for (const Row &row : rows) {
        const MergeResult merged = MergeAiTexts(File(), row.ours, row.theirs);
        EXPECT_EQ(DiffTexts(row.expected, merged.text), "") << row.rule << "\n" << merged.text;
        EXPECT_EQ(Conflicts(merged), row.conflicts) << row.rule;
        // What the merge writes, a merge of it with itself writes again.
        EXPECT_EQ(MergeAiTexts(merged.text, merged.text, merged.text).text, merged.text)
            << row.rule;
    }
}

// Two sides that appended to one list keep both entries: OURS's first, then THEIRS's.
TEST(EntryMerge, AdditionsFollowTheEntryBeforeThem) {
    const std::string base = "[TeamTypes]\n0=TA\n1=TB\n[TA]\nName=a\n[TB]\nName=b\n";
    const MergeResult merged =
        MergeAiTexts(base, base + "[TeamTypes]\n2=TC\n[TC]\nName=c\n",
                     "[TeamTypes]\n0=TA\n1=TX\n2=TB\n3=TD\n[TA]\nName=a\n[TB]\nName=b\n"
                     "[TX]\nName=x\n[TD]\nName=d\n");
    EXPECT_EQ(merged.text, "[TeamTypes]\n0=TA\n1=TX\n2=TB\n3=TC\n4=TD\n\n[TA]\nName=a\n\n"
                           "[TX]\nName=x\n\n[TB]\nName=b\n\n[TC]\nName=c\n\n[TD]\nName=d\n\n");
}

// Merged with itself, a file is written as a save into one file writes it; the text before the
// first section and the sections no list names are kept.
TEST(EntryMerge, WritesTheListsAsSaveWrites) {
    const std::string raw = testsupport::GenerateAiFile(1, 3);
    Document loaded;
    Load(loaded, raw);
    const std::string saved = SavedText(loaded);
    EXPECT_EQ(MergeAiTexts(saved, saved, saved).text, saved);

    const std::string merged = MergeAiTexts(raw, raw, raw).text;
    const size_t lists = merged.find("[TaskForces]");
    ASSERT_NE(lists, std::string::npos);
    EXPECT_EQ(merged.substr(0, lists), raw.substr(0, raw.find("[General]")));
    EXPECT_EQ(merged.substr(lists, saved.size()), saved);
    EXPECT_EQ(merged.substr(lists + saved.size()).rfind("[General]\n", 0), 0u);
}

// An include file that holds entries but no list is merged by section; a list whose entries have
// their sections in another file writes no section for them.
TEST(EntryMerge, SectionsOfAFileWithoutAList) {
    const std::string base = "; mod AI\n[TA]\nName=a\n\n[TB]\nName=b\n";
    const MergeResult merged =
        MergeAiTexts(base, "; mod AI\n[TA]\nName=a2\n\n[TB]\nName=b\n", base + "[TC]\nName=c\n");
    EXPECT_EQ(merged.text, "; mod AI\n[TA]\nName=a2\n\n[TB]\nName=b\n[TC]\nName=c\n");
    EXPECT_EQ(Conflicts(merged), "");

    const MergeResult both =
        MergeAiTexts(base, "[TA]\nName=a2\n\n[TB]\nName=b\n", "[TA]\nName=a3\n\n[TB]\nName=b\n");
    ASSERT_EQ(Conflicts(both), "section [TA]");
    EXPECT_EQ(both.conflicts[0].ours, "[TA]\nName=a2\n\n");
    EXPECT_EQ(both.conflicts[0].theirs, "[TA]\nName=a3\n\n");

    const std::string main = "[#include]\n0=teams.ini\n[TeamTypes]\n0=TA\n";
    const MergeResult listed = MergeAiTexts(main, main + "1=TB\n", main);
    EXPECT_EQ(listed.text, "[TeamTypes]\n0=TA\n1=TB\n\n[#include]\n0=teams.ini\n");
}

// A script names teams (action 18) and scripts (action 17) by their places in the lists of the
// side it was taken from; merged, it names the same entries in the merged lists.
TEST(EntryMerge, ScriptsNameTheSameEntriesByIndex) {
    const std::string teams = "[TA]\nName=a\n[TB]\nName=b\n";
    const std::string base =
        "[TeamTypes]\n0=TA\n1=TB\n" + teams + "[ScriptTypes]\n0=SC1\n[SC1]\nName=s\n0=18,1\n";
    // OURS puts a team first and adds a script naming it and TB.
    const std::string ours = "[TeamTypes]\n0=TN\n1=TA\n2=TB\n[TN]\nName=n\n" + teams +
                             "[ScriptTypes]\n0=SC1\n1=SC3\n[SC1]\nName=s\n0=18,1\n"
                             "[SC3]\nName=s3\n0=18,0\n1=18,2\n";
    // THEIRS adds a script and points SC1 at TA and at it, with a note and blanks.
    const std::string theirs = "[TeamTypes]\n0=TA\n1=TB\n" + teams +
                               "[ScriptTypes]\n0=SC1\n1=SC2\n[SC1]\nName=s\n0=18, 0 ;note\n"
                               "1=17,1\n2=17,7\n[SC2]\nName=s2\n0=17,0\n";
    const MergeResult merged = MergeAiTexts(base, ours, theirs);
    EXPECT_EQ(Conflicts(merged), "");
    EXPECT_NE(merged.text.find("[ScriptTypes]\n0=SC1\n1=SC3\n2=SC2\n"), std::string::npos)
        << merged.text;
    EXPECT_NE(merged.text.find("[SC1]\nName=s\n0=18, 1 ;note\n1=17,2\n2=17,7\n\n"
                               "[SC3]\nName=s3\n0=18,0\n1=18,2\n\n[SC2]\nName=s2\n0=17,0\n"),
              std::string::npos)
        << merged.text;
}

// A second section of a listed ID is dropped, as Save drops it; an ID two lists share gets its
// one section under each list, as Save writes it, and a merge of that writes it so again.
TEST(EntryMerge, ASecondSectionOfAListedIdIsDropped) {
    const std::string file = "[TaskForces]\n0=S\n[S]\nName=s\n[TeamTypes]\n0=S\n[S]\nName=dup\n";
    const std::string merged = MergeAiTexts(file, file, file).text;
    EXPECT_EQ(merged, "[TaskForces]\n0=S\n\n[S]\nName=s\n\n[TeamTypes]\n0=S\n\n[S]\nName=s\n\n");
    EXPECT_EQ(MergeAiTexts(merged, merged, merged).text, merged);
}
