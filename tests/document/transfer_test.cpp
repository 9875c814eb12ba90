// Entries across files and copies of a whole chain: an import with what it uses, renamed where
// this file has the ID otherwise, kept where it is equal, script indexes recomputed; a trigger
// copied with its teams and task forces as easy, normal and hard variants.

#include "core/initext.h"
#include "core/registrylist.h"
#include "document/copychain.h"
#include "document/documentio.h"
#include "document/entrytable.h"
#include "document/importentries.h"
#include "newentry/entryops.h"
#include "scripts/scriptactions.h"
#include "support/generator.h"
#include "support/testsupport.h"
#include "triggers/triggerformat.h"

#include <gtest/gtest.h>
#include <map>

using namespace testsupport;

namespace {

// `text` opened as Open opens a file.
Document Opened(const std::string &text) {
    TempDir dir;
    WriteBytes(dir / "ai.ini", text);
    Document document;
    document.openedPath = WidePath(dir / "ai.ini");
    LoadOpenedFile(document, false);
    return document;
}

Document Generated(int k, uint32_t seed) {
    Document document;
    LoadGeneratedDocument(document, k, seed);
    return document;
}

std::string Lines(const std::vector<ImportedEntry> &entries) {
    std::string out;
    for (const ImportedEntry &entry : entries)
        out += std::string(entry.kept ? "kept " : "imported ") + std::string(KindWord(entry.kind)) +
               " " + entry.id + (entry.newId != entry.id ? " as " + entry.newId : "") + "\n";
    return out;
}

const std::string kInto = "[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=1,E1\n"
                          "[ScriptTypes]\n0=S1\n[S1]\nName=s\n0=0,1\n"
                          "[TeamTypes]\n0=TM0\n1=TM1\n[TM0]\nName=zero\n"
                          "[TM1]\nName=t\nTaskForce=TF1\nScript=S1\n"
                          "[AITriggerTypes]\nTR0=x,TM1,<all>,0,1,o,b,1,1,1,1,0,0,0,<none>,1,1,1\n";

} // namespace

TEST(ImportEntries, TakesWhatEntriesUseRenamesClashesAndRecomputesScriptIndexes) {
    Document into = Opened(kInto);
    const Document before = into;
    const Document from =
        Opened("[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=1,E1\n"
               "[ScriptTypes]\n0=S1\n1=S2\n[S1]\nName=other s\n0=0,2\n"
               "[S2]\nName=calls\n0=18,1\n1=17,0\n2=18,0 ;note\n3=18,9\n"
               "[TeamTypes]\n0=TMX\n1=TMY\n[TMX]\nName=x\nTaskForce=TF1\nScript=S2\n"
               "[TMY]\nName=y\nTaskForce=TF1 ;main\nScript=S1\n"
               "[AITriggerTypes]\nTR=imported,TMX,<all>,0,1,o,b,1,1,1,1,0,0,0,<none>,1,1,1\n");
    const std::vector<ImportedEntry> imported =
        ImportEntries(into, from, {{NewEntryKind::Trigger, "TR"}});
    EXPECT_EQ(Lines(imported), "imported trigger TR\n"
                               "imported team TMX\n"
                               "kept task-force TF1\n"
                               "imported script S2\n"
                               "imported team TMY\n"
                               "imported script S1 as S1_2\n");
    EXPECT_EQ(into.taskForceListText, before.taskForceListText);
    EXPECT_EQ(into.taskForceSectionsText, before.taskForceSectionsText);
    EXPECT_EQ(into.scriptListText, before.scriptListText + "1=S2\n2=S1_2\n");
    // Team 1 of the other file (TMY) is team 3 here, script 0 (S1) is S1_2, script 2; an index
    // past the other file's list names nothing to import and stays.
    EXPECT_EQ(into.scriptSectionsText,
              before.scriptSectionsText +
                  "[S2]\nName=calls\n0=18,3\n1=17,2\n2=18,2 ;note\n3=18,9\n\n"
                  "[S1_2]\nName=other s\n0=0,2\n\n");
    // The team list is renumbered as after 新增, its texts read the same when saved.
    EXPECT_EQ(into.teamListText + into.teamSectionsText,
              "[TeamTypes]\n0=TM0\n1=TM1\n2=TMX\n3=TMY\n\n" + before.teamSectionsText.substr(1) +
                  "[TMX]\nName=x\nTaskForce=TF1\nScript=S2\n\n"
                  "[TMY]\nName=y\nTaskForce=TF1 ;main\nScript=S1_2\n\n");
    EXPECT_EQ(into.triggerText,
              "[AITriggerTypes]\nTR0=x,TM1,<all>,0,1,o,b,1,1,1,1,0,0,0,<none>,1,1,1\n"
              "TR=imported,TMX,<all>,0,1,o,b,1,1,1,1,0,0,0,<none>,1,1,1\n");
    EXPECT_EQ(U8(ImportSummary(imported)),
              "导入了 5 个条目，1 个已有相同的条目，没有再复制。\n"
              "以下条目已有同名的不同条目，改用了新的注册名称:\n脚本 S1 → S1_2");
}

