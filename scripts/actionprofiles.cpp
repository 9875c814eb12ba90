#include "scripts/actionprofiles.h"

#include "core/initext.h"
#include "res/text.h"

#include <algorithm>
#include <array>

namespace {

using enum ArgumentKind;

constexpr std::string_view kAres = "engine.source.ares";
constexpr std::string_view kPhobos = "engine.source.phobos";

// Ares 3.0: the actions it adds and the meaning it gives the arguments of 53 to 55, which the
// game leaves unused. Facts from the Ares documentation's page on script actions
// (Ares-docs, new/scripts.rst); the names and lines are our own.
constexpr ScriptAction kAresActions[] = {
    {53, "action.ares.53.name", Number, "action.ares.53.line"},
    {54, "action.ares.54.name", Number, "action.ares.54.line"},
    {55, "action.ares.55.name", Number, "action.ares.55.line"},
    {65, "action.ares.65.name", Number, "action.ares.65.line"},
    {66, "action.ares.66.name", None, "action.ares.66.line"},
    {67, "action.ares.67.name", None, "action.ares.67.line"},
    {68, "action.ares.68.name", None, "action.ares.68.line"},
    {69, "action.ares.69.name", Duration, "action.ares.69.line"},
    {70, "action.ares.70.name", Duration, "action.ares.70.line"},
};

// Phobos 0.3 and later. Facts from Phobos' docs/AI-Scripting-and-Mapping.md (the actions, their
// arguments and the target types) and the map editor settings in its docs/Whats-New.md (14004,
// 16005 and the order of the variable actions); the names and lines are our own.
constexpr ScriptAction kPhobosActions[] = {
    {10000, "action.10000.name", PhobosTarget, "action.10000.line"},
    {10001, "action.10001.name", PhobosTarget, "action.10001.line"},
    {10002, "action.10002.name", AiTargetTypes, "action.10002.line"},
    {10003, "action.10003.name", AiTargetTypes, "action.10003.line"},
    {10004, "action.10004.name", AiTargetTypes, "action.10004.line"},
    {10005, "action.10005.name", PhobosTarget, "action.10005.line"},
    {10006, "action.10006.name", PhobosTarget, "action.10006.line"},
    {10007, "action.10007.name", AiTargetTypes, "action.10007.line"},
    {10008, "action.10008.name", AiTargetTypes, "action.10008.line"},
    {10009, "action.10009.name", AiTargetTypes, "action.10009.line"},
    {10010, "action.10010.name", PhobosTarget, "action.10010.line"},
    {10011, "action.10011.name", PhobosTarget, "action.10011.line"},
    {10012, "action.10012.name", AiTargetTypes, "action.10012.line"},
    {10013, "action.10013.name", AiTargetTypes, "action.10013.line"},
    {10014, "action.10014.name", PhobosTarget, "action.10014.line"},
    {10015, "action.10015.name", PhobosTarget, "action.10015.line"},
    {10016, "action.10016.name", AiTargetTypes, "action.10016.line"},
    {10017, "action.10017.name", AiTargetTypes, "action.10017.line"},
    {10050, "action.10050.name", PhobosTarget, "action.10050.line"},
    {10051, "action.10051.name", AiTargetTypes, "action.10051.line"},
    {10052, "action.10052.name", AiTargetTypes, "action.10052.line"},
    {10053, "action.10053.name", PhobosTarget, "action.10053.line"},
    {10054, "action.10054.name", AiTargetTypes, "action.10054.line"},
    {10055, "action.10055.name", AiTargetTypes, "action.10055.line"},
    {10056, "action.10056.name", PhobosTarget, "action.10056.line"},
    {10057, "action.10057.name", AiTargetTypes, "action.10057.line"},
    {10058, "action.10058.name", AiTargetTypes, "action.10058.line"},
    {10059, "action.10059.name", PhobosTarget, "action.10059.line"},
    {10060, "action.10060.name", AiTargetTypes, "action.10060.line"},
    {10061, "action.10061.name", AiTargetTypes, "action.10061.line"},
    {10100, "action.10100.name", Seconds, "action.10100.line"},
    {10101, "action.10101.name", None, "action.10101.line"},
    {10102, "action.10102.name", Seconds, "action.10102.line"},
    {10103, "action.10103.name", None, "action.10103.line"},
    {10104, "action.10104.name", Number, "action.10104.line"},
    {12000, "action.12000.name", Number, "action.12000.line"},
    {12001, "action.12001.name", Number, "action.12001.line"},
    {12002, "action.12002.name", Number, "action.12002.line"},
    {14000, "action.14000.name", Number, "action.14000.line"},
    {14001, "action.14001.name", Number, "action.14001.line"},
    {14002, "action.14002.name", Number, "action.14002.line"},
    {14003, "action.14003.name", None, "action.14003.line"},
    {14004, "action.14004.name", Number, "action.14004.line"},
    {16000, "action.16000.name", Seconds, "action.16000.line"},
    {16001, "action.16001.name", Seconds, "action.16001.line"},
    {16002, "action.16002.name", None, "action.16002.line"},
    {16003, "action.16003.name", Number, "action.16003.line"},
    {16004, "action.16004.name", AiScriptsList, "action.16004.line"},
    {16005, "action.16005.name", None, "action.16005.line"},
};

// The variable actions 18000-18071: twelve operations on a local or a global variable, with a
// number, a local variable's value or a global variable's value: six blocks of twelve, in the
// order of the map editor settings named above.
constexpr std::array<std::string_view, 12> kOperations = {
    "variable.op.0", "variable.op.1", "variable.op.2",  "variable.op.3",
    "variable.op.4", "variable.op.5", "variable.op.6",  "variable.op.7",
    "variable.op.8", "variable.op.9", "variable.op.10", "variable.op.11",
};
struct VariableBlock {
    std::string_view target, operand;
    VariableScope targetScope, operandScope;
};
constexpr VariableScope kLocal = VariableScope::Local, kGlobal = VariableScope::Global;
constexpr VariableBlock kVariableBlocks[] = {
    {"variable.local", "variable.number", kLocal, VariableScope::Number},
    {"variable.global", "variable.number", kGlobal, VariableScope::Number},
    {"variable.local", "variable.local", kLocal, kLocal},
    {"variable.global", "variable.local", kGlobal, kLocal},
    {"variable.local", "variable.global", kLocal, kGlobal},
    {"variable.global", "variable.global", kGlobal, kGlobal},
};

// The development builds before Phobos 0.3 numbered the same actions otherwise. The pairs follow
// the sed script of the public migration utility (PhobosSupplementaries, MigrationUtility/
// Scripts/UpdatePhobosTags.sed); 500-571 are 18000-18071 in order.
constexpr RenumberedAction kRenumberedBelow500[] = {
    {71, 10100},  {72, 10103},  {73, 10101},  {74, 10010},  {75, 10014},  {76, 10000},
    {77, 10005},  {78, 10011},  {79, 10015},  {80, 10001},  {81, 10006},  {82, 14002},
    {83, 14001},  {84, 10012},  {85, 10016},  {86, 10002},  {87, 10007},  {88, 10013},
    {89, 10017},  {90, 10003},  {91, 10008},  {92, 12000},  {93, 14000},  {94, 16004},
    {95, 10050},  {96, 10056},  {97, 10053},  {98, 10059},  {99, 10051},  {100, 10057},
    {101, 10054}, {102, 10060}, {103, 12001}, {104, 10004}, {105, 10009}, {106, 10052},
    {107, 10058}, {108, 10055}, {109, 10061}, {110, 12002}, {111, 14003}, {112, 10102},
    {113, 16003}, {124, 16002}, {125, 16001}, {126, 16000},
};
constexpr int kFirstOldVariable = 500, kFirstVariable = 18000, kVariableCount = 72;

// The timed jumps of the development builds counted frames; 0.3 counts seconds.
constexpr ScriptAction kDevbuildOwnActions[] = {
    {124, "action.devbuild.124.name", None, "action.devbuild.124.line"},
    {125, "action.devbuild.125.name", Duration, "action.devbuild.125.line"},
    {126, "action.devbuild.126.name", Duration, "action.devbuild.126.line"},
};

ScriptAction VariableAction(int k, int number) {
    const VariableBlock &block = kVariableBlocks[size_t(k / int(kOperations.size()))];
    ScriptAction action{number, {}, Variable, {}, ActionQuirk::None, kPhobos};
    action.variable = block.targetScope;
    action.operand = block.operandScope;
    action.variableOperation = k;
    return action;
}

// Lays `over` onto `actions` (in number order): its entries replace those of the same number.
void LayOver(std::vector<ScriptAction> &actions, std::span<const ScriptAction> over,
             std::string_view source) {
    for (ScriptAction action : over) {
        if (!source.empty()) action.source = source;
        auto at =
            std::lower_bound(actions.begin(), actions.end(), action.number,
                             [](const ScriptAction &a, int number) { return a.number < number; });
        if (at != actions.end() && at->number == action.number)
            *at = action;
        else
            actions.insert(at, action);
    }
}

std::vector<ScriptAction> BuiltInActions(Engine engine) {
    std::vector<ScriptAction> actions(ScriptActions().begin(), ScriptActions().end());
    if (engine == Engine::Base) return actions;
    LayOver(actions, kAresActions, kAres);
    if (engine == Engine::Ares) return actions;
    std::vector<ScriptAction> phobos(std::begin(kPhobosActions), std::end(kPhobosActions));
    for (int k = 0; k < kVariableCount; ++k)
        phobos.push_back(VariableAction(k, kFirstVariable + k));
    if (engine == Engine::Phobos) {
        LayOver(actions, phobos, kPhobos);
        return actions;
    }
    // The development builds: the same actions under their old numbers.
    std::vector<ScriptAction> old;
    for (const RenumberedAction &pair : PhobosRenumbering()) {
        auto current = std::find_if(phobos.begin(), phobos.end(), [&](const ScriptAction &a) {
            return a.number == pair.current;
        });
        ScriptAction action = *current;
        action.number = pair.old;
        old.push_back(action);
    }
    LayOver(actions, old, kPhobos);
    LayOver(actions, kDevbuildOwnActions, kPhobos);
    return actions;
}

constexpr std::array<std::string_view, kEngineCount> kEngineNames = {"base", "ares", "phobos",
                                                                     "phobos-devbuild"};
constexpr std::array<std::string_view, kEngineCount> kEngineLabels = {
    "engine.base", "engine.ares", "engine.phobos", "engine.phobosDevbuild"};

std::u16string Decimal(int64_t n) { return ToWide(std::to_string(n)); }

} // namespace

