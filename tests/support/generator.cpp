#include "support/generator.h"

#include "core/document.h"
#include "scripts/scriptloader.h"
#include "taskforces/taskforceloader.h"
#include "teams/teamform.h"
#include "teams/teamloader.h"
#include "triggers/triggerloader.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <random>
#include <string_view>

namespace testsupport {

namespace {

constexpr int kTaskForcesPerK = 1000;
constexpr int kScriptsPerK = 1000;
constexpr int kTeamsPerK = 1000;
constexpr int kTriggersPerK = 2000;

constexpr std::array<std::string_view, 8> kAsciiNames = {
    "Early Rush", "Tank Push",     "Base Defense", "Air Strike",
    "Naval Raid", "Engineer Drop", "Harass West",  "Late Siege"};
// Code page 936 bytes. The last two hold 0x5B, the byte of '[', as a trail byte.
constexpr std::array<std::string_view, 7> kChineseNames = {
    "\xD4\xE7\xC6\xDA\xBD\xF8\xB9\xA5", // early attack
    "\xBB\xF9\xB5\xD8\xB7\xC0\xD3\xF9", // base defence
    "\xCC\xB9\xBF\xCB\xCD\xBB\xCF\xAE", // tank raid
    "\xBF\xD5\xD6\xD0\xD6\xA7\xD4\xAE", // air support
    "\xBA\xA3\xC9\xCF\xD1\xB2\xC2\xDF", // sea patrol
    "\x94\x5B\xB6\xC9\xD4\xCB\xCA\xE4", // ferry transport
    "\x8E\x5B\xC9\xBD\xCA\xD8\xB1\xB8", // mountain guard
};
constexpr std::array<std::string_view, 12> kUnits = {"INF1",  "INF2",  "INF3", "TANK1",
                                                     "TANK2", "TANK3", "ART1", "AIR1",
                                                     "AIR2",  "SHIP1", "ENG",  "SPY"};
constexpr std::array<std::string_view, 5> kSuffixes = {"-G", "-G", "-G", "-G1", "_AI"};

// std::mt19937 is the same everywhere; the standard distributions and std::shuffle are not.
class Random {
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    uint32_t Below(uint32_t n) { return uint32_t(engine_() % n); }
    int Between(int low, int high) { return low + int(Below(uint32_t(high - low + 1))); }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
    template <typename T> void Shuffle(std::vector<T> &items) {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[Below(uint32_t(i))]);
    }
    template <typename T, size_t N> T Pick(const std::array<T, N> &items) {
        return items[Below(N)];
    }

private:
    std::mt19937 engine_;
};

std::string Hex8(uint32_t value) {
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%08X", value);
    return buffer;
}

class Generator {
public:
    Generator(int k, uint32_t seed) : k_(k), seed_(seed), random_(seed) {}

    std::string Run() {
        Put("; AI rules written by the test generator\n\n[General]\nComment=see [notes] below\n"
            "Version=2\n\n");
        taskForces_ = NewIds(kTaskForcesPerK * k_);
        scripts_ = NewIds(kScriptsPerK * k_);
        teams_ = NewIds(kTeamsPerK * k_);
        WriteKind("TaskForces", taskForces_, [this] { WriteTaskForceBody(); });
        WriteKind("ScriptTypes", scripts_, [this] { WriteScriptBody(); });
        WriteKind("TeamTypes", teams_, [this] { WriteTeamBody(); });
        WriteTriggers();
        return std::move(out_);
    }

private:
    // Unique 8-digit hex IDs: multiplying by an odd number and xoring are both one-to-one.
    std::vector<std::string> NewIds(int count) {
        std::vector<std::string> ids;
        ids.reserve(size_t(count));
        for (int i = 0; i < count; ++i, ++nextId_)
            ids.push_back(Hex8((nextId_ * 0x9E3779B1u) ^ (seed_ * 0x85EBCA6Bu)) +
                          std::string(random_.Pick(kSuffixes)));
        return ids;
    }

