#include "teams/teamwindow.h"

#include "core/document.h"
#include "core/initext.h"
#include "newentry/renamedialog.h"
#include "res/teamdialog.h"
#include "res/text.h"
#include "teams/teamform.h"
#include "teams/teamlist.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"
#include "ui/namechoices.h"

#include <algorithm>
#include <set>

static_assert(std::size(res::kTeamKeyIds) == kTeamLayout.size(), "one control per key");

namespace {

// Puts the values of the lines of a registry list text into `box` as choices, which the sorted
// box puts in order. Lines without "=" give "None", kept only with `keepNone`. The box's text
// stays what it was: refilling the choices must not change what a save would write.
void FillChoices(gui::ComboBox *box, std::string_view listText, bool keepNone) {
    std::vector<std::u16string> values;
    for (size_t start = 0; start <= listText.size();) {
        const size_t lf = std::min(listText.find('\n', start), listText.size());
        const std::string value = ValueOfKey(listText.substr(start, lf - start), "=");
        if (keepNone || value != "None") values.push_back(ToWide(value));
        start = lf + 1;
    }
    box->setItems(std::move(values));
}

} // namespace

CArmy::CArmy(DocumentModel &model, gui::Dialog *owner)
    : gui::Dialog(res::kIdTeamDialog, owner), model_(model),
      entries_(control<gui::ReportList>(res::kIdTeamList), model.document,
               {.showRow = [this](int row) { ShowTeamForm(row, true); },
                .filter = control<gui::Edit>(res::kIdTeamFilter)}),
      usage_(control<gui::Label>(res::kIdTeamUsageCaption),
             control<gui::ReportList>(res::kIdTeamUsage), "usage.triggers", OpenTrigger),
      hint_(control<gui::Label>(res::kIdTeamHint)),
      taskForce_(control<gui::ComboBox>(res::kIdTeamTaskForce)),
      script_(control<gui::ComboBox>(res::kIdTeamScript)),
      autoJump_(control<gui::CheckBox>(res::kIdTeamAutoJump)),
      jump_(control<gui::Button>(res::kIdTeamJump)) {
    setShown(false);
    restored_ = model_.restored.connect([this] { refresh(); });
    // Triggers that change their teams change the list of the shown team.
    changed_ = model_.changed.connect([this] {
        showUsage();
        fillNameChoices();
    });
    // An item shows the name beside the ID; the box takes the ID.
    TakeIdOnChoosing(control<gui::ComboBox>(res::kIdTeamHouse));
    fillNameChoices();
}

void CArmy::fillNameChoices() {
    if (choicesNamesVersion_ == model_.namesVersion) return;
    choicesNamesVersion_ = model_.namesVersion;
    std::vector<std::u16string> houses = CountryChoices(model_.names()).items;
    if (model_.rules) houses.insert(houses.begin(), u"<none>");
    control<gui::ComboBox>(res::kIdTeamHouse)->setItems(std::move(houses));
}

Document &CArmy::document() const { return model_.document; }

void CArmy::showUsage() {
    if (!shownTeam_ || !document().IsFileOpen()) {
        usage_.Clear();
        return;
    }
    usage_.Show(model_.usage().UsersOf(UsedKind::Team, *shownTeam_));
}

void CArmy::fill() {
    FillTeamChoices();
    document().teamLineCount =
        entries_.FillEntryList(document().teamListText, document().teamSectionsText);
}

void CArmy::refresh() {
    entries_.Clear();
    if (!entries_.FillPending()) return;
    fill();
    const int row = shownTeam_ ? entries_.SelectEntry(ToWide(*shownTeam_)) : -1;
    if (row >= 0) {
        ShowTeamForm(row, false);
        return;
    }
    shownTeam_.reset();
    setShown(false);
    usage_.Clear();
    hint_->setText({});
    for (size_t i = 0; i < kTeamLayout.size(); ++i)
        showValue(i, kTeamLayout[i].flag ? "no" : "");
}

void CArmy::onShowOrHide(bool) {
    if (entries_.FillPending()) fill();
    entries_.JumpToEntry(g_teamJumpPending, g_teamJumpTarget);
}