std::string_view EngineName(Engine engine) { return kEngineNames[size_t(engine)]; }

std::optional<Engine> EngineNamed(std::string_view name) {
    for (size_t i = 0; i < kEngineNames.size(); ++i)
        if (kEngineNames[i] == name) return Engine(i);
    return std::nullopt;
}

std::u16string EngineLabel(Engine engine) { return res::Str(kEngineLabels[size_t(engine)]); }

std::u16string VariableActionName(int k) {
    const VariableBlock &block = kVariableBlocks[size_t(k / 12)];
    return res::Format(
        "variable.name",
        {res::Str(block.target), res::Str(kOperations[size_t(k % 12)]), res::Str(block.operand)});
}

std::u16string VariableActionLine(int k) {
    const VariableBlock &block = kVariableBlocks[size_t(k / 12)];
    const std::u16string target = res::Str(block.target),
                         operation = res::Str(kOperations[size_t(k % 12)]);
    if (block.operand == "variable.number")
        return res::Format("variable.lineNumber", {target, operation});
    return res::Format("variable.lineVariable", {target, operation, res::Str(block.operand)});
}

ActionProfile::ActionProfile(Engine engine, const ActionTable *table)
    : engine_(engine), actions_(BuiltInActions(engine)) {
    if (!table) return;
    tablePath_ = table->path;
    texts_ = table->texts;
    LayOver(actions_, table->actions, {});
}

