#include "scripts/actionprofiles.h"

#include "core/initext.h"

#include <algorithm>
#include <array>

namespace {

using enum ArgumentKind;

constexpr std::u16string_view kAres = u"Ares";
constexpr std::u16string_view kPhobos = u"Phobos";

// Ares 3.0: the actions it adds and the meaning it gives the arguments of 53 to 55, which the
// game leaves unused. Facts from the Ares documentation's page on script actions
// (Ares-docs, new/scripts.rst); the names and lines are our own.
constexpr ScriptAction kAresActions[] = {
    {53, u"在敌方基地集结", Number,
     u"在敌方基地附近集合；参数为在 AISafeDistance 之上增减的格数，可为负"},
    {54, u"回基地集结", Number,
     u"在本方基地附近集合；参数为在 AIFriendlyDistance 之上增减的格数，可为负"},
    {55, u"请求铁幕类超级武器", Number,
     u"用参数所指分组中已充好的铁幕类超级武器保护队伍，快充好时等待（参数为分组编号）"},
    {65, u"辅助电力", Number, u"永久改变所属方的电力输出，参数为电力值，可为负，多次执行会累加"},
    {66, u"杀死驾驶员", None, u"杀死成员车辆的驾驶员，车辆改归 Special 方；受保护的不受影响"},
    {67, u"夺取车辆", None, u"会驾驶或会偷车的步兵成员去占最近的车辆，得手后离队"},
    {68, u"转换类型", None, u"成员立即变为各自设定的脚本转换类型，没有设定的不变"},
    {69, u"声呐显形", Duration, u"成员在参数所给的帧数内不能隐形；参数 0 结束这一效果"},
    {70, u"禁用武器", Duration, u"成员在参数所给的帧数内不能开火；参数 0 结束这一效果"},
};

// Phobos 0.3 and later. Facts from Phobos' docs/AI-Scripting-and-Mapping.md (the actions, their
// arguments and the target types) and the map editor settings in its docs/Whats-New.md (14004,
// 16005 and the order of the variable actions); the names and lines are our own.
constexpr ScriptAction kPhobosActions[] = {
    {10000, u"攻击目标类型（近，反复）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打近的，直到没有为止"},
    {10001, u"攻击目标类型（近，一个）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打近的，成员打掉一个即结束"},
    {10002, u"攻击目标列表（近，反复）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打近的，直到没有为止"},
    {10003, u"攻击目标列表（近，一个）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打近的，成员打掉一个即结束"},
    {10004, u"攻击目标列表中随机一类（近）", AiTargetTypes,
     u"从 [AITargetTypes] 参数所指行随机挑一个类型攻击，先打近的，直到没有为止"},
    {10005, u"攻击目标类型（远，反复）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打远的，直到没有为止"},
    {10006, u"攻击目标类型（远，一个）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打远的，成员打掉一个即结束"},
    {10007, u"攻击目标列表（远，反复）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打远的，直到没有为止"},
    {10008, u"攻击目标列表（远，一个）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打远的，成员打掉一个即结束"},
    {10009, u"攻击目标列表中随机一类（远）", AiTargetTypes,
     u"从 [AITargetTypes] 参数所指行随机挑一个类型攻击，先打远的，直到没有为止"},
    {10010, u"攻击目标类型（近且威胁大，反复）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打近而威胁大的，直到没有为止"},
    {10011, u"攻击目标类型（近且威胁大，一个）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打近而威胁大的，成员打掉一个即结束"},
    {10012, u"攻击目标列表（近且威胁大，反复）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打近而威胁大的，直到没有为止"},
    {10013, u"攻击目标列表（近且威胁大，一个）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打近而威胁大的，成员打掉一个即结束"},
    {10014, u"攻击目标类型（远且威胁大，反复）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打远而威胁大的，直到没有为止"},
    {10015, u"攻击目标类型（远且威胁大，一个）", PhobosTarget,
     u"攻击参数所指类型的敌方目标，先打远而威胁大的，成员打掉一个即结束"},
    {10016, u"攻击目标列表（远且威胁大，反复）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打远而威胁大的，直到没有为止"},
    {10017, u"攻击目标列表（远且威胁大，一个）", AiTargetTypes,
     u"攻击 [AITargetTypes] 参数所指行中的类型，先打远而威胁大的，成员打掉一个即结束"},
    {10050, u"移向敌方目标类型（近且威胁大）", PhobosTarget,
     u"全队移向参数所指类型的敌方目标，先选近而威胁大的，到了足够近处结束"},
    {10051, u"移向敌方目标列表（近且威胁大）", AiTargetTypes,
     u"全队移向 [AITargetTypes] 参数所指行中类型的敌方目标，先选近而威胁大的"},
    {10052, u"移向敌方目标列表中随机一类（近）", AiTargetTypes,
     u"从 [AITargetTypes] 参数所指行随机挑一个类型，全队移向这类敌方目标，先选近的"},
    {10053, u"移向友方目标类型（近）", PhobosTarget,
     u"全队移向参数所指类型的友方目标，先选近的，到了足够近处结束"},
    {10054, u"移向友方目标列表（近）", AiTargetTypes,
     u"全队移向 [AITargetTypes] 参数所指行中类型的友方目标，先选近的"},
    {10055, u"移向友方目标列表中随机一类（近）", AiTargetTypes,
     u"从 [AITargetTypes] 参数所指行随机挑一个类型，全队移向这类友方目标，先选近的"},
    {10056, u"移向敌方目标类型（远且威胁大）", PhobosTarget,
     u"全队移向参数所指类型的敌方目标，先选远而威胁大的，到了足够近处结束"},
    {10057, u"移向敌方目标列表（远且威胁大）", AiTargetTypes,
     u"全队移向 [AITargetTypes] 参数所指行中类型的敌方目标，先选远而威胁大的"},
    {10058, u"移向敌方目标列表中随机一类（远）", AiTargetTypes,
     u"从 [AITargetTypes] 参数所指行随机挑一个类型，全队移向这类敌方目标，先选远的"},
    {10059, u"移向友方目标类型（远）", PhobosTarget,
     u"全队移向参数所指类型的友方目标，先选远的，到了足够近处结束"},
    {10060, u"移向友方目标列表（远）", AiTargetTypes,
     u"全队移向 [AITargetTypes] 参数所指行中类型的友方目标，先选远的"},
    {10061, u"移向友方目标列表中随机一类（远）", AiTargetTypes,
     u"从 [AITargetTypes] 参数所指行随机挑一个类型，全队移向这类友方目标，先选远的"},
    {10100, u"限时区域警戒", Seconds, u"在参数所给的秒数内主动警戒附近区域，迎击来犯之敌"},
    {10101, u"等待弹药装满", None, u"等用弹药的成员全部补满弹药再继续"},
    {10102, u"围绕队长集结", Seconds, u"在参数所给的秒数内守在几乎不动的队长周围"},
    {10103, u"登上队内运输工具", None, u"能被队内运输工具装载的成员登上它们"},
    {10104, u"超时空传送到敌方基地", Number,
     u"用超时空传送把全队送到敌方基地附近；参数为在 AISafeDistance 之上增减的格数，可为负"},
    {12000, u"找不到目标时等待", Number,
     u"下一个 Phobos 攻击动作找不到目标时每秒重试一次，参数为重试次数，0 为不限"},
    {12001, u"修改目标距离", Number,
     u"下一个 Phobos 移动动作以参数所给的距离代替 CloseEnough，只用一次"},
    {12002, u"设置移动结束方式", Number,
     u"下一个 Phobos 移动动作何时结束：0 队长到达，1 任一成员到达，2 全体到达"},
    {14000, u"击杀奖励触发权重", Number,
     u"下一个 Phobos 攻击动作的目标被成员打掉时，触发的当前权重加上参数"},
    {14001, u"增加触发权重", Number, u"触发的当前权重加上参数，不超出其最小和最大权重"},
    {14002, u"减少触发权重", Number, u"触发的当前权重减去参数，不超出其最小和最大权重"},
    {14003, u"撤销记录成功", None, u"与动作 49 相反：把这次行动记为失败"},
    {14004, u"强制只打敌对方", Number,
     u"所属方全部队伍在 Phobos 攻击和移动动作中只打敌对方与否：-1 按队伍，0 否，1 是，2 随机"},
    {16000, u"定时重跳本行", Seconds,
     u"参数所给的秒数到时重新开始当前动作，反复如此，直到动作 16002 停止"},
    {16001, u"定时跳到下一行", Seconds, u"参数所给的秒数到时结束当前动作，接着执行下一行"},
    {16002, u"停止定时跳转", None, u"停止动作 16000 或 16001 开始的定时跳转"},
    {16003, u"随机跳过下一行", Number, u"按参数所给的百分比（0 到 100）跳过下一个动作"},
    {16004, u"随机换脚本", AiScriptsList,
     u"从 [AIScriptsList] 参数所指行随机挑一个脚本，替换当前脚本"},
    {16005, u"回到原脚本", None, u"由动作 16004 换来的脚本回到原脚本，从 16004 之后继续"},
};

// The variable actions 18000-18071: twelve operations on a local or a global variable, with a
// number, a local variable's value or a global variable's value: six blocks of twelve, in the
// order of the map editor settings named above.
constexpr std::array<std::u16string_view, 12> kOperations = {
    u"设为", u"加上", u"减去",     u"乘以",     u"除以",   u"取模",
    u"左移", u"右移", u"按位取反", u"按位异或", u"按位或", u"按位与",
};
struct VariableBlock {
    std::u16string_view target, operand;
    VariableScope targetScope, operandScope;
};
constexpr VariableScope kLocal = VariableScope::Local, kGlobal = VariableScope::Global;
constexpr VariableBlock kVariableBlocks[] = {
    {u"局部变量", u"数值", kLocal, VariableScope::Number},
    {u"全局变量", u"数值", kGlobal, VariableScope::Number},
    {u"局部变量", u"局部变量", kLocal, kLocal},
    {u"全局变量", u"局部变量", kGlobal, kLocal},
    {u"局部变量", u"全局变量", kLocal, kGlobal},
    {u"全局变量", u"全局变量", kGlobal, kGlobal},
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
    {124, u"停止定时跳转", None, u"停止动作 125 或 126 开始的定时跳转"},
    {125, u"定时跳到下一行", Duration,
     u"参数所给的帧数到时结束当前动作，接着执行下一行（旧编号按帧计，新编号 16001 按秒计）"},
    {126, u"定时重跳本行", Duration,
     u"参数所给的帧数到时重新开始当前动作，反复如此（旧编号按帧计，新编号 16000 按秒计）"},
};

// The variable actions' names and lines, made once.
struct VariableTexts {
    std::vector<std::u16string> texts; // name, line, name, line, ...
    VariableTexts() {
        texts.reserve(2 * kVariableCount);
        for (const VariableBlock &block : kVariableBlocks) {
            for (std::u16string_view operation : kOperations) {
                const bool number = block.operand == u"数值";
                texts.push_back(std::u16string(block.target) + std::u16string(operation) + u"（" +
                                std::u16string(block.operand) + u"）");
                texts.push_back(
                    u"把参数低 16 位所指的" + std::u16string(block.target) + u"“" +
                    std::u16string(operation) + u"”参数高 16 位" +
                    (number ? u"的数值" : u"所指" + std::u16string(block.operand) + u"的值"));
            }
        }
    }
};

const VariableTexts &Variables() {
    static const VariableTexts texts;
    return texts;
}

ScriptAction VariableAction(int k, int number) {
    const std::vector<std::u16string> &texts = Variables().texts;
    const VariableBlock &block = kVariableBlocks[size_t(k / int(kOperations.size()))];
    return {number,
            texts[size_t(2 * k)],
            ArgumentKind::Variable,
            texts[size_t(2 * k + 1)],
            ActionQuirk::None,
            kPhobos,
            block.targetScope,
            block.operandScope};
}

// Lays `over` onto `actions` (in number order): its entries replace those of the same number.
void LayOver(std::vector<ScriptAction> &actions, std::span<const ScriptAction> over,
             std::u16string_view source) {
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
constexpr std::array<std::u16string_view, kEngineCount> kEngineLabels = {
    u"基础游戏", u"Ares", u"Ares + Phobos", u"Ares + Phobos 旧编号"};

std::u16string Decimal(int64_t n) { return ToWide(std::to_string(n)); }

} // namespace

std::string_view EngineName(Engine engine) { return kEngineNames[size_t(engine)]; }

std::optional<Engine> EngineNamed(std::string_view name) {
    for (size_t i = 0; i < kEngineNames.size(); ++i)
        if (kEngineNames[i] == name) return Engine(i);
    return std::nullopt;
}

std::u16string_view EngineLabel(Engine engine) { return kEngineLabels[size_t(engine)]; }

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
                u"脚本 " + ToWide(script) + u" 的 “" + ToWide(Trimmed(line)) + u"”：动作 " +
                Decimal(parsed->action) + u" 改为 " + Decimal(*moved) + u"，参数 " +
                Decimal(parsed->argument) +
                (toSeconds ? u" 原按帧计，新编号按秒计" : u" 原按秒计，旧编号按帧计") +
                u"（每秒 15 帧），没有换算，请自行核对。");
        }
    }
    result.text.append(sectionsText.substr(std::min(copied, sectionsText.size())));
    return result;
}
