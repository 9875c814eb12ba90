#include "app/opensave.h"

#include "core/initext.h"
#include "core/registrylist.h"
#include "document/documentio.h"
#include "document/filereport.h"
#include "document/filestamps.h"
#include "platform/seams.h"
#include "res/text.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"
#include "ui/usagelist.h"

#include <memory>

std::u16string OpenFileFilter() { return res::Str("app.openFilter"); }

std::u16string AskOpenPath() {
    std::u16string path = platform::AskOpenFileName(OpenFileFilter());
    return path.empty() ? u"None" : path;
}

void OpenFile(DocumentModel &model, FileStamps &stamps, const std::u16string &path,
              bool autoDetectStart) {
    Document document;
    document.openedPath = path;
    LoadOpenedFile(document, autoDetectStart);
    stamps.Take(ReadFiles(document));
    model.Reset(std::move(document));
    // Hidden and shown again, each editor window shows its list.
    HideEditorWindows();
    ShowEditorWindows();
}

namespace {

const RulesFile *RulesOf(const DocumentModel &model) {
    return model.rules ? &*model.rules : nullptr;
}

// Whether a line of a list text ("n=ID", or "ID=..." for triggers) names `id`.
bool Lists(std::string_view text, std::string_view id, bool idBeforeEquals) {
    bool found = false;
    ForEachLine(text, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (found || StartsWith(line, "[") || equals == std::string_view::npos) return;
        found = (idBeforeEquals ? line.substr(0, equals) : line.substr(equals + 1)) == id;
    });
    return found;
}

// Whether the house of trigger `id` is one the rules file does not name, as the report finds it.
bool HasUnknownHouse(const std::string &triggerText, std::string_view id, const RulesFile *rules) {
    const std::string rest = FindTriggerEntry(triggerText, id);
    if (!rules || rest == "None") return false;
    std::string house = TriggerField(rest, 2);
    for (char &c : house)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return house != "<all>" && house != "<none>" && !rules->KnowsCountry(house);
}

// Shows the entry a finding is about in its window: the entry that holds a broken reference, a
// value out of form or a name the rules file lacks, or whichever list names an ID found twice.
// Findings about text Save drops name nothing a window lists.
void OpenFindingEntry(const DocumentModel &model, const Finding &finding) {
    const Document &document = model.document;
    const std::u16string id = ToWide(finding.id);
    switch (finding.kind) {
    case FindingKind::UnknownHouse:
        // Told at a trigger's line or at a team's House= line; a trigger and a team of one ID
        // lead to the trigger while its house is unknown.
        if (HasUnknownHouse(document.triggerText, finding.id, RulesOf(model)))
            return OpenTrigger(id);
        return OpenTeam(id);
    case FindingKind::MissingTeam:
    case FindingKind::NoTeam:
    case FindingKind::UnknownConditionObject:
    case FindingKind::TriggerFieldCount:
    case FindingKind::TriggerCondition:
    case FindingKind::TriggerWeight:
    case FindingKind::TriggerDifficulty:
        return OpenTrigger(id);
    case FindingKind::MissingTaskForce:
    case FindingKind::MissingScript:
    case FindingKind::NoTaskForce:
    case FindingKind::NoScript:
    case FindingKind::TeamPriority:
    case FindingKind::TeamMax:
        return OpenTeam(id);
    case FindingKind::TaskForceMember:
    case FindingKind::UnknownUnit:
        return OpenTaskForce(id);
    case FindingKind::ScriptAction:
    case FindingKind::UnknownScriptAction:
    case FindingKind::ScriptArgument:
        return OpenScript(id);
    case FindingKind::ListedTwice:
    case FindingKind::DuplicateSection:
    case FindingKind::SharedId:
        if (Lists(document.teamListText, finding.id, false)) return OpenTeam(id);
        if (Lists(document.taskForceListText, finding.id, false)) return OpenTaskForce(id);
        if (Lists(document.scriptListText, finding.id, false)) return OpenScript(id);
        if (Lists(document.triggerText, finding.id, true)) return OpenTrigger(id);
        return;
    default:
        return;
    }
}