std::u16string ActionProfile::Label() const {
    std::u16string label(EngineLabel(engine_));
    if (!tablePath_.empty()) label += u" + " + std::u16string(tablePath_);
    return label;
}

const ScriptAction *ActionProfile::Find(int64_t number) const {
    auto at =
        std::lower_bound(actions_.begin(), actions_.end(), number,
                         [](const ScriptAction &a, int64_t wanted) { return a.number < wanted; });
    return at != actions_.end() && at->number == number ? &*at : nullptr;
}

const ActionProfile &BuiltInProfile(Engine engine) {
    static const std::array<ActionProfile, kEngineCount> profiles = {
        ActionProfile(Engine::Base), ActionProfile(Engine::Ares), ActionProfile(Engine::Phobos),
        ActionProfile(Engine::PhobosDevbuild)};
    return profiles[size_t(engine)];
}

const ActionProfile &BaseActions() { return BuiltInProfile(Engine::Base); }

std::span<const RenumberedAction> PhobosRenumbering() {
    static const std::vector<RenumberedAction> pairs = [] {
        std::vector<RenumberedAction> all(std::begin(kRenumberedBelow500),
                                          std::end(kRenumberedBelow500));
        for (int k = 0; k < kVariableCount; ++k)
            all.push_back({kFirstOldVariable + k, kFirstVariable + k});
        return all;
    }();
    return pairs;
}

