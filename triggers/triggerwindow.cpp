#include "triggers/triggerwindow.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "newentry/renamedialog.h"
#include "platform/seams.h"
#include "res/text.h"
#include "res/triggerdialog.h"
#include "triggers/copychaindialog.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"
#include "ui/namechoices.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Condition codes whose boxes the form fills and locks itself.
constexpr int kUnconditional = -1;
constexpr int kPowerYellow = 2;
constexpr int kPowerRed = 3;
constexpr int kMoneyAtLeast = 4;
constexpr int kIronCurtainReady = 5;
constexpr int kChronosphereReady = 6;
constexpr int kGreaterOrEqual = 3;
constexpr int kLessThan = 0;

// The boxes a condition fills and locks itself: operator and condition object, or those and the
// value.
enum class Locked { Nothing, OperatorAndObject, All };

Locked LockedBy(const std::u16string &condition) {
    auto is = [&condition](int code) { return condition == *ConditionName(code); };
    if (is(kMoneyAtLeast)) return Locked::OperatorAndObject;
    if (is(kIronCurtainReady) || is(kChronosphereReady) || is(kPowerRed) || is(kPowerYellow) ||
        is(kUnconditional))
        return Locked::All;
    return Locked::Nothing;
}

std::vector<std::u16string> TriggerColumns() {
    return {res::Str("list.registryId"), res::Str("list.name")};
}

EntryList::Options ListOptions(CAIT *window) {
    EntryList::Options options;
    options.headers = TriggerColumns();
    options.idColumn = 0;
    options.showRow = [window](int row) { window->ShowTrigger(row); };
    options.filter = window->control<gui::Edit>(res::kIdTriggerFilter);
    return options;
}

} // namespace

CAIT::CAIT(DocumentModel &model, gui::Dialog *owner)
    : gui::Dialog(res::kIdTriggerDialog, owner), model_(model),
      list_(control<gui::ReportList>(res::kIdTriggerList), model.document, ListOptions(this)),
      title_(control<gui::Label>(res::kIdTriggerTitle)),
      name_(control<gui::Edit>(res::kIdTriggerName)),
      techLevel_(control<gui::Edit>(res::kIdTriggerTechLevel)),
      value_(control<gui::Edit>(res::kIdTriggerValue)),
      house_(control<gui::ComboBox>(res::kIdTriggerHouse)),
      condition_(control<gui::ComboBox>(res::kIdTriggerCondition)),
      operator_(control<gui::ComboBox>(res::kIdTriggerOperator)),
      conditionObject_(control<gui::ComboBox>(res::kIdTriggerConditionObject)),
      team_(control<gui::ComboBox>(res::kIdTriggerTeam)),
      side_(control<gui::ComboBox>(res::kIdTriggerSide)),
      minWeight_(control<gui::ComboBox>(res::kIdTriggerMinWeight)),
      baseWeight_(control<gui::ComboBox>(res::kIdTriggerBaseWeight)),
      maxWeight_(control<gui::ComboBox>(res::kIdTriggerMaxWeight)),
      easy_(control<gui::CheckBox>(res::kIdTriggerEasy)),
      medium_(control<gui::CheckBox>(res::kIdTriggerMedium)),
      hard_(control<gui::CheckBox>(res::kIdTriggerHard)),
      secondTeam_(control<gui::ComboBox>(res::kIdTriggerSecondTeam)),
      skirmish_(control<gui::CheckBox>(res::kIdTriggerSkirmish)),
      baseDefense_(control<gui::CheckBox>(res::kIdTriggerBaseDefense)),
      autoJump_(control<gui::CheckBox>(res::kIdTriggerAutoJump)),
      jump_(control(res::kIdTriggerJump)), copyChain_(std::make_unique<CCopyChain>(model, this)) {
    setShown(false);
    restored_ = model_.restored.connect([this] { refresh(); });
    changed_ = model_.changed.connect([this] { fillNameChoices(); });
    // An item shows the name beside the ID; the box takes the ID.
    TakeIdOnChoosing(house_);
    TakeIdOnChoosing(conditionObject_);
    fillNameChoices();
}

