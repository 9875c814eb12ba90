// vantaedit-cli: opens an AI file as the editor's Open does and saves it as Save does, or prints
// the file report, without any window. Messages the editor would show in a box go to standard
// error.

#include "cli/actionsoption.h"
#include "cli/commands.h"
#include "cli/diff.h"
#include "cli/explain.h"
#include "cli/json.h"
#include "cli/merge.h"
#include "cli/migrate.h"
#include "core/document.h"
#include "core/initext.h"
#include "document/documentio.h"
#include "document/filereport.h"
#include "document/rulesfile.h"
#include "document/stringtable.h"
#include "newentry/entryops.h"
#include "platform/codepage.h"
#include "platform/seams.h"
#include "platform/textfile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifndef VANTAEDIT_VERSION
#define VANTAEDIT_VERSION "unknown"
#endif

namespace {

const char kUsage[] =
    "用法: vantaedit-cli save [--split] [--no-autodetect] FILE\n"
    "      vantaedit-cli rename [--split] [--no-autodetect] FILE OLD NEW\n"
    "      vantaedit-cli import [--split] [--no-autodetect] FILE FROM ID...\n"
    "      vantaedit-cli copy-chain [--split] [--no-autodetect] FILE TRIGGER COPY...\n"
    "      vantaedit-cli check [--no-autodetect] [--rules RULES] [--csf FILE] [--engine NAME]\n"
    "                          [--actions TABLE] [--format=text|gcc|json] FILE...\n"
    "      vantaedit-cli explain [--rules RULES] [--csf FILE] [--engine NAME] [--actions TABLE]\n"
    "                            [--format=text|json] FILE ID...\n"
    "      vantaedit-cli migrate --from phobos-devbuild --to phobos [--split] [--no-autodetect] "
    "FILE\n"
    "      vantaedit-cli diff [--format=text|json] OLD NEW\n"
    "      vantaedit-cli merge BASE OURS THEIRS [-o OUT]\n"
    "      vantaedit-cli --version | --help\n"
    "\n"
    "save: 像编辑器的“打开”一样读取 FILE（连同其 [#include] 中的文件），再像“保存”一样写回：\n"
    "  默认         写回 FILE 本身\n"
    "  --split      分文件保存：写入 FILE 旁边的 +AI 文件夹，FILE 只保留 [#include]\n"
    "  --no-autodetect  不从第一条 [TeamTypes] 注册行取开始注册号（从 0 开始编号）\n"
    "  保存前在标准错误上列出保存时将丢弃的内容，然后照样保存。\n"
    "  退出状态: 0 成功（不存在的包含文件只提示，照常保存）;\n"
    "    1 文件无法读取、[#include] 第 15 行以后还有包含文件、写入失败或符号链接指向文件夹之外\n"
    "      （磁盘上什么也不改变）;\n"
    "    2 用法错误。\n"
    "\n"
    "rename: 像 save 一样读取 FILE，把条目 OLD 改名为 NEW，连同所有引用它的地方（队伍的\n"
    "  TaskForce= 和 Script=，触发的作战队伍和第二队伍；只替换值中的 ID，后面的注释不变），\n"
    "  再像 save 一样保存。退出状态同 save，另有 4: 改名被拒绝（OLD 不存在或同时是两类条目，\n"
    "  NEW 已被占用或不能作注册名称），原因写在标准错误上，什么也不写入。\n"
    "\n"
    "import: 像 save 一样读取 FILE，再读取另一个 AI 文件 FROM（连同其包含文件），把 FROM 中的\n"
    "  条目 ID... 连同它们用到的一切导入 FILE（触发的队伍，队伍的人员和脚本，脚本动作按序号\n"
    "  指向的脚本和队伍；序号改为导入后本文件列表中的序号），再像 save 一样保存。\n"
    "  本文件已有同一 ID 且内容相同的条目不再复制；同一 ID 内容不同的条目换用“复制”建议的\n"
    "  新 ID 导入，导入的条目中的引用随之改变。本文件原有的条目不变。每个条目在标准输出上一行:\n"
    "    imported KIND ID | imported KIND ID as NEWID | kept KIND ID\n"
    "  （KIND 为 trigger、team、script、task-force）。\n"
    "  退出状态同 save，另有 4: 某个 ID 不是 FROM 中的条目，什么也不写入。\n"
    "\n"
    "copy-chain: 像 save 一样读取 FILE，把触发 TRIGGER 连同它的队伍（作战队伍和第二队伍）和\n"
    "  队伍的人员复制为新条目（脚本共用，不复制），副本互相引用，再像 save 一样保存。\n"
    "  每个 COPY 做一份副本，每个 ID 后加上后缀 S，按给出的顺序:\n"
    "    --suffix S  难度标志不变\n"
    "    --easy S    只设简单（第 15、16、17 字段为 1,0,0）\n"
    "    --medium S  只设中等（0,1,0）\n"
    "    --hard S    只设困难（0,0,1）\n"
    "  每个副本条目在标准输出上一行: copied KIND ID as NEWID。\n"
    "  退出状态同 save，另有 4: 复制被拒绝（TRIGGER 不是触发，新 ID 已被占用、重复或不能\n"
    "  作注册名称，或触发行不是 18 个字段却要设难度），原因写在标准错误上，什么也不写入。\n"
    "\n"
    "check: 同样读取每个 FILE，什么也不写，在标准输出上（UTF-8）报告：\n"
    "  保存时将丢弃的内容（未列出的小节、重复的小节、两类共用的 ID、注释掉的列表行、\n"
    "  无法读取的包含文件）、引用错误（不存在或没有指定的队伍、人员、脚本，列表中重复的 ID，\n"
    "  没有小节的条目）和数值错误（触发行不是 18 个字段、条件代码不在 -1 到 7、权重不是数字、\n"
    "  难度标志不是整数、队伍的 Priority 或 Max 不是整数、成员行不是“数量,类型”、\n"
    "  动作行不是“动作,参数”两个整数、动作不在动作表中、目标类型未知或脚本、队伍序号超出列表），\n"
    "  每项带文件和行号（从 1 数起，按磁盘上的文件）。\n"
    "  --rules RULES  同时按 mod 的规则文件 RULES（连同其 [#include] 中的文件，ANSI 或 UTF-8）\n"
    "                 检查名称: 人员的成员类型和触发的条件单位（条件 0、1、7）要在\n"
    "                 [InfantryTypes]、[VehicleTypes]、[AircraftTypes] 或 [BuildingTypes] 中，\n"
    "                 触发和队伍的国家要在 [Countries] 中（不分英文字母大小写）；报告第一行写明\n"
    "                 规则文件，其中没有这些列表时也写明。规则文件无法读取时整次运行失败（1）。\n"
    "  --csf FILE     同时读取 mod 的字符串表 "
    "FILE（.csf）；它无法读取或已损坏时整次运行失败（1），\n"
    "                 gcc 格式为 FILE: error: 说明 [unreadable-strings]，json 中另有\n"
    "                 \"strings\": {\"file\", \"texts\"}（无法读取时为 \"file\", \"error\"）\n"
    "  --engine NAME  按哪套脚本动作检查: base（基础游戏，默认）、ares（Ares）、phobos\n"
    "                 （Ares + Phobos）、phobos-devbuild（Ares + Phobos 旧编号）；报告第一行和 "
    "JSON\n"
    "                 的 \"actions\" 写明所用的动作表。别的动作表能解释文件用到的全部动作时，\n"
    "                 第一行另加一句提示（gcc 格式为 FILE: note: ... [engine-hint]）。\n"
    "  --actions TABLE  mod 自己的动作表（[ScriptActions] 中每行 编号=名称,种类,说明），\n"
    "                 加在所选的动作之上，同号的取代原有的。无法读取或有读不懂的行时整次运行\n"
    "                 失败（1），原因写明文件和行号。\n"
    "  --format=text  默认：给人看的报告，如下例\n"
    "  --format=gcc   每项一行: FILE:LINE: warning: ID: 说明 [kind]；无法读取的文件为\n"
    "                 FILE: error: 说明 [unreadable-file]，无法读取的规则文件为\n"
    "                 RULES: error: 说明 [unreadable-rules]\n"
    "  --format=json  整次运行一个 UTF-8 JSON 文档: {\"version\", \"status\", \"files\": "
    "[{\"file\",\n"
    "                 \"status\", \"error\"(仅无法读取时), \"findings\": [{\"kind\", \"id\", "
    "\"file\",\n"
    "                 \"line\", \"message\"}], \"summary\": {\"findings\", \"dropped\", "
    "\"references\",\n"
    "                 \"values\", \"otherSections\", \"kinds\": {kind: 数目}}}]}；用 --rules 时\n"
    "                 另有 \"rules\": {\"file\", \"types\", \"countries\"}（无法读取时为 \"file\", "
    "\"error\"）\n"
    "  FILE 和包含文件的路径按命令行上给出的写法。\n"
    "  退出状态（多个 FILE 时取最严重的一个: 1 重于 3 重于 0）:\n"
    "    0 没有发现问题; 3 有发现（包括不存在的包含文件）; 1 FILE 或 RULES 无法读取，\n"
    "    或保存会拒绝（某个包含文件存在却无法读取，或 [#include] 第 15 行以后还有包含文件）;\n"
    "    2 用法错误。\n"
    "\n"
    "explain: 同样读取 FILE，逐行说明每个 ID 的条目（人员、脚本、队伍或触发；两类共用的 ID\n"
    "  各说明一次）的每一行，同编辑器窗口的说法：成员的类型和名称、脚本动作和参数、\n"
    "  队伍的人员、脚本和国家、触发的队伍、国家和条件单位。\n"
    "  --rules RULES  按规则文件说出类型、建筑和国家的名称（Name=）\n"
    "  --csf FILE     再按字符串表 FILE（.csf）说出类型的 UIName= 文字，优先于 Name=\n"
    "  --engine NAME, --actions TABLE  按哪套脚本动作说明脚本行，同 check（用法和错误也相同）\n"
    "  --format=text  默认：每个条目一段，每行“行号: 原文”，下一行是说明\n"
    "  --format=json  一个 UTF-8 JSON 数组，每个条目一个对象: "
    "{\"kind\"(task-force、script、team、\n"
    "                 trigger), \"id\", \"file\", \"lines\": "
    "[{\"line\"(在其文件中，只在文档中时为\n"
    "                 null), \"text\", \"meaning\", \"refers\"(该行指向的 ID，有时才有)}]}\n"
    "  退出状态: 0 成功; 4 有 ID 不是任何条目（其余照常说明）; 1 FILE、RULES、字符串表或动作表\n"
    "    无法读取（动作表有读不懂的行也算），或某个包含文件存在却无法读取; 2 用法错误。\n"
    "migrate: 像 save 一样读取 FILE，把每个脚本动作行的动作编号从 Phobos 开发版的旧编号改为\n"
    "  0.3 起的新编号（--from phobos --to phobos-devbuild 则反过来），别的一个字节也不改\n"
    "  （参数、负数参数、空白和注释照旧）；参数单位变了的动作（125、126: 帧改为秒）逐行写在\n"
    "  标准错误上，不换算。再像 save 一样保存，退出状态同 save。\n"
    "\n"
    "报告示例:\n"
    "  检查文件: /mods/ai.ini\n"
    "  保存时丢弃: 1 项\n"
    "    未列出的小节: 1\n"
    "  引用错误: 1 项\n"
    "    队伍的脚本不存在: 1\n"
    "  数值错误: 0 项\n"
    "\n"
    "  保存时丢弃:\n"
    "  [未列出的小节] SC_Siege2 — ai.ini 第 40 行: 没有列表提到这个 ID，保存时这一节被丢弃。\n"
    "\n"
    "  引用错误:\n"
    "  [队伍的脚本不存在] TM_Siege — ai.ini 第 31 行: 队伍使用的脚本“SC_Siege3”不在脚本列表中。\n"
    "\n"
    "gcc 格式的同一报告:\n"
    "  /mods/ai.ini:40: warning: SC_Siege2: 没有列表提到这个 ID，保存时这一节被丢弃。"
    " [unlisted-section]\n"
    "  /mods/ai.ini:31: warning: TM_Siege: 队伍使用的脚本“SC_Siege3”不在脚本列表中。"
    " [missing-script]\n"
    "\n"
    "diff: 像“打开”一样读取 OLD 和 NEW（连同包含文件），按条目比较，不按行：新增（added）、\n"
    "  删除（removed）和改动（changed）的条目；改动的队伍列出改了的键，触发列出改了的字段\n"
    "  （按名称），人员和脚本列出改了的行。只是注册号或在列表中的位置不同不算改动。\n"
    "  --format=text  默认：每个条目一行，改动的细节缩进在下面\n"
    "  --format=json  {\"old\", \"new\", \"status\", \"added\", \"removed\", \"changed\"}\n"
    "  退出状态: 0 相同; 1 有不同; 2 用法错误，或某个文件（或存在的包含文件）无法读取。\n"
    "\n"
    "merge: 按条目三方合并同一个文件的三个版本（每个文件单独合并，不读包含文件）：只有一边\n"
    "  改动的条目取那一边；两边改得一样的取一次；两边新增的都保留；一边删除、另一边没改的删除；\n"
    "  两边都改了的队伍按键合并。两边改得不同、同一 ID 新增了两个不同内容、一边删除而另一边\n"
    "  改动，都是冲突：保留 OURS 的版本，两个版本写在标准错误上。列表像“保存”一样写出，\n"
    "  列表以外的小节（如 [#include]）原样保留。写入 OUT（整个文件一次替换），没有 -o 时写到\n"
    "  标准输出。可作 git 的合并驱动:\n"
    "    git config merge.vantaedit.driver \"vantaedit-cli merge %O %A %B -o %A\"\n"
    "  退出状态: 0 合并完成; 1 有冲突（文件照样写出）; 2 用法错误、文件无法读取或无法写入\n"
    "    （什么也不写）。\n";

int Usage(FILE *out, int status) {
    std::fputs(kUsage, out);
    return status;
}

std::string Utf8(std::u16string_view text) { return platform::WideToUtf8(text); }

// A command-line argument as wide text: in the code page on Windows, in UTF-8 elsewhere.
std::u16string Wide(const char *argument) {
#ifdef _WIN32
    return platform::AnsiToWide(argument);
#else
    return platform::Utf8ToWide(argument);
#endif
}

void Print(FILE *out, std::string_view bytes) { std::fwrite(bytes.data(), 1, bytes.size(), out); }

enum class Format { Text, Gcc, Json };

// What checking one FILE gave.
struct Checked {
    std::string argument; // as given on the command line
    int status = 0;
    std::string error; // why the file was not checked, UTF-8
    std::vector<Finding> findings;
    int otherSections = 0;
    std::u16string report; // the text form
    std::u16string hint;   // another profile that explains every action the file uses
};

// How bad a status is: a file that could not be checked outweighs findings.
int Severity(int status) { return status == 1 ? 2 : status == 3 ? 1 : 0; }

// A finding's file as the command line would name it: the given FILE's folder, then the name
// relative to it.
std::string PathOf(const Checked &checked, const Finding &finding) {
    if (finding.file.empty()) return checked.argument;
    const std::string &argument = checked.argument;
    const size_t slash = argument.find_last_of(platform::NativeSeparator() == u'\\' ? "\\/" : "/");
    return argument.substr(0, slash == std::string::npos ? 0 : slash + 1) + Utf8(finding.file);
}

// Reports the messages of a load on standard error, and keeps them.
class MessagesToStderr {
public:
    MessagesToStderr() {
        platform::SetMessageBoxHandler([this](const platform::MessageBoxRequest &request) {
            messages.push_back(request.text);
            Print(stderr, Utf8(request.text) + "\n");
            return platform::Answer::Ok;
        });
    }
    ~MessagesToStderr() { platform::SetMessageBoxHandler({}); }
    MessagesToStderr(const MessagesToStderr &) = delete;
    MessagesToStderr &operator=(const MessagesToStderr &) = delete;