void CArmy::onMouseMove() {
    RefreshTeamChoices();
    if (g_teamRebuildPending) RebuildTeamList();
}

void CArmy::onActivate() { entries_.MakeColumns(); }

bool CArmy::onEnter() { return true; }

void CArmy::onCommand(int id) {
    switch (id) {
    case res::kIdTeamSave:
        SaveTeamForm();
        break;
    case res::kIdTeamNew:
        AskForNewTeam();
        break;
    case res::kIdTeamDelete:
        DeleteSelectedTeams();
        break;
    case res::kIdTeamJump:
        JumpToTeamParts();
        break;
    case res::kIdTeamAutoJump:
        jump_->setEnabled(!autoJump_->isChecked());
        break;
    case res::kIdTeamCopy:
        AskForNewTeam(ToWide(*shownTeam_));
        break;
    case res::kIdTeamRename:
        RenameShownTeam();
        break;
    case res::kIdTeamClose:
        hide();
        break;
    }
}

void CArmy::onListClick(int) {
    if (g_teamRebuildPending) RebuildTeamList();
    // The row last clicked, as the selection mark of the list.
    const int row = entries_.currentRow();
    if (row >= 0) ShowTeamForm(row, true);
}

bool CArmy::onListKeyDown(int, gui::Key key) {
    if (key != gui::Key::Up && key != gui::Key::Down) return false;
    MoveSelection(key);
    return true;
}

void CArmy::onLanguageChanged() {
    entries_.SetHeaders(RegistryColumns());
    usage_.SetColumns();
}

void CArmy::ShowTeamForm(int row, bool recordJump) {
    const std::u16string number = entries_.cell(row, 0);
    const std::u16string id = entries_.idOf(row);
    const std::string narrowId = ToNarrow(id);
    const std::string section = EntrySectionOf(document().teamSectionsText, narrowId);
    if (section == "None") { // a section always starts with its header, so this is absence
        hint_->setText(res::Str("team.deleted"));
        return;
    }
    shownTeam_ = narrowId;
    setShown(true);

    shownForm_ = ReadTeamForm(section);
    for (size_t i = 0; i < kTeamLayout.size(); ++i) {
        showValue(i, shownForm_[i]);
        shownTexts_[i] = shownValue(i);
    }
    hint_->setText(res::Format("team.shown", {number, id}));
    showUsage();

    if (!recordJump) return;
    g_scriptJumpTarget = ToWide(shownForm_[kTeamScript]);
    g_taskForceJumpTarget = ToWide(shownForm_[kTeamTaskForce]);
    if (autoJump_->isChecked()) JumpToTeamParts();
}

std::u16string CArmy::shownValue(size_t index) const {
    const int id = res::kTeamKeyIds[index];
    if (auto *box = control<gui::CheckBox>(id)) return box->isChecked() ? u"yes" : u"no";
    if (auto *combo = control<gui::ComboBox>(id))
        return id == res::kIdTeamHouse ? IdInBox(combo) : combo->text();
    return control<gui::Edit>(id)->text();
}

void CArmy::showValue(size_t index, const std::string &value) {
    const int id = res::kTeamKeyIds[index];
    if (auto *box = control<gui::CheckBox>(id))
        box->setChecked(value == "yes");
    else if (auto *combo = control<gui::ComboBox>(id))
        combo->setText(ToWide(value));
    else
        control<gui::Edit>(id)->setText(ToWide(value));
}

void CArmy::SaveTeamForm() {
    if (!shownTeam_) {
        hint_->setText(res::Str("team.noneShown"));
        return;
    }
    // A value the user did not change goes back exactly as it was read, even where the code
    // page could not show it.
    TeamForm edited = shownForm_;
    std::array<std::u16string, kTeamLayout.size()> texts;
    for (size_t i = 0; i < kTeamLayout.size(); ++i) {
        texts[i] = shownValue(i);
        if (texts[i] != shownTexts_[i]) edited[i] = ToNarrow(texts[i]);
    }
    std::string &sections = document().teamSectionsText;
    const std::optional<std::string> body = TeamBodyOf(sections, *shownTeam_);
    if (!body) {
        hint_->setText(res::Str("team.deletedNotSaved"));
        return;
    }
    const std::string updated = UpdateTeamBody(*body, shownForm_, edited);
    model_.Edit(StepName("step.save", res::Str("kind.team"), {ToWide(*shownTeam_)}),
                [&] { ReplaceTeamBody(sections, *shownTeam_, updated); });
    // The form now stands for the saved lines: a second save changes only what changed since.
    shownForm_ = edited;
    shownTexts_ = texts;
    entries_.SetComment(ToWide(*shownTeam_), ToWide(ValueOfKey(updated, "Name=")));
}