std::optional<int> RenumberedActionNumber(int64_t action, Engine from, Engine to) {
    const bool forward = from == Engine::PhobosDevbuild && to == Engine::Phobos;
    const bool back = from == Engine::Phobos && to == Engine::PhobosDevbuild;
    if (!forward && !back) return std::nullopt;
    for (const RenumberedAction &pair : PhobosRenumbering())
        if ((forward ? pair.old : pair.current) == action) return forward ? pair.current : pair.old;
    return std::nullopt;
}

RenumberedScripts RenumberScriptActions(std::string_view sectionsText, Engine from, Engine to) {
    RenumberedScripts result;
    result.text.reserve(sectionsText.size() + sectionsText.size() / 16);
    std::string_view script;
    size_t copied = 0;
    for (size_t pos = 0; pos < sectionsText.size();) {
        const size_t lf = std::min(sectionsText.find('\n', pos), sectionsText.size());
        const std::string_view line = sectionsText.substr(pos, lf - pos);
        const size_t start = pos;
        pos = lf + 1;
        if (StartsWith(line, "[")) {
            script = line.substr(1, line.find(']') == std::string_view::npos ? line.size() - 1
                                                                             : line.find(']') - 1);
            continue;
        }
        const std::optional<ActionLine> parsed = ParseActionLine(line);
        if (!parsed || !parsed->wellFormed) continue;
        const std::optional<int> moved = RenumberedActionNumber(parsed->action, from, to);
        if (!moved) continue;
        // The action's digits: after the '=' and any blanks, up to the comma or a blank.
        const size_t equals = line.find('=');
        const size_t begin = line.find_first_not_of(" \t", equals + 1);
        const size_t end = line.find_first_of(" \t,", begin);
        result.text.append(sectionsText.substr(copied, start + begin - copied));
        result.text += std::to_string(*moved);
        copied = start + end;
        ++result.changed;
        const int oldNumber = int(from == Engine::PhobosDevbuild ? parsed->action : *moved);
        if (oldNumber == 125 || oldNumber == 126) {
            const bool toSeconds = to == Engine::Phobos;
            result.notes.push_back(
                res::Format(toSeconds ? "migrate.framesToSeconds" : "migrate.secondsToFrames",
                            {ToWide(script), ToWide(Trimmed(line)), Decimal(parsed->action),
                             Decimal(*moved), Decimal(parsed->argument)}));
        }
    }
    result.text.append(sectionsText.substr(std::min(copied, sectionsText.size())));
    return result;
}