    std::vector<std::u16string> messages;
};

Checked CheckOne(const char *file, bool autodetect, const RulesFile *rules,
                 const ActionProfile &actions) {
    Checked checked;
    checked.argument = file;
    // Messages are written where the user sees them, and kept for the report.
    std::vector<std::u16string> messages;
    Document document;
    document.openedPath = platform::AbsolutePathOf(file);
    {
        MessagesToStderr shown;
        LoadOpenedFile(document, autodetect);
        messages = std::move(shown.messages);
    }

    if (document.openedFileUnread || !document.unreadIncludes.empty()) {
        checked.status = 1;
        std::u16string why =
            document.openedFileUnread
                ? (messages.empty() ? std::u16string(u"文件无法读取") : messages.front())
                : u"保存会拒绝，包含文件没能读取: " + document.unreadIncludes;
        while (!why.empty() && why.back() == u'\n')
            why.pop_back();
        std::replace(why.begin(), why.end(), u'\n', u' ');
        checked.error = Utf8(why);
        return checked;
    }
    const DroppedOnSave &dropped = document.droppedOnSave;
    ActionsCheck actionsCheck{&actions, {}};
    const std::vector<Finding> broken = FindBrokenReferences(document, rules, &actionsCheck);
    checked.report = FileReportText(document.openedPath, dropped, &broken, rules, &actionsCheck);
    checked.hint = std::move(actionsCheck.hint);
    checked.findings = dropped.findings;
    checked.findings.insert(checked.findings.end(), broken.begin(), broken.end());
    checked.otherSections = dropped.otherSections;
    checked.status = checked.findings.empty() ? 0 : 3;
    return checked;
}

// The rules file of a run: as given on the command line, and what reading it gave.
struct Rules {
    std::string argument;
    RulesRead read;
};

// The string table of a run, likewise.
struct Strings {
    std::string argument;
    StringTableRead read;
};

void PrintText(const std::vector<Checked> &files) {
    bool first = true;
    for (const Checked &checked : files) {
        if (checked.status == 1) continue; // its messages went to standard error
        if (!first) Print(stdout, "\n");
        first = false;
        Print(stdout, Utf8(checked.report));
    }
}

void PrintGcc(const std::vector<Checked> &files, const Rules *rules, const Strings *strings,
              const ActionsOption &actions) {
    if (!actions.argument.empty() && !actions.read.table)
        Print(stdout, actions.argument + ": error: " + Utf8(actions.read.error) +
                          " [unreadable-actions]\n");
    if (strings && !strings->read.table)
        Print(stdout, strings->argument + ": error: " + Utf8(strings->read.error) +
                          " [unreadable-strings]\n");
    if (rules && !rules->read.rules)
        Print(stdout,
              rules->argument + ": error: " + Utf8(rules->read.error) + " [unreadable-rules]\n");
    else if (rules && !rules->read.rules->hasTypeList && !rules->read.rules->hasCountryList)
        Print(stdout, rules->argument + ": warning: " + Utf8(RulesFileNote(*rules->read.rules)) +
                          " [rules-without-lists]\n");
    for (const Checked &checked : files) {
        if (checked.status == 1)
            Print(stdout, checked.argument + ": error: " + checked.error + " [unreadable-file]\n");
        if (!checked.hint.empty())
            Print(stdout, checked.argument + ": note: " + Utf8(checked.hint) + " [engine-hint]\n");
        for (const Finding &finding : checked.findings) {
            std::string line = PathOf(checked, finding);
            if (finding.line > 0) line += ":" + std::to_string(finding.line);
            line += ": warning: " + Utf8(ToWide(finding.id)) + ": " + Utf8(finding.what) + " [" +
                    std::string(FindingKindName(finding.kind)) + "]\n";
            Print(stdout, line);
        }
    }
}

void PrintJson(const std::vector<Checked> &files, int status, const Rules *rules,
               const Strings *strings, const ActionsOption &actions, const ActionProfile *profile) {
    Json::Array checkedFiles;
    for (const Checked &checked : files) {
        Json::Object file{{"file", checked.argument}, {"status", checked.status}};
        if (checked.status == 1) file.emplace_back("error", checked.error);
        if (!checked.hint.empty()) file.emplace_back("hint", Utf8(checked.hint));
        Json::Array findings;
        std::array<int, 3> groups{};
        std::map<std::string, int> kinds;
        for (const Finding &finding : checked.findings) {
            const std::string kind(FindingKindName(finding.kind));
            findings.push_back(
                Json::Object{{"kind", kind},
                             {"id", Utf8(ToWide(finding.id))},
                             {"file", PathOf(checked, finding)},
                             {"line", finding.line > 0 ? Json(finding.line) : Json()},
                             {"message", Utf8(finding.what)}});
            ++groups[size_t(GroupOf(finding.kind))];
            ++kinds[kind];
        }
        Json::Object kindCounts;
        for (const auto &[kind, count] : kinds)
            kindCounts.emplace_back(kind, count);
        file.emplace_back("findings", std::move(findings));
        file.emplace_back("summary", Json::Object{{"findings", int(checked.findings.size())},
                                                  {"dropped", groups[0]},
                                                  {"references", groups[1]},
                                                  {"values", groups[2]},
                                                  {"otherSections", checked.otherSections},
                                                  {"kinds", std::move(kindCounts)}});
        checkedFiles.push_back(std::move(file));
    }
    Json::Object run{
        {"version", VANTAEDIT_VERSION}, {"status", status}, {"files", std::move(checkedFiles)}};
    Json::Object used{{"engine", std::string(EngineName(actions.engine))},
                      {"name", Utf8(EngineLabel(actions.engine))}};
    if (!actions.argument.empty()) used.emplace_back("table", actions.argument);
    if (profile) used.emplace_back("actions", int(profile->Actions().size()));
    if (!actions.argument.empty() && !actions.read.table)
        used.emplace_back("error", Utf8(actions.read.error));
    run.emplace_back("actions", std::move(used));
    if (rules && rules->read.rules) {
        const RulesFile &read = *rules->read.rules;
        run.emplace_back("rules", Json::Object{{"file", rules->argument},
                                               {"types", int(read.TypeCount())},
                                               {"countries", int(read.CountryCount())}});
    } else if (rules) {
        run.emplace_back(
            "rules", Json::Object{{"file", rules->argument}, {"error", Utf8(rules->read.error)}});
    }
    if (strings && strings->read.table)
        run.emplace_back("strings", Json::Object{{"file", strings->argument},
                                                 {"texts", int(strings->read.table->size())}});
    else if (strings)
        run.emplace_back("strings", Json::Object{{"file", strings->argument},
                                                 {"error", Utf8(strings->read.error)}});
    Print(stdout, Json(std::move(run)).Indented());
}

// check [--no-autodetect] [--rules RULES] [--engine NAME] [--actions TABLE] [--format=...] FILE...
int Check(int argc, char **argv) {
    bool autodetect = true;
    Format format = Format::Text;
    std::optional<Rules> rules;
    std::optional<Strings> strings;
    ActionsOption actions;
    std::vector<const char *> files;
    for (int i = 2; i < argc; ++i) {
        const ActionsOption::Parsed parsed = actions.Parse(argc, argv, i);
        if (parsed == ActionsOption::Parsed::BadUsage) return Usage(stderr, 2);
        if (parsed == ActionsOption::Parsed::Taken) continue;
        if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (std::strcmp(argv[i], "--csf") == 0) {
            if (i + 1 == argc || !*argv[i + 1] || strings) return Usage(stderr, 2);
            strings.emplace().argument = argv[++i];
        } else if (std::strcmp(argv[i], "--rules") == 0) {
            if (i + 1 == argc || !*argv[i + 1] || rules) return Usage(stderr, 2);
            rules.emplace().argument = argv[++i];
        } else if (std::strcmp(argv[i], "--format=text") == 0) {
            format = Format::Text;
        } else if (std::strcmp(argv[i], "--format=gcc") == 0) {
            format = Format::Gcc;
        } else if (std::strcmp(argv[i], "--format=json") == 0) {
            format = Format::Json;
        } else if (argv[i][0] == '-' || !*argv[i]) {
            return Usage(stderr, 2);
        } else {
            files.push_back(argv[i]);
        }
    }
    if (files.empty()) return Usage(stderr, 2);

    std::vector<Checked> checked;
    int status = 0;
    if (rules) {
        MessagesToStderr shown; // about its include files
        rules->read = ReadRulesFile(platform::AbsolutePathOf(rules->argument.c_str()));
    }
    if (strings)
        strings->read = ReadStringTable(platform::AbsolutePathOf(strings->argument.c_str()));
    const RulesFile *names = rules && rules->read.rules ? &*rules->read.rules : nullptr;
    std::optional<ActionProfile> profile = actions.Profile();
    if (strings && !strings->read.table) {
        // A string table the user named but that cannot be read fails the run as a rules file does.
        status = 1;
        if (format == Format::Text) Print(stderr, Utf8(strings->read.error) + "\n");
    } else if (!profile) {
        // Checked against other actions than the user asked for, the report would mislead.
        status = 1;
        if (format == Format::Text) Print(stderr, Utf8(actions.read.error) + "\n");
    } else if (rules && !names) {
        // Checked without the names the user asked for, the files would look clean: no file is.
        status = 1;
        if (format == Format::Text) Print(stderr, Utf8(rules->read.error) + "\n");
    } else {
        for (const char *file : files) {
            checked.push_back(CheckOne(file, autodetect, names, *profile));
            if (Severity(checked.back().status) > Severity(status)) status = checked.back().status;
        }
    }
    const Rules *given = rules ? &*rules : nullptr;
    const Strings *table = strings ? &*strings : nullptr;
    if (format == Format::Text) PrintText(checked);
    if (format == Format::Gcc) PrintGcc(checked, given, table, actions);
    if (format == Format::Json)
        PrintJson(checked, status, given, table, actions, profile ? &*profile : nullptr);
    return status;
}

// save [--split] [--no-autodetect] FILE
// save [--split] [--no-autodetect] FILE, or rename [--split] [--no-autodetect] FILE OLD NEW
int Save(int argc, char **argv, bool rename) {
    bool split = false;
    bool autodetect = true;
    std::vector<const char *> operands;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--split") == 0) {
            split = true;
        } else if (std::strcmp(argv[i], "--no-autodetect") == 0) {
            autodetect = false;
        } else if (argv[i][0] == '-') {
            return Usage(stderr, 2);
        } else {
            operands.push_back(argv[i]);
        }
    }
    if (operands.size() != (rename ? 3u : 1u) || !*operands[0]) return Usage(stderr, 2);

    Document document;
    document.openedPath = platform::AbsolutePathOf(operands[0]);
    LoadOpenedFile(document, autodetect);
    // Refuses, with its message, when a file that exists was not read whole.
    if (!CanSaveOpenedFile(document)) return 1;
    if (rename) {
        const std::u16string from = Wide(operands[1]), to = Wide(operands[2]);
        if (const std::optional<std::u16string> problem = RenameProblem(document, from, to)) {
            Print(stderr, Utf8(*problem + u"，没有改名\n"));
            return 4;
        }
        RenameEntry(document, from, to);
    }
    // The user asked for the save, so it goes on; what it drops is said first.
    const DroppedOnSave &dropped = document.droppedOnSave;
    if (!dropped.findings.empty())
        Print(stderr, Utf8(FileReportText(document.openedPath, dropped, nullptr)));
    return SaveDocument(document, split ? SaveMode::Split : SaveMode::SingleFile) ? 0 : 1;
}