void CArmy::JumpToTeamParts() {
    g_scriptJumpPending = true;
    g_taskForceJumpPending = true;
    HideAndShow(g_taskForceWindow);
    HideAndShow(g_scriptWindow);
}

void CArmy::MoveSelection(gui::Key key) {
    const int count = entries_.rowCount();
    if (count == 0) return;
    // The next row the filter shows, up or down; the first shown row when none is selected.
    const int first = entries_.firstSelectedRow();
    const int step = first < 0 || key == gui::Key::Down ? 1 : -1;
    int row = first;
    for (int next = first < 0 ? 0 : first + step; next >= 0 && next < count; next += step) {
        if (!entries_.IsShown(next)) continue;
        row = next;
        break;
    }
    if (row < 0 || !entries_.IsShown(row)) return;
    entries_.SelectRow(row);
    ShowTeamForm(row, false);
}

void CArmy::AskForNewTeam(const std::u16string &copyOf) {
    g_addNewKind = 1;
    g_addNewPreset = true;
    g_addNewCopyOf = copyOf;
    ++document().teamLineCount;
    HideAndShow(g_addNewWindow);
}

void CArmy::FillTeamChoices() {
    FillChoices(script_, document().scriptListText, true);
    FillChoices(taskForce_, document().taskForceListText, true);
}

void CArmy::RefreshTeamChoices() {
    if (g_scriptListChanged) {
        FillChoices(script_, document().scriptListText, false);
        g_scriptListChanged = false;
    }
    if (g_taskForceListChanged) {
        FillChoices(taskForce_, document().taskForceListText, false);
        g_taskForceListChanged = false;
    }
}

void CArmy::RebuildTeamList() {
    std::vector<TeamRow> rows;
    model_.Edit(res::Str("step.renumberTeams"), [&] { rows = RebuildTeamTexts(document()); });
    ShowRows(rows);
}

void CArmy::DeleteSelectedTeams() {
    if (!document().IsFileOpen()) return;
    std::vector<TeamRow> doomed;
    std::vector<std::u16string> ids;
    for (int row : entries_.selectedRows()) {
        ids.push_back(entries_.idOf(row));
        doomed.push_back({ToNarrow(entries_.cell(row, 0)), ToNarrow(ids.back()), {}});
    }
    if (doomed.empty()) return;
    entries_.list()->setSelection({}, -1);
    std::vector<TeamRow> rows;
    model_.Edit(StepName("step.delete", res::Str("kind.team"), ids),
                [&] { rows = DeleteTeams(document(), doomed); });
    ShowRows(rows);
}

void CArmy::ShowRows(const std::vector<TeamRow> &rows) {
    // A team the list did not have is one just made: it shows whatever the filter.
    const std::vector<std::u16string> before = entries_.ids();
    const std::set<std::u16string> known(before.begin(), before.end());
    std::vector<EntryList::Cells> cells;
    for (const TeamRow &row : rows) {
        cells.push_back({ToWide(row.number), ToWide(row.id), ToWide(row.comment)});
        if (!known.count(cells.back()[1])) entries_.KeepShown(cells.back()[1]);
    }
    entries_.ReplaceRows(cells);
}

void CArmy::setShown(bool shown) {
    for (int id : {res::kIdTeamCopy, res::kIdTeamRename})
        control(id)->setEnabled(shown);
}

void CArmy::RenameShownTeam() {
    const std::optional<std::u16string> to =
        AskAndRename(model_, res::Str("kind.team"), ToWide(*shownTeam_), this);
    if (!to) return;
    // Every window shows the names as they now stand; this one the renamed team.
    shownTeam_ = ToNarrow(*to);
    model_.Refill();
}