TEST(ImportEntries, AnEntryWhoseUsedEntryIsRenamedIsRenamedToo) {
    // TM1 reads the same in both files, but its task force differs: the imported TM1 must keep
    // the other file's task force, so it cannot be this file's TM1.
    Document into = Opened(kInto);
    const Document from = Opened("[TaskForces]\n0=TF1\n[TF1]\nName=tf\n0=9,E1\n"
                                 "[ScriptTypes]\n0=S1\n[S1]\nName=s\n0=0,1\n"
                                 "[TeamTypes]\n0=TM1\n[TM1]\nName=t\nTaskForce=TF1\nScript=S1\n");
    EXPECT_EQ(Lines(ImportEntries(into, from, {{NewEntryKind::Team, "TM1"}})),
              "imported team TM1 as TM1_2\nimported task-force TF1 as TF1_2\nkept script S1\n");
    EXPECT_NE(into.teamSectionsText.find("[TM1_2]\nName=t\nTaskForce=TF1_2\nScript=S1\n"),
              std::string::npos);
}

TEST(ImportEntries, AnEntryOfAnIdAnotherKindHasGetsANewId) {
    Document into = Opened(kInto);
    const Document from = Opened("[ScriptTypes]\n0=TF1\n[TF1]\nName=s\n0=0,1\n");
    EXPECT_EQ(Lines(ImportEntries(into, from, {{NewEntryKind::Script, "TF1"}})),
              "imported script TF1 as TF1_2\n");
}