int Run(int argc, char **argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0))
        return Usage(stdout, 0);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("vantaedit-cli " VANTAEDIT_VERSION);
        return 0;
    }
    if (argc >= 3 && std::strcmp(argv[1], "check") == 0) return Check(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) return Save(argc, argv, false);
    if (argc >= 3 && std::strcmp(argv[1], "rename") == 0) return Save(argc, argv, true);
    if (argc >= 3 && std::strcmp(argv[1], "explain") == 0)
        return Explain(argc, argv, [] { return Usage(stderr, 2); });
    if (argc >= 3 && std::strcmp(argv[1], "migrate") == 0) return Migrate(argc, argv, kUsage);
    if (argc >= 3 && std::strcmp(argv[1], "diff") == 0)
        return RunDiff(argc, argv, [] { return Usage(stderr, 2); });
    if (argc >= 3 && std::strcmp(argv[1], "merge") == 0)
        return RunMerge(argc, argv, [] { return Usage(stderr, 2); });
    int status = kBadUsage;
    if (argc >= 3 && std::strcmp(argv[1], "import") == 0) status = ImportCommand(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "copy-chain") == 0) status = CopyChainCommand(argc, argv);
    if (status != kBadUsage) return status;
    return Usage(stderr, 2);
}

} // namespace

int main(int argc, char **argv) {
    platform::PrintUtf8ToConsole();
    try {
        return Run(argc, argv);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "内部错误，没有保存: %s\n", e.what());
    } catch (...) {
        std::fputs("内部错误，没有保存\n", stderr);
    }
    return 1;
}