void CAIT::fillNameChoices() {
    if (choicesNamesVersion_ == model_.namesVersion) return;
    choicesNamesVersion_ = model_.namesVersion;
    // Without a rules file the boxes offer nothing, as before; what they show stays.
    std::vector<std::u16string> houses = CountryChoices(model_.names()).items;
    if (model_.rules) houses.insert(houses.begin(), u"<all>");
    house_->setItems(std::move(houses));
    std::vector<std::u16string> types = TypeChoices(model_.names()).items;
    if (model_.rules) types.insert(types.begin(), u"<none>");
    conditionObject_->setItems(std::move(types));
}

CAIT::~CAIT() = default;

gui::Dialog *CAIT::copyChainDialog() const { return copyChain_.get(); }

Document &CAIT::document() const { return model_.document; }

void CAIT::onShowOrHide(bool) {
    if (list_.FillPending()) fill();
    list_.JumpToEntry(g_triggerJumpPending, g_triggerJumpTarget);
}

void CAIT::fill() {
    list_.FillRows(document().triggerText,
                   [](std::string_view line) -> std::optional<EntryList::Cells> {
                       const std::optional<TriggerIdAndName> entry = TriggerIdAndNameOf(line);
                       if (!entry) return std::nullopt; // the header and the empty last line
                       return EntryList::Cells{ToWide(entry->id), ToWide(entry->name)};
                   });
}

void CAIT::refresh() {
    list_.Clear();
    if (!list_.FillPending()) return;
    fill();
    document().triggerLastIndex = list_.rowCount() - 1;
    g_teamListChanged = true;
    const int row = shownId_ ? list_.SelectEntry(*shownId_) : -1;
    if (row >= 0) {
        ShowTrigger(row);
        return;
    }
    shownId_.reset();
    setShown(false);
    title_->setText({});
}

void CAIT::onMouseMove() {
    appendPendingRow();
    if (commentsStale_) refreshComments();
    setDependentControls();
    if (g_teamListChanged) rebuildTeamChoices();
}

void CAIT::onCommand(int id) {
    switch (id) {
    case res::kIdTriggerSave:
        SaveTrigger();
        break;
    case res::kIdTriggerNew:
    case res::kIdTriggerCopy:
        g_addNewKind = 0; // "触发"
        g_addNewPreset = true;
        g_addNewCopyOf = id == res::kIdTriggerCopy ? *shownId_ : u"";
        HideAndShow(g_addNewWindow);
        break;
    case res::kIdTriggerRename:
        RenameShownTrigger();
        break;
    case res::kIdTriggerCopyChain:
        copyChain_->ask(*shownId_);
        break;
    case res::kIdTriggerDelete:
        DeleteSelectedTriggers();
        break;
    case res::kIdTriggerJump:
        g_teamJumpPending = true;
        HideAndShow(g_teamWindow);
        break;
    case res::kIdTriggerAutoJump:
        jump_->setEnabled(!autoJump_->isChecked());
        break;
    case res::kIdTriggerClose:
        hide();
        break;
    }
}

void CAIT::onListClick(int) {
    appendPendingRow();
    list_.ShowSelectedEntry();
    g_teamJumpTarget = team_->text();
    if (autoJump_->isChecked()) g_teamJumpPending = true;
    if (g_teamJumpPending) HideAndShow(g_teamWindow);
}

bool CAIT::onListKeyDown(int, gui::Key) {
    list_.ShowSelectedEntry();
    return false;
}