TEST(ImportEntries, ATriggerChainBetweenGeneratedModsWithClashingIds) {
    Document into = Generated(1, 1);
    Document from = Generated(1, 2);
    const EntryTable intoTable(into);
    const std::string teamId(intoTable.Ids(NewEntryKind::Team)[3]);
    const std::string clash(intoTable.Ids(NewEntryKind::TaskForce)[5]);
    // The other mod's trigger uses a team and a task force whose IDs this mod has otherwise.
    std::string trigger, team, taskForce;
    {
        // A trigger whose team's script names a script or team by index.
        const EntryTable table(from);
        for (std::string_view id : table.Ids(NewEntryKind::Trigger)) {
            const std::string field = TriggerField(*table.Body(NewEntryKind::Trigger, id), 1);
            const std::string_view body = *table.Body(NewEntryKind::Team, ReferenceIn(field));
            const std::string script(ReferenceIn(*KeyLineValue(body, "Script")));
            const std::string actions(*table.Body(NewEntryKind::Script, script));
            if (actions.find("=17,") == std::string::npos &&
                actions.find("=18,") == std::string::npos)
                continue;
            trigger = id;
            team = ReferenceIn(field);
            taskForce = ReferenceIn(*KeyLineValue(body, "TaskForce"));
            break;
        }
        ASSERT_FALSE(trigger.empty());
    }
    ASSERT_TRUE(RenameEntry(from, ToWide(team), ToWide(teamId)));
    ASSERT_TRUE(RenameEntry(from, ToWide(taskForce), ToWide(clash)));

    const Document before = into;
    const std::vector<ImportedEntry> imported =
        ImportEntries(into, from, {{NewEntryKind::Trigger, trigger}});
    const EntryTable after(into), beforeTable(before), fromTable(from);
    std::map<std::pair<NewEntryKind, std::string>, std::string> newIds;
    for (const ImportedEntry &entry : imported) {
        newIds[{entry.kind, entry.id}] = entry.newId;
        EXPECT_FALSE(entry.kept) << entry.id;
        EXPECT_EQ(entry.newId != entry.id, entry.id == teamId || entry.id == clash) << entry.id;
    }
    EXPECT_TRUE(newIds.contains({NewEntryKind::Team, teamId}));
    EXPECT_TRUE(newIds.contains({NewEntryKind::TaskForce, clash}));
    // Nothing of this mod changed.
    for (NewEntryKind kind : {NewEntryKind::Trigger, NewEntryKind::Team, NewEntryKind::Script,
                              NewEntryKind::TaskForce}) {
        const std::vector<std::string_view> &ids = beforeTable.Ids(kind);
        ASSERT_GE(after.Ids(kind).size(), ids.size());
        for (size_t i = 0; i < ids.size(); ++i) {
            ASSERT_EQ(after.Ids(kind)[i], ids[i]);
            ASSERT_EQ(*after.Body(kind, ids[i]), *beforeTable.Body(kind, ids[i]));
        }
    }
    // Every index a script names, as the other mod reads it, names the same entry here.
    int indexes = 0;
    for (const ImportedEntry &entry : imported) {
        if (entry.kind != NewEntryKind::Script) continue;
        std::vector<std::string> theirs, ours;
        auto targets = [](const EntryTable &table, std::string_view body,
                          std::vector<std::string> &out) {
            ForEachLine(body, [&](std::string_view line) {
                const std::optional<ActionLine> action = ParseActionLine(line);
                const ScriptAction *known =
                    action && action->wellFormed ? FindScriptAction(action->action) : nullptr;
                if (!known || (known->argument != ArgumentKind::Script &&
                               known->argument != ArgumentKind::Team))
                    return;
                const NewEntryKind kind = known->argument == ArgumentKind::Script
                                              ? NewEntryKind::Script
                                              : NewEntryKind::Team;
                const auto &ids = table.Ids(kind);
                out.push_back(action->argument >= 0 && size_t(action->argument) < ids.size()
                                  ? std::string(ids[size_t(action->argument)])
                                  : "-");
            });
        };
        targets(fromTable, *fromTable.Body(NewEntryKind::Script, entry.id), theirs);
        targets(after, *after.Body(NewEntryKind::Script, entry.newId), ours);
        ASSERT_EQ(theirs.size(), ours.size());
        for (size_t i = 0; i < theirs.size(); ++i) {
            ++indexes;
            // The kind of each index is not kept here: look the ID up in both kinds.
            const auto script = newIds.find({NewEntryKind::Script, theirs[i]});
            const auto team = newIds.find({NewEntryKind::Team, theirs[i]});
            EXPECT_TRUE((script != newIds.end() && script->second == ours[i]) ||
                        (team != newIds.end() && team->second == ours[i]))
                << theirs[i] << " became " << ours[i];
        }
    }
    EXPECT_GT(indexes, 0);
}

TEST(ImportEntries, EqualEntriesAreKeptAndChangeNothing) {
    Document into = Generated(1, 1);
    const Document before = into;
    const Document from = Generated(1, 1);
    std::vector<EntryRef> all;
    const EntryTable table(from);
    for (NewEntryKind kind :
         {NewEntryKind::Trigger, NewEntryKind::Team, NewEntryKind::Script, NewEntryKind::TaskForce})
        for (std::string_view id : table.Ids(kind))
            all.push_back({kind, std::string(id)});
    const std::vector<ImportedEntry> imported = ImportEntries(into, from, all);
    EXPECT_EQ(imported.size(), all.size());
    for (const ImportedEntry &entry : imported)
        ASSERT_TRUE(entry.kept) << entry.id;
    EXPECT_EQ(into.Texts().size(), before.Texts().size());
    for (size_t i = 0; i < into.Texts().size(); ++i)
        EXPECT_EQ(*into.Texts()[i], *before.Texts()[i]) << i;
    for (const ImportableEntry &row : ImportableEntries(into, from))
        ASSERT_EQ(row.presence, Presence::SameBody) << row.id;
}

