#include "triggers/triggerwindow.h"

#include "core/document.h"
#include "core/initext.h"
#include "core/registrylist.h"
#include "newentry/renamedialog.h"
#include "platform/controls.h"
#include "platform/seams.h"
#include "platform/widetext.h"
#include "res/triggerdialog.h"
#include "triggers/triggerformat.h"
#include "triggers/triggerloader.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
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

Locked LockedBy(const QString &condition) {
    auto is = [&condition](int code) {
        return condition == platform::WideText(*ConditionName(code));
    };
    if (is(kMoneyAtLeast)) return Locked::OperatorAndObject;
    if (is(kIronCurtainReady) || is(kChronosphereReady) || is(kPowerRed) || is(kPowerYellow) ||
        is(kUnconditional))
        return Locked::All;
    return Locked::Nothing;
}

EntryList::Options ListOptions(CAIT *window) {
    EntryList::Options options;
    options.headers = {QStringLiteral("注册名称"), QStringLiteral("注释")};
    options.idColumn = 0;
    options.showRow = [window](int row) { window->ShowTrigger(row); };
    options.filter = window->control<QLineEdit>(res::kIdTriggerFilter);
    return options;
}

} // namespace

CAIT::CAIT(DocumentModel &model, QWidget *owner)
    : platform::Dialog(res::kIdTriggerDialog, owner), model_(model),
      list_(control<platform::ReportList>(res::kIdTriggerList), model.document, ListOptions(this)),
      title_(control<QLabel>(res::kIdTriggerTitle)), name_(control<QLineEdit>(res::kIdTriggerName)),
      techLevel_(control<QLineEdit>(res::kIdTriggerTechLevel)),
      value_(control<QLineEdit>(res::kIdTriggerValue)),
      house_(control<platform::ComboBox>(res::kIdTriggerHouse)),
      condition_(control<platform::ComboBox>(res::kIdTriggerCondition)),
      operator_(control<platform::ComboBox>(res::kIdTriggerOperator)),
      conditionObject_(control<platform::ComboBox>(res::kIdTriggerConditionObject)),
      team_(control<platform::ComboBox>(res::kIdTriggerTeam)),
      side_(control<platform::ComboBox>(res::kIdTriggerSide)),
      minWeight_(control<platform::ComboBox>(res::kIdTriggerMinWeight)),
      baseWeight_(control<platform::ComboBox>(res::kIdTriggerBaseWeight)),
      maxWeight_(control<platform::ComboBox>(res::kIdTriggerMaxWeight)),
      easy_(control<QCheckBox>(res::kIdTriggerEasy)),
      medium_(control<QCheckBox>(res::kIdTriggerMedium)),
      hard_(control<QCheckBox>(res::kIdTriggerHard)),
      secondTeam_(control<platform::ComboBox>(res::kIdTriggerSecondTeam)),
      skirmish_(control<QCheckBox>(res::kIdTriggerSkirmish)),
      baseDefense_(control<QCheckBox>(res::kIdTriggerBaseDefense)),
      autoJump_(control<QCheckBox>(res::kIdTriggerAutoJump)), jump_(control(res::kIdTriggerJump)) {
    setShown(false);
    connect(&model_, &DocumentModel::restored, this, [this] { refresh(); });
}

Document &CAIT::document() const { return model_.document; }

void CAIT::onShowOrHide(bool) {
    if (list_.FillPending()) fill();
    list_.JumpToEntry(g_triggerJumpPending, g_triggerJumpTarget);
}