    std::string Name() {
        std::string_view base =
            random_.OneIn(4) ? random_.Pick(kChineseNames) : random_.Pick(kAsciiNames);
        return std::string(base) + ' ' + std::to_string(random_.Between(1, 999));
    }

    template <typename WriteBody>
    void WriteKind(std::string_view listName, const std::vector<std::string> &ids,
                   WriteBody writeBody) {
        // Registry numbers are a permutation of 0..n-1, listed in shuffled order.
        std::vector<int> order(ids.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
        std::vector<int> numbers = order;
        random_.Shuffle(numbers);
        random_.Shuffle(order);
        Put("[");
        Put(listName);
        Put("]\n");
        for (int entry : order) {
            if (random_.OneIn(97)) Put("; ----\n");
            if (random_.OneIn(53)) Put("\n");
            PutNumber(numbers[size_t(entry)]);
            Put(random_.OneIn(20) ? "= " : "=");
            Put(ids[size_t(entry)]);
            Put(random_.OneIn(20) ? " \n" : "\n");
        }
        Put("\n");
        random_.Shuffle(order);
        for (int entry : order) {
            Put("[");
            Put(ids[size_t(entry)]);
            Put("]\n");
            writeBody();
            Put("\n");
        }
    }

    // Each random draw is a statement of its own: the operands of one expression are evaluated
    // in an order that differs between compilers.
    void Put(std::string_view text) { out_ += text; }
    void PutNumber(int value) { out_ += std::to_string(value); }

    void WriteTaskForceBody() {
        Put("Name=");
        Put(Name());
        Put("\n");
        for (int member = 0, count = random_.Between(3, 8); member < count; ++member) {
            PutNumber(member);
            Put("=");
            PutNumber(random_.Between(1, 10));
            Put(",");
            Put(random_.Pick(kUnits));
            Put("\n");
        }
        Put("Group=-1\n");
    }

    void WriteScriptBody() {
        Put("Name=");
        Put(Name());
        Put("\n");
        for (int line = 0, count = random_.Between(5, 20); line < count; ++line) {
            PutNumber(line);
            Put("=");
            const int action = random_.Between(0, 60);
            PutNumber(action);
            Put(",");
            const int argument = random_.Between(0, 100);
            // Actions 0 and 57 take a target type, from 0 to 11.
            PutNumber(action == 0 || action == 57 ? argument % 12 : argument);
            Put("\n");
        }
    }

    void WriteTeamBody() {
        Put("Name=");
        Put(Name());
        Put("\nPriority=");
        PutNumber(random_.Between(1, 10));
        Put("\nMax=");
        PutNumber(random_.Between(1, 5));
        Put("\n");
        Put("VeteranLevel=1\nMindControlDecision=2\nHouse=<none>\nLoadable=no\nTechLevel=0\n"
            "Group=-1\nOnTransOnly=no\n");
        for (size_t flag = kTeamFirstFlag; flag < kTeamScript; ++flag) {
            Put(kTeamLayout[flag].key);
            Put(random_.OneIn(3) ? "=yes\n" : "=no\n");
        }
        Put("Script=");
        Put(scripts_[random_.Below(uint32_t(scripts_.size()))]);
        Put("\nTaskForce=");
        Put(taskForces_[random_.Below(uint32_t(taskForces_.size()))]);
        Put("\n");
    }

    // The comparison block: the value as four little-endian hex bytes, "0", the operator digit,
    // then zeros up to 64 digits.
    std::string ComparisonBlock() {
        int32_t value = random_.OneIn(20) ? -1 : random_.Between(0, 5000);
        std::string digits = Hex8(uint32_t(value));
        std::string block;
        for (int pair = 3; pair >= 0; --pair)
            block += digits.substr(size_t(pair) * 2, 2);
        block += '0';
        block += char('0' + random_.Between(0, 5));
        block.append(54, '0');
        return block;
    }

    void WriteTriggers() {
        Put("[AITriggerTypes]\n");
        for (const std::string &id : NewIds(kTriggersPerK * k_)) {
            Put(id);
            Put("=");
            Put(Name());
            Put(",");
            Put(teams_[random_.Below(uint32_t(teams_.size()))]);
            Put(",<all>,");
            PutNumber(random_.Between(1, 10));
            Put(",");
            int condition = random_.Between(-1, 7);
            PutNumber(condition);
            Put(",");
            bool needsObject = condition == 0 || condition == 1 || condition == 7;
            Put(needsObject ? random_.Pick(kUnits) : "<none>");
            Put(",");
            Put(ComparisonBlock());
            Put(",");
            PutNumber(random_.Between(1, 500));
            Put(".000000,");
            PutNumber(random_.Between(0, 50));
            Put(".000000,");
            PutNumber(random_.Between(500, 5000));
            Put(".000000,1,0,");
            PutNumber(random_.Between(0, 3));
            Put(",0,<none>,");
            for (std::string_view end : {",", ",", "\n"}) {
                Put(random_.OneIn(2) ? "1" : "0");
                Put(end);
            }
        }
        Put("\n");
    }

    int k_;
    uint32_t seed_;
    Random random_;
    uint32_t nextId_ = 0;
    std::string out_;
    std::vector<std::string> taskForces_;
    std::vector<std::string> scripts_;
    std::vector<std::string> teams_;
};

} // namespace

std::string GenerateAiFile(int k, uint32_t seed) { return Generator(k, seed).Run(); }

std::string GenerateRulesFile(int k) {
    constexpr std::string_view kLists[] = {"InfantryTypes", "VehicleTypes", "AircraftTypes",
                                           "BuildingTypes"};
    std::vector<std::string> types;
    for (std::string_view unit : kUnits) {
        types.emplace_back(unit);
        for (char &c : types.back())
            c = char(std::tolower(static_cast<unsigned char>(c)));
    }
    // About 500 bytes of section per type.
    while (types.size() < size_t(2000 * k))
        types.push_back("TYPE" + std::to_string(types.size()));
    std::string out = "; rules written by the test generator\n[General]\nName=rules\n";
    for (size_t block = 0; block < 2; ++block) {
        for (size_t list = 0; list < std::size(kLists); ++list) {
            out += "[" + std::string(kLists[list]) + "]\n";
            for (size_t i = list + block * 4; i < types.size(); i += 8)
                out += (i % 16 < 8 ? std::to_string(i) + "=" : std::string("+=")) + types[i] +
                       (i % 3 ? "\n" : " ; note\n");
        }
    }
    out += "[Countries]\n0=Americans\n1=Russians\n2=Neutrals\n";
    for (const std::string &type : types) {
        out += "\n[" + type + "]\n";
        for (int key = 0; key < 20; ++key)
            out += "Key" + std::to_string(key) + "=value of " + type + "\n";
    }
    return out;
}

void FillSlots(Document &doc, const std::vector<std::optional<std::string>> &texts) {
    for (size_t slot = 0; slot < texts.size() && slot < doc.fileSlots.size(); ++slot) {
        doc.fileSlots[slot].text = texts[slot];
        doc.fileSlots[slot].length = texts[slot] ? int(texts[slot]->size()) : 0;
    }
}

void LoadGeneratedDocument(Document &doc, int k, uint32_t seed) {
    static std::map<std::pair<int, uint32_t>, Document> cache;
    auto it = cache.find({k, seed});
    if (it == cache.end()) {
        Document loaded;
        FillSlots(loaded, {GenerateAiFile(k, seed)});
        LoadTeamTypes(loaded, false);
        LoadScripts(loaded);
        LoadTaskForces(loaded);
        LoadAITriggerTypes(loaded);
        loaded.fileSlots = {};
        loaded.openedPath = u"/tmp/generated.ini";
        it = cache.emplace(std::make_pair(k, seed), std::move(loaded)).first;
    }
    doc = it->second;
}
} // namespace testsupport