TEST(ImportEntries, RowsSayWhetherThisFileHasTheId) {
    const Document into = Opened(kInto);
    const Document from = Opened("[TaskForces]\n0=TF1\n1=TF2\n[TF1]\nName=tf\n0=1,E1\n"
                                 "[TF2]\nName=two\n[ScriptTypes]\n0=S1\n[S1]\nName=s\n0=0,2\n");
    std::string rows;
    for (const ImportableEntry &row : ImportableEntries(into, from))
        rows += std::string(KindWord(row.kind)) + " " + row.id + " " + row.name + " " +
                std::to_string(int(row.presence)) + "\n";
    EXPECT_EQ(rows, "script S1 s 2\ntask-force TF1 tf 1\ntask-force TF2 two 0\n");
}

namespace {

const std::string kChain = "[TaskForces]\n0=TF\n[TF]\nName=tf\n0=1,E1\n"
                           "[ScriptTypes]\n0=S\n[S]\nName=s\n0=0,1\n"
                           "[TeamTypes]\n0=TM\n1=TM2\n[TM]\nName=t\nTaskForce=TF\nScript=S\n"
                           "[TM2]\nName=u\nTaskForce=TF ;same\nScript=S\n"
                           "[AITriggerTypes]\nTR=a,TM,<all>,0,1,o,b,1,1,1,1,0,0,0,TM2,1,1,1\n";

} // namespace

TEST(CopyChain, EasyNormalAndHardVariants) {
    Document document = Opened(kChain);
    const Document before = document;
    const std::vector<CopiedEntry> copied = CopyChain(
        document, u"TR",
        {{u"_E", Difficulty::Easy}, {u"_M", Difficulty::Medium}, {u"_H", Difficulty::Hard}});
    ASSERT_EQ(copied.size(), 12u);
    EXPECT_EQ(document.taskForceListText, before.taskForceListText + "1=TF_E\n2=TF_M\n3=TF_H\n");
    EXPECT_EQ(document.scriptListText, before.scriptListText); // scripts are shared
    EXPECT_EQ(document.teamListText,
              "[TeamTypes]\n0=TM\n1=TM2\n2=TM_E\n3=TM2_E\n4=TM_M\n5=TM2_M\n6=TM_H\n7=TM2_H\n\n");
    EXPECT_NE(document.teamSectionsText.find(
                  "[TM_E]\nName=t\nTaskForce=TF_E\nScript=S\n\n"
                  "[TM2_E]\nName=u\nTaskForce=TF_E ;same\nScript=S\n\n[TM_M]\n"),
              std::string::npos)
        << document.teamSectionsText;
    EXPECT_EQ(document.triggerText,
              "[AITriggerTypes]\nTR=a,TM,<all>,0,1,o,b,1,1,1,1,0,0,0,TM2,1,1,1\n"
              "TR_E=a,TM_E,<all>,0,1,o,b,1,1,1,1,0,0,0,TM2_E,1,0,0\n"
              "TR_M=a,TM_M,<all>,0,1,o,b,1,1,1,1,0,0,0,TM2_M,0,1,0\n"
              "TR_H=a,TM_H,<all>,0,1,o,b,1,1,1,1,0,0,0,TM2_H,0,0,1\n");
}

TEST(CopyChain, Refusals) {
    const Document document = Opened(kChain + "TS=short,TM\n");
    const std::pair<std::u16string, std::vector<ChainCopy>> cases[] = {
        {u"NONE", {{u"_E"}}},
        {u"TR", {}},
        {u"TR", {{u""}}},
        {u"TR", {{u"2"}}}, // TM2 is taken
        {u"TR", {{u"_x"}, {u"_x", Difficulty::Hard}}},
        {u"TR", {{u"[x"}}},
        {u"TS", {{u"_E", Difficulty::Easy}}},
    };
    for (const auto &[trigger, copies] : cases) {
        Document copy = document;
        EXPECT_TRUE(CopyChainProblem(copy, trigger, copies)) << U8(trigger);
        EXPECT_TRUE(CopyChain(copy, trigger, copies).empty());
        EXPECT_EQ(copy.triggerText, document.triggerText);
        EXPECT_EQ(copy.teamListText, document.teamListText);
    }
    EXPECT_FALSE(CopyChainProblem(document, u"TS", {{u"_E"}}));
}