void CAIT::fill() {
    list_.FillRows(document().triggerText, [](std::string_view line) -> std::optional<QStringList> {
        const std::optional<TriggerIdAndName> entry = TriggerIdAndNameOf(line);
        if (!entry) return std::nullopt; // the header and the empty last line
        return QStringList{platform::WideText(entry->id), platform::WideText(entry->name)};
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
    title_->clear();
}

void CAIT::onMouseMove(QPoint) {
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
        g_addNewCopyOf = id == res::kIdTriggerCopy ? shownId_->toStdU16String() : u"";
        HideAndShow(g_addNewWindow);
        break;
    case res::kIdTriggerRename:
        RenameShownTrigger();
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
    g_teamJumpTarget = team_->currentText().toStdU16String();
    if (autoJump_->isChecked()) g_teamJumpPending = true;
    if (g_teamJumpPending) HideAndShow(g_teamWindow);
}

bool CAIT::onListKeyDown(int, int) {
    list_.ShowSelectedEntry();
    return false;
}

void CAIT::ShowTrigger(int row) {
    const QString id = list_.idOf(row);
    const TriggerReading reading =
        ReadTriggerForm(FindTriggerEntry(document().triggerText, platform::NarrowText(id)));
    const TriggerForm &form = reading.form;
    shownId_ = id;
    setShown(true);
    title_->setText(reading.blockCorrected ? id + QStringLiteral(",此注册表有错误，已自动纠正")
                                           : id);
    name_->setText(platform::WideText(form.name));
    team_->setEditText(platform::WideText(form.team));
    house_->setEditText(platform::WideText(form.house));
    // An unknown condition code leaves the box as it was.
    if (reading.conditionKnown) condition_->setEditText(platform::WideText(form.condition));
    operator_->setEditText(platform::WideText(form.comparison));
    value_->setText(platform::WideText(form.value));
    conditionObject_->setEditText(platform::WideText(form.conditionObject));
    baseWeight_->setEditText(platform::WideText(form.baseWeight));
    minWeight_->setEditText(platform::WideText(form.minWeight));
    maxWeight_->setEditText(platform::WideText(form.maxWeight));
    side_->setEditText(platform::WideText(form.side));
    techLevel_->setText(platform::WideText(form.techLevel));
    easy_->setChecked(form.easy);
    medium_->setChecked(form.medium);
    hard_->setChecked(form.hard);
    skirmish_->setChecked(form.skirmish);
    baseDefense_->setChecked(form.baseDefense);
    secondTeam_->setEditText(platform::WideText(form.secondTeam));
    // As the boxes show it: a condition box that kept its text, a text the code page could not
    // show, a weight without its decimals. What still shows so at Save keeps the line's text.
    shownForm_ = readForm();
}

TriggerForm CAIT::readForm() const {
    auto text = [](const QString &shown) { return shown.toStdU16String(); };
    TriggerForm form;
    form.name = text(name_->text());
    form.team = text(team_->currentText());
    form.house = text(house_->currentText());
    form.techLevel = text(techLevel_->text());
    form.condition = text(condition_->currentText());
    form.conditionObject = text(conditionObject_->currentText());
    form.comparison = text(operator_->currentText());
    form.value = text(value_->text());
    form.baseWeight = text(baseWeight_->currentText());
    form.minWeight = text(minWeight_->currentText());
    form.maxWeight = text(maxWeight_->currentText());
    form.side = text(side_->currentText());
    form.easy = easy_->isChecked();
    form.medium = medium_->isChecked();
    form.hard = hard_->isChecked();
    form.skirmish = skirmish_->isChecked();
    form.baseDefense = baseDefense_->isChecked();
    form.secondTeam = text(secondTeam_->currentText());
    return form;
}

void CAIT::SaveTrigger() {
    if (!shownId_) return;
    TriggerForm form = readForm();
    // While the condition is the one shown, what it put into the boxes it locks is no change of
    // the user's: those fields keep the line's text.
    if (form.condition == shownForm_.condition) {
        const Locked locked = LockedBy(condition_->currentText());
        if (locked != Locked::Nothing) {
            form.comparison = shownForm_.comparison;
            form.conditionObject = shownForm_.conditionObject;
        }
        if (locked == Locked::All) form.value = shownForm_.value;
    }
    // The line has no escapes: a comma or a line break would move every later field.
    const std::pair<std::u16string_view, const std::u16string *> fields[] = {
        {u"注释", &form.name},
        {u"作战队伍", &form.team},
        {u"指定国家", &form.house},
        {u"科技等级", &form.techLevel},
        {u"条件单位", &form.conditionObject},
        {u"基本权重", &form.baseWeight},
        {u"最低权重", &form.minWeight},
        {u"最高权重", &form.maxWeight},
        {u"指定阵营", &form.side},
        {u"第二队伍", &form.secondTeam},
    };
    for (const auto &[label, value] : fields) {
        if (value->find_first_of(u",\r\n") == std::u16string::npos) continue;
        std::u16string message = u"“";
        message += label;
        message += u"”不能含有逗号或换行，此触发没有保存";
        platform::ShowAppMessage(message);
        return;
    }
    const std::u16string id = shownId_->toStdU16String();
    const std::string narrowId = ToNarrow(id);
    std::string &text = document().triggerText;
    const std::string rest = FindTriggerEntry(text, narrowId);
    if (rest == "None") { // a found line's rest starts with '='
        platform::ShowAppMessage(u"此触发已被删除，没有保存");
        return;
    }
    const std::string line = WriteTriggerLine(id, form, rest, &shownForm_);
    // A save that changes nothing leaves the text and the history alone.
    if (line != narrowId + rest)
        model_.Edit(u"保存触发 " + id, [&] { ReplaceTriggerEntry(text, narrowId, line); });
    shownForm_ = form;
    commentsStale_ = true;
    list_.SetComment(*shownId_, platform::WideText(form.name));
}

void CAIT::DeleteSelectedTriggers() {
    std::vector<std::string> ids;
    QStringList names;
    list_.DeleteSelectedRows([this, &ids, &names](int row) {
        --document().triggerLastIndex;
        names.append(list_.idOf(row));
        ids.push_back(platform::NarrowText(names.back()));
        commentsStale_ = true;
    });
    if (ids.empty()) return;
    model_.Edit(StepName(u"删除", u"触发", names),
                [&] { RemoveTriggerEntries(document().triggerText, ids); });
}

void CAIT::appendPendingRow() {
    if (!g_newTriggerPending) return;
    std::vector<std::u16string> ids = {g_newTriggerId};
    ids.insert(ids.end(), g_newTriggerLaterIds.begin(), g_newTriggerLaterIds.end());
    for (const std::u16string &id : ids) {
        int &last = document().triggerLastIndex;
        list_.list()->insertTextRow(++last, {platform::WideText(id), QStringLiteral("NoName")});
        list_.KeepShown(platform::WideText(id));
    }
    g_newTriggerLaterIds.clear();
    g_newTriggerPending = false;
    commentsStale_ = true;
}

void CAIT::refreshComments() {
    commentsStale_ = false;
    const auto names = TriggerNamesById(document().triggerText);
    for (int row = 0; row < list_.rowCount(); ++row) {
        const auto found = names.find(platform::NarrowText(list_.idOf(row)));
        const QString name = platform::WideText(found == names.end() ? "None" : found->second);
        if (name != list_.commentOf(row)) list_.list()->setItem(row, 1, new QTableWidgetItem(name));
    }
}

void CAIT::setDependentControls() {
    operator_->setEnabled(true);
    conditionObject_->setEnabled(true);
    value_->setEnabled(true);
    const Locked locked = LockedBy(condition_->currentText());
    if (locked == Locked::Nothing) return;
    // For the money condition the operator's own name: the condition's wording "大于或等于"
    // names no operator and would be saved as "not equal".
    const int op = locked == Locked::All ? kLessThan : kGreaterOrEqual;
    operator_->setEditText(platform::WideText(*OperatorName(op)));
    conditionObject_->setEditText(QStringLiteral("<none>"));
    operator_->setEnabled(false);
    conditionObject_->setEnabled(false);
    if (locked == Locked::All) {
        value_->setText(QStringLiteral("0"));
        value_->setEnabled(false);
    }
}

void CAIT::rebuildTeamChoices() {
    QStringList teams;
    ForEachLine(document().teamListText, [&teams](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            teams.append(platform::WideText(line.substr(equals + 1)));
    });
    // The order the box's own sorted insert gives, but sorted once: one insert per team would
    // take seconds for ten thousand teams.
    std::stable_sort(teams.begin(), teams.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    // Emptying the list empties the box; it shows again exactly what it showed, so that a later
    // Save keeps the shown trigger's team.
    const QString shown = team_->currentText();
    team_->clear();
    team_->addItems(teams);
    team_->setEditText(shown);
    // The second team may also be none at all.
    const QString second = secondTeam_->currentText();
    teams.prepend(QStringLiteral("<none>"));
    secondTeam_->clear();
    secondTeam_->addItems(teams);
    secondTeam_->setEditText(second);
    g_teamListChanged = false;
}

void CAIT::setShown(bool shown) {
    for (int id : {res::kIdTriggerCopy, res::kIdTriggerRename})
        control(id)->setEnabled(shown);
}

void CAIT::RenameShownTrigger() {
    const std::optional<std::u16string> to =
        AskAndRename(model_, u"触发", shownId_->toStdU16String(), this);
    if (!to) return;
    // Every window shows the names as they now stand; this one the renamed trigger.
    shownId_ = QString::fromStdU16String(*to);
    model_.Refill();
}
