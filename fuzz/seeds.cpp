// Writes the seed inputs of every fuzzing target: include sets from the tests' own texts, from
// the files given, and cut from generated mods, each with a few parameter choices of the target.
//
//   fuzz-seeds OUT_DIR [FILE...]     writes OUT_DIR/<target>/<name>

#include "core/initext.h"
#include "core/registrylist.h"
#include "fuzz/fuzzcases.h"
#include "support/generator.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

namespace fs = std::filesystem;
using fuzzcases::IncludeSet;

namespace {

std::string Crlf(std::string_view text) {
    std::string out;
    for (char c : text)
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

// Texts the tests open, as include sets.
std::vector<std::pair<std::string, IncludeSet>> TestSets() {
    const std::string trigger = "A=n,T1,<all>,0,1,X,"
                                "0000000002000000000000000000000000000000000000000000000000000000,"
                                "50.000000,12.5,0.000000,1,0,0,0,<none>,0,0,0\n";
    return {
        {"teams",
         {{},
          {"[TaskForces]\n0=0CE4CA3C-G\n1=TF\n[0CE4CA3C-G]\nName=tanks\n0=3,TANK\n"
           "[TF]\nName=tf\n0=1,E1\n[ScriptTypes]\n0=SC\n[SC]\nName=s\n0=0,1\n"
           "[TeamTypes]\n0=TM\n1=TM2\n[TM]\nName=t\nTaskForce= 0CE4CA3C-G ;main\n"
           "Script=SC\nTaskForce=0CE4CA3C-G\nFull=Yes\n[TM2]\nName=u\n"
           "TaskForce=TF\nScript=SC;x\n[AITriggerTypes]\n"
           "TR=a,TM,<all>,0,1,o,b,1,1,1,1,0,0,0,TM,1,1,1\n"
           "TR2=b,TM2,<all>,0,1,o,b,1,1,1,1,0,0,0, TM ;2nd,1,1,1\n"}}},
        {"includes",
         {{},
          {Crlf("[#include]\n1=1.ini\n\n; list\n2=  2.ini  ;the second\n+=3.ini\n[General]\nx=1\n"
                "[TeamTypes]\n5=T1\n[T1]\nName=t\nScript=S1\nTaskForce=F1\nPriority=high\n"),
           "[ScriptTypes]\n0=S1\n[S1]\nName=s\n0=1,2\n1=1\n",
           "[TaskForces]\n;4=F1\n+=F2\n0=F1\n[F1]\nName=f\n0=2,INF1\nGroup=-1\n[F2]\n1=E1\n",
           "[AITriggerTypes]\n" + trigger + ";B=x\nC=y ;z\n"}}},
        {"awkward",
         {{},
          {"[#include]\n1=1.ini\n2=2.ini\n[General]\nx=[A]\n[A]B]\nName=\x94[\n[TaskForces]\n"
           "0=A]B\n0=A\n[TeamTypes]\n",
           "[A]\nName=hidden\n", "[A]\nName=a\n"}}},
        {"blocks",
         {{},
          {"[ScriptTypes]\n1=S\n[S]\n0=1,2\n\n[ScriptTypes]\n0=R \t\n[R]\nName=r\n"
           "[AITriggerTypes]\n;B=x\nC=y ;z\n[TeamTypes]\n2147483647=T\n+=U\n[T]\nName=t\n"}}},
    };
}

// The first few teams of a generated mod with the task forces and scripts they name, and the
// triggers that name them, as one file.
std::string CutGenerated(uint32_t seed, size_t teams) {
    Document doc;
    testsupport::LoadGeneratedDocument(doc, 1, seed);
    std::vector<std::string> teamIds, forceIds, scriptIds;
    for (std::string_view id : ListIds(doc.teamListText)) {
        if (teamIds.size() == teams) break;
        teamIds.emplace_back(id);
        const std::string section = EntrySectionOf(doc.teamSectionsText, id);
        forceIds.push_back(ReferenceIn(ValueOfKey(section, "TaskForce=")).data());
        scriptIds.push_back(ReferenceIn(ValueOfKey(section, "Script=")).data());
    }
    auto kind = [](std::string_view list, const std::vector<std::string> &ids,
                   const std::string &sections) {
        std::string text = "[" + std::string(list) + "]\n";
        for (size_t i = 0; i < ids.size(); ++i)
            text += std::to_string(i) + "=" + ids[i] + "\n";
        for (const std::string &id : ids)
            text += EntrySectionOf(sections, id) + "\n";
        return text;
    };
    std::string text = kind("TaskForces", forceIds, doc.taskForceSectionsText) +
                       kind("ScriptTypes", scriptIds, doc.scriptSectionsText) +
                       kind("TeamTypes", teamIds, doc.teamSectionsText) + "[AITriggerTypes]\n";
    const std::set<std::string> named(teamIds.begin(), teamIds.end());
    ForEachLine(doc.triggerText, [&](std::string_view line) {
        const std::vector<std::string_view> fields = [&] {
            std::vector<std::string_view> out;
            for (size_t begin = 0, comma = 0; comma != std::string_view::npos; begin = comma + 1) {
                comma = line.find(',', begin);
                out.push_back(line.substr(begin, comma - begin));
            }
            return out;
        }();
        if (fields.size() > 1 && named.count(std::string(fields[1])))
            text += std::string(line) + "\n";
    });
    return text;
}

// The generated text split over the opened file and three include files at its list headers.
IncludeSet Split(const std::string &text) {
    std::vector<size_t> cuts = {0};
    for (const char *header : {"[ScriptTypes]\n", "[TeamTypes]\n", "[AITriggerTypes]\n"})
        cuts.push_back(text.find(header));
    cuts.push_back(text.size());
    IncludeSet set;
    for (size_t i = 0; i + 1 < cuts.size(); ++i)
        set.files.push_back(text.substr(cuts[i], cuts[i + 1] - cuts[i]));
    set.files[0].insert(0, "[#include]\n1=1.ini\n2=2.ini\n3=3.ini\n");
    return set;
}

// Three versions of a cut generated mod for the merge: BASE; OURS with a team changed and one
// added; THEIRS with the same team changed otherwise, a trigger removed and the lists renumbered.
IncludeSet MergeSet(const std::string &text) {
    std::string ours = text, theirs = text;
    if (const size_t at = text.find("Priority="); at != std::string::npos) {
        ours.insert(at, "Max=9\n");
        theirs.insert(at, "Max=8\nGroup=3\n");
    }
    ours += "[TeamTypes]\n+=NEWTEAM\n[NEWTEAM]\nName=n\nTaskForce=X\n";
    if (const size_t at = theirs.find("[AITriggerTypes]\n"); at != std::string::npos) {
        const size_t line = at + std::string_view("[AITriggerTypes]\n").size();
        theirs.erase(line, theirs.find('\n', line) + 1 - line);
    }
    for (const char *list : {"[TaskForces]\n", "[ScriptTypes]\n", "[TeamTypes]\n"})
        if (const size_t at = theirs.find(list); at != std::string::npos)
            theirs.insert(at + std::strlen(list), "+=");
    return {{}, {text, ours, theirs}};
}

std::string Bytes(std::initializer_list<uint8_t> bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Parameter choices per target (see fuzz/fuzzcases.cpp); none holds the piece separator.
const std::map<std::string_view, std::vector<std::string>> kParams = {
    // Without and with the start number from the file; helper numbers and a key.
    {"open-report-save", {"0", "1", Bytes({'1', 0xff, 0x7f, 0, 0x80, 5, 0}) + "[TeamTypes]"}},
    // Team and trigger picks; then Priority 5, a flag, the trigger's name, base weight, skirmish
    // box and easy box; or the condition and operator from their lists and the value -5.
    {"forms",
     {Bytes({0, 0}), Bytes({3, 2}) + " 5\n*\n\x80Name\n\x87 12.50\n\x8a\n\x8f\n",
      Bytes({2, 5}) + "\x84\x03\n\x8b\x02\n\x86-5\n"}},
    // The entry pick and the new ID.
    {"rename",
     {Bytes({0}) + "NEW-G",
      "\x03"
      "0CE4CA3D-G",
      "\x07"
      "a b",
      "\x02TM"}},
    // The merge takes none.
    {"merge", {""}},
    // Budget, then: an edit step in a nested action, undo, redo, save, undo; with a small budget,
    // a step of three edits, undo, redo, a step that changes nothing, undo, undo.
    {"history",
     {Bytes({0xff, 0xff, 0, 0, 5, 0, 0, 0, 3, 'a', 'b', 'c', 5, 6, 7, 5}),
      Bytes({0x40, 0,   0, 2, 0x0a, 0,    0, 0x10, 4, 'w', 'x', 'y', 'z', 4, 2, 0, 0, 2,
             '\n', '[', 6, 0, 0,    0xff, 0, 5,    6, 4,   0,   0,   0,   0, 0, 0, 5, 5})}},
};

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: fuzz-seeds OUT_DIR [FILE...]\n");
        return 2;
    }
    std::vector<std::pair<std::string, IncludeSet>> sets = TestSets();
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        sets.push_back({fs::path(argv[i]).stem().string(),
                        {{}, {std::string(std::istreambuf_iterator<char>(in), {})}}});
    }
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        const std::string text = CutGenerated(seed, 2 + seed);
        const std::string name = "generated" + std::to_string(seed);
        sets.push_back({name, {{}, {seed == 2 ? Crlf(text) : text}}});
        sets.push_back({name + "-split", Split(text)});
        sets.push_back({name + "-three", MergeSet(text)});
    }
    for (const fuzzcases::FuzzTarget &target : fuzzcases::kFuzzTargets) {
        const fs::path folder = fs::path(argv[1]) / target.name;
        fs::create_directories(folder);
        const std::vector<std::string> &params = kParams.at(target.name);
        for (const auto &[name, set] : sets) {
            for (size_t i = 0; i < params.size(); ++i) {
                IncludeSet seed = set;
                seed.params = params[i];
                std::ofstream out(folder / (name + "-" + std::to_string(i)), std::ios::binary);
                out << fuzzcases::JoinInput(seed);
            }
        }
    }
    return 0;
}