// The findings as the report's table: 种类, ID, 位置, 说明; a double-click opens the entry.
platform::ReportTable FindingsTable(const DocumentModel &model, const std::vector<Finding> *broken,
                                    const ActionsCheck *actions) {
    const Document &document = model.document;
    auto findings = std::make_shared<std::vector<Finding>>(document.droppedOnSave.findings);
    if (broken) findings->insert(findings->end(), broken->begin(), broken->end());
    platform::ReportTable table;
    table.summary = FileReportSummary(document.openedPath, document.droppedOnSave, broken,
                                      RulesOf(model), actions);
    table.headers = {res::Str("app.reportKind"), res::Str("app.reportId"),
                     res::Str("app.reportPlace"), res::Str("app.reportWhat")};
    for (const Finding &finding : *findings)
        table.rows.push_back({FindingKindLabel(finding.kind), ToWide(finding.id),
                              FindingPlace(finding), finding.what});
    table.activated = [&model, findings](size_t row) {
        if (row < findings->size()) OpenFindingEntry(model, (*findings)[row]);
    };
    return table;
}

// Shown once per opened file, at the first Save that finds something the file held and Save
// drops.
bool ConfirmDroppedText(DocumentModel &model) {
    DroppedOnSave &dropped = model.document.droppedOnSave;
    if (dropped.findings.empty() || dropped.shownAtSave) return true;
    dropped.shownAtSave = true;
    platform::ReportTable table = FindingsTable(model, nullptr, nullptr);
    table.summary += res::Str("app.saveAnyway");
    return platform::ShowOwnedReport(
               FileReportText(model.document.openedPath, dropped, nullptr, RulesOf(model)) +
                   res::Str("app.saveAnyway"),
               res::Str("app.checkBeforeSave"), platform::Buttons::SaveCancel,
               std::move(table)) == platform::Answer::Save;
}

// Another program changed files this save would replace: the user decides.
bool ConfirmOverwrite(const std::vector<std::u16string> &changed) {
    if (changed.empty()) return true;
    std::u16string text = res::Str("app.changedBeforeSave");
    for (const std::u16string &path : changed)
        text += path + u"\n";
    text += res::Str("app.saveOverwrites");
    return platform::ShowOwnedMessage(text, res::Str("app.saveCaption"),
                                      platform::Buttons::OverwriteCancel,
                                      platform::Icon::Question) == platform::Answer::Overwrite;
}

} // namespace

bool SaveFile(DocumentModel &model, FileStamps &stamps) {
    Document &document = model.document;
    if (!CanSaveOpenedFile(document) || !ConfirmDroppedText(model)) return false;
    const platform::Answer answer =
        platform::ShowOwnedMessage(res::Str("app.splitQuestion"), res::Str("app.saveCaption"),
                                   platform::Buttons::YesNoCancel, platform::Icon::Question);
    if (answer != platform::Answer::Yes && answer != platform::Answer::No) return false;
    const SaveMode mode = answer == platform::Answer::Yes ? SaveMode::Split : SaveMode::SingleFile;
    const std::vector<std::u16string> targets = SaveTargets(document, mode);
    if (!ConfirmOverwrite(stamps.ChangedAmong(targets))) return false;
    if (!SaveDocument(document, mode)) return false;
    stamps.Take(targets);
    model.MarkSaved();
    return true;
}

void CheckFile(const DocumentModel &model) {
    const Document &document = model.document;
    if (!document.IsFileOpen()) {
        platform::ShowAppMessage(res::Str("save.nothingOpen"));
        return;
    }
    ActionsCheck actions{&model.actions, {}};
    const std::vector<Finding> broken = FindBrokenReferences(document, RulesOf(model), &actions);
    // Open beside the windows while the user follows its findings; 刷新 checks again, against
    // the rules file and the actions as they then stand.
    platform::ShowOwnedReport(FileReportText(document.openedPath, document.droppedOnSave, &broken,
                                             RulesOf(model), &actions),
                              res::Str("app.checkFileCaption"), platform::Buttons::Close,
                              FindingsTable(model, &broken, &actions), [&model] {
                                  if (!model.document.IsFileOpen()) return platform::ReportTable{};
                                  ActionsCheck again{&model.actions, {}};
                                  const std::vector<Finding> found =
                                      FindBrokenReferences(model.document, RulesOf(model), &again);
                                  return FindingsTable(model, &found, &again);
                              });
}