void CAIT::ShowTrigger(int row) {
    const std::u16string id = list_.idOf(row);
    const TriggerReading reading =
        ReadTriggerForm(FindTriggerEntry(document().triggerText, ToNarrow(id)));
    const TriggerForm &form = reading.form;
    shownId_ = id;
    setShown(true);
    title_->setText(reading.blockCorrected ? res::Format("trigger.corrected", {id}) : id);
    name_->setText(form.name);
    team_->setText(form.team);
    house_->setText(form.house);
    // An unknown condition code leaves the box as it was.
    if (reading.conditionKnown) condition_->setText(form.condition);
    operator_->setText(form.comparison);
    value_->setText(form.value);
    conditionObject_->setText(form.conditionObject);
    baseWeight_->setText(form.baseWeight);
    minWeight_->setText(form.minWeight);
    maxWeight_->setText(form.maxWeight);
    side_->setText(form.side);
    techLevel_->setText(form.techLevel);
    easy_->setChecked(form.easy);
    medium_->setChecked(form.medium);
    hard_->setChecked(form.hard);
    skirmish_->setChecked(form.skirmish);
    baseDefense_->setChecked(form.baseDefense);
    secondTeam_->setText(form.secondTeam);
    // As the boxes show it: a condition box that kept its text, a text the code page could not
    // show, a weight without its decimals. What still shows so at Save keeps the line's text.
    shownForm_ = readForm();
}

TriggerForm CAIT::readForm() const {
    TriggerForm form;
    form.name = name_->text();
    form.team = team_->text();
    form.house = IdInBox(house_);
    form.techLevel = techLevel_->text();
    form.condition = condition_->text();
    form.conditionObject = IdInBox(conditionObject_);
    form.comparison = operator_->text();
    form.value = value_->text();
    form.baseWeight = baseWeight_->text();
    form.minWeight = minWeight_->text();
    form.maxWeight = maxWeight_->text();
    form.side = side_->text();
    form.easy = easy_->isChecked();
    form.medium = medium_->isChecked();
    form.hard = hard_->isChecked();
    form.skirmish = skirmish_->isChecked();
    form.baseDefense = baseDefense_->isChecked();
    form.secondTeam = secondTeam_->text();
    return form;
}

void CAIT::SaveTrigger() {
    if (!shownId_) return;
    TriggerForm form = readForm();
    // While the condition is the one shown, what it put into the boxes it locks is no change of
    // the user's: those fields keep the line's text.
    if (form.condition == shownForm_.condition) {
        const Locked locked = LockedBy(condition_->text());
        if (locked != Locked::Nothing) {
            form.comparison = shownForm_.comparison;
            form.conditionObject = shownForm_.conditionObject;
        }
        if (locked == Locked::All) form.value = shownForm_.value;
    }
    // The line has no escapes: a comma or a line break would move every later field.
    const std::pair<std::string_view, const std::u16string *> fields[] = {
        {"list.name", &form.name},
        {"trigger.team", &form.team},
        {"trigger.house", &form.house},
        {"trigger.techLevel", &form.techLevel},
        {"trigger.conditionObject", &form.conditionObject},
        {"trigger.baseWeight", &form.baseWeight},
        {"trigger.minWeight", &form.minWeight},
        {"trigger.maxWeight", &form.maxWeight},
        {"trigger.side", &form.side},
        {"trigger.secondTeam", &form.secondTeam},
    };
    for (const auto &[label, value] : fields) {
        if (value->find_first_of(u",\r\n") == std::u16string::npos) continue;
        platform::ShowAppMessage(res::Format("trigger.badField", {res::Str(label)}));
        return;
    }
    const std::u16string id = *shownId_;
    const std::string narrowId = ToNarrow(id);
    std::string &text = document().triggerText;
    const std::string rest = FindTriggerEntry(text, narrowId);
    if (rest == "None") { // a found line's rest starts with '='
        platform::ShowAppMessage(res::Str("trigger.deletedNotSaved"));
        return;
    }
    const std::string line = WriteTriggerLine(id, form, rest, &shownForm_);
    // A save that changes nothing leaves the text and the history alone.
    if (line != narrowId + rest)
        model_.Edit(StepName("step.save", res::Str("kind.trigger"), {id}),
                    [&] { ReplaceTriggerEntry(text, narrowId, line); });
    shownForm_ = form;
    commentsStale_ = true;
    list_.SetComment(*shownId_, form.name);
}

