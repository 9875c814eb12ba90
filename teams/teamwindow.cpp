#include "teams/teamwindow.h"

#include "core/document.h"
#include "core/initext.h"
#include "newentry/renamedialog.h"
#include "platform/controls.h"
#include "platform/widetext.h"
#include "res/teamdialog.h"
#include "teams/teamform.h"
#include "teams/teamlist.h"
#include "ui/documentmodel.h"
#include "ui/editorwindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

static_assert(std::size(res::kTeamKeyIds) == kTeamLayout.size(), "one control per key");

namespace {

// Puts the values of the lines of a registry list text into `box` as choices. Lines without
// "=" give "None", kept only with `keepNone`. The box's text stays what it was: refilling the
// choices must not change what a save would write.
void FillChoices(platform::ComboBox *box, std::string_view listText, bool keepNone) {
    QStringList values;
    for (size_t start = 0; start <= listText.size();) {
        const size_t lf = std::min(listText.find('\n', start), listText.size());
        const std::string value = ValueOfKey(listText.substr(start, lf - start), "=");
        if (keepNone || value != "None") values.append(platform::WideText(value));
        start = lf + 1;
    }
    // Sorted once and inserted at once, in the order the box's own sorted insertion gives
    // (case-insensitive, equal texts in turn): one insertion per item is quadratic.
    std::stable_sort(values.begin(), values.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const QString text = box->currentText();
    box->clear();
    box->addItems(values);
    box->setEditText(text);
}

} // namespace

CArmy::CArmy(DocumentModel &model, QWidget *owner)
    : platform::Dialog(res::kIdTeamDialog, owner), model_(model),
      entries_(control<platform::ReportList>(res::kIdTeamList), model.document,
               {.showRow = [this](int row) { ShowTeamForm(row, true); },
                .filter = control<QLineEdit>(res::kIdTeamFilter)}),
      usage_(control<QLabel>(res::kIdTeamUsageCaption),
             control<platform::ReportList>(res::kIdTeamUsage), QStringLiteral("触发"), OpenTrigger),
      hint_(control<QLabel>(res::kIdTeamHint)),
      taskForce_(control<platform::ComboBox>(res::kIdTeamTaskForce)),
      script_(control<platform::ComboBox>(res::kIdTeamScript)),
      autoJump_(control<QCheckBox>(res::kIdTeamAutoJump)),
      jump_(control<QPushButton>(res::kIdTeamJump)) {
    setShown(false);
    connect(&model_, &DocumentModel::restored, this, [this] { refresh(); });
    // Triggers that change their teams change the list of the shown team.
    connect(&model_, &DocumentModel::changed, this, [this] { showUsage(); });
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
    const int row = shownTeam_ ? entries_.SelectEntry(platform::WideText(*shownTeam_)) : -1;
    if (row >= 0) {
        ShowTeamForm(row, false);
        return;
    }
    shownTeam_.reset();
    setShown(false);
    usage_.Clear();
    hint_->clear();
    for (size_t i = 0; i < kTeamLayout.size(); ++i)
        showValue(i, kTeamLayout[i].flag ? "no" : "");
}

void CArmy::onShowOrHide(bool) {
    if (entries_.FillPending()) fill();
    entries_.JumpToEntry(g_teamJumpPending, g_teamJumpTarget);
}

void CArmy::onMouseMove(QPoint) {
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
    const int row = entries_.list()->currentRow();
    if (row >= 0) ShowTeamForm(row, true);
}

bool CArmy::onListKeyDown(int, int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    MoveSelection(key);
    return true;
}

void CArmy::ShowTeamForm(int row, bool recordJump) {
    const QString number = entries_.list()->text(row, 0);
    const QString id = entries_.idOf(row);
    const std::string narrowId = platform::NarrowText(id);
    const std::string section = EntrySectionOf(document().teamSectionsText, narrowId);
    if (section == "None") { // a section always starts with its header, so this is absence
        hint_->setText(QStringLiteral("此队伍已被删除"));
        return;
    }
    shownTeam_ = narrowId;
    setShown(true);

    shownForm_ = ReadTeamForm(section);
    for (size_t i = 0; i < kTeamLayout.size(); ++i) {
        showValue(i, shownForm_[i]);
        shownTexts_[i] = shownValue(i);
    }
    hint_->setText(QStringLiteral("注册序号：%1,标题：%2").arg(number, id));
    showUsage();

    if (!recordJump) return;
    g_scriptJumpTarget = ToWide(shownForm_[kTeamScript]);
    g_taskForceJumpTarget = ToWide(shownForm_[kTeamTaskForce]);
    if (autoJump_->isChecked()) JumpToTeamParts();
}

QString CArmy::shownValue(size_t index) const {
    QWidget *widget = control(res::kTeamKeyIds[index]);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return box->isChecked() ? QStringLiteral("yes") : QStringLiteral("no");
    if (auto *combo = qobject_cast<QComboBox *>(widget)) return combo->currentText();
    return qobject_cast<QLineEdit *>(widget)->text();
}

void CArmy::showValue(size_t index, const std::string &value) {
    QWidget *widget = control(res::kTeamKeyIds[index]);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        box->setChecked(value == "yes");
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setEditText(platform::WideText(value));
    else
        qobject_cast<QLineEdit *>(widget)->setText(platform::WideText(value));
}

void CArmy::SaveTeamForm() {
    if (!shownTeam_) {
        hint_->setText(QStringLiteral("还没有显示任何队伍，没有保存"));
        return;
    }
    // A value the user did not change goes back exactly as it was read, even where the code
    // page could not show it.
    TeamForm edited = shownForm_;
    std::array<QString, kTeamLayout.size()> texts;
    for (size_t i = 0; i < kTeamLayout.size(); ++i) {
        texts[i] = shownValue(i);
        if (texts[i] != shownTexts_[i]) edited[i] = platform::NarrowText(texts[i]);
    }
    std::string &sections = document().teamSectionsText;
    const std::optional<std::string> body = TeamBodyOf(sections, *shownTeam_);
    if (!body) {
        hint_->setText(QStringLiteral("此队伍已被删除，没有保存"));
        return;
    }
    const std::string updated = UpdateTeamBody(*body, shownForm_, edited);
    model_.Edit(u"保存队伍 " + ToWide(*shownTeam_),
                [&] { ReplaceTeamBody(sections, *shownTeam_, updated); });
    // The form now stands for the saved lines: a second save changes only what changed since.
    shownForm_ = edited;
    shownTexts_ = texts;
    entries_.SetComment(platform::WideText(*shownTeam_),
                        platform::WideText(ValueOfKey(updated, "Name=")));
    entries_.list()->viewport()->update();
}

void CArmy::JumpToTeamParts() {
    g_scriptJumpPending = true;
    g_taskForceJumpPending = true;
    HideAndShow(g_taskForceWindow);
    HideAndShow(g_scriptWindow);
}

void CArmy::MoveSelection(int key) {
    const int count = entries_.rowCount();
    if (count == 0) return;
    platform::ReportList *list = entries_.list();
    // The next row the filter shows, up or down; the first shown row when none is selected.
    const int first = entries_.firstSelectedRow();
    const int step = first < 0 || key == Qt::Key_Down ? 1 : -1;
    int row = first;
    for (int next = first < 0 ? 0 : first + step; next >= 0 && next < count; next += step) {
        if (list->isRowHidden(next)) continue;
        row = next;
        break;
    }
    if (row < 0) return;
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
    list->scrollTo(index);
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
    model_.Edit(u"重排队伍列表", [&] { rows = RebuildTeamTexts(document()); });
    ShowRows(rows);
}

void CArmy::DeleteSelectedTeams() {
    if (!document().IsFileOpen()) return;
    std::vector<TeamRow> doomed;
    QStringList ids;
    for (int row : entries_.list()->selectedRows()) {
        ids.append(entries_.idOf(row));
        doomed.push_back({platform::NarrowText(entries_.list()->text(row, 0)),
                          platform::NarrowText(ids.back()),
                          {}});
    }
    if (doomed.empty()) return;
    entries_.list()->clearSelection();
    std::vector<TeamRow> rows;
    model_.Edit(StepName(u"删除", u"队伍", ids), [&] { rows = DeleteTeams(document(), doomed); });
    ShowRows(rows);
}

void CArmy::ShowRows(const std::vector<TeamRow> &rows) {
    // A team the list did not have is one just made: it shows whatever the filter.
    const QStringList before = entries_.ids();
    const QSet<QString> known(before.begin(), before.end());
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString id = platform::WideText(rows[i].id);
        entries_.SetRow(
            int(i), {platform::WideText(rows[i].number), id, platform::WideText(rows[i].comment)});
        if (!known.contains(id)) entries_.KeepShown(id);
    }
    entries_.list()->setRowCount(int(rows.size()));
    entries_.ApplyFilter();
}

void CArmy::setShown(bool shown) {
    for (int id : {res::kIdTeamCopy, res::kIdTeamRename})
        control(id)->setEnabled(shown);
}

void CArmy::RenameShownTeam() {
    const std::optional<std::u16string> to =
        AskAndRename(model_, u"队伍", ToWide(*shownTeam_), this);
    if (!to) return;
    // Every window shows the names as they now stand; this one the renamed team.
    shownTeam_ = ToNarrow(*to);
    model_.Refill();
}