void CAIT::DeleteSelectedTriggers() {
    std::vector<std::string> ids;
    std::vector<std::u16string> names;
    list_.DeleteSelectedRows([this, &ids, &names](int row) {
        --document().triggerLastIndex;
        names.push_back(list_.idOf(row));
        ids.push_back(ToNarrow(names.back()));
        commentsStale_ = true;
    });
    if (ids.empty()) return;
    model_.Edit(StepName("step.delete", res::Str("kind.trigger"), names),
                [&] { RemoveTriggerEntries(document().triggerText, ids); });
}

void CAIT::appendPendingRow() {
    if (!g_newTriggerPending) return;
    std::vector<std::u16string> ids = {g_newTriggerId};
    ids.insert(ids.end(), g_newTriggerLaterIds.begin(), g_newTriggerLaterIds.end());
    for (const std::u16string &id : ids) {
        int &last = document().triggerLastIndex;
        list_.InsertRow(std::clamp(++last, 0, list_.rowCount()), {id, u"NoName"});
    }
    g_newTriggerLaterIds.clear();
    g_newTriggerPending = false;
    commentsStale_ = true;
}

void CAIT::refreshComments() {
    commentsStale_ = false;
    const auto names = TriggerNamesById(document().triggerText);
    for (int row = 0; row < list_.rowCount(); ++row) {
        const auto found = names.find(ToNarrow(list_.idOf(row)));
        list_.SetCell(row, 1, ToWide(found == names.end() ? "None" : found->second));
    }
    list_.CellsChanged();
}

void CAIT::setDependentControls() {
    operator_->setEnabled(true);
    conditionObject_->setEnabled(true);
    value_->setEnabled(true);
    const Locked locked = LockedBy(condition_->text());
    if (locked == Locked::Nothing) return;
    // For the money condition the operator's own name: the condition's wording "大于或等于"
    // names no operator and would be saved as "not equal".
    const int op = locked == Locked::All ? kLessThan : kGreaterOrEqual;
    operator_->setText(*OperatorName(op));
    conditionObject_->setText(u"<none>");
    operator_->setEnabled(false);
    conditionObject_->setEnabled(false);
    if (locked == Locked::All) {
        value_->setText(u"0");
        value_->setEnabled(false);
    }
}

void CAIT::rebuildTeamChoices() {
    std::vector<std::u16string> teams;
    ForEachLine(document().teamListText, [&teams](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos) teams.push_back(ToWide(line.substr(equals + 1)));
    });
    // The boxes keep what they show, so that a later Save keeps the shown trigger's teams. The
    // second team's list is the team list in its order, after the choice of none at all.
    std::stable_sort(teams.begin(), teams.end(), gui::SortsBefore);
    team_->setItems(teams);
    teams.insert(teams.begin(), u"<none>");
    secondTeam_->setItems(std::move(teams));
    g_teamListChanged = false;
}

void CAIT::onLanguageChanged() { list_.SetHeaders(TriggerColumns()); }

void CAIT::setShown(bool shown) {
    for (int id : {res::kIdTriggerCopy, res::kIdTriggerRename, res::kIdTriggerCopyChain})
        control(id)->setEnabled(shown);
}

void CAIT::RenameShownTrigger() {
    const std::optional<std::u16string> to =
        AskAndRename(model_, res::Str("kind.trigger"), *shownId_, this);
    if (!to) return;
    // Every window shows the names as they now stand; this one the renamed trigger.
    shownId_ = *to;
    model_.Refill();
}
