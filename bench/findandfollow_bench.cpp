// Finding and following at scale: the filter of the trigger list (20,000 and 40,000 triggers) and
// of the team list (10,000 teams) refiltered per keystroke, which must stay within 16 ms; the
// where-used index built again after a change (one pass over the team and trigger texts); and
// showing the users of one entry from it, which must stay within 5 ms.

#include "core/initext.h"
#include "core/registrylist.h"
#include "core/usageindex.h"
#include "platform/codepage.h"
#include "res/teamdialog.h"
#include "res/triggerdialog.h"
#include "teams/teamwindow.h"
#include "triggers/triggerwindow.h"
#include "ui/usagelist.h"
#include "windowbench.h"

#include <QLabel>
#include <QLineEdit>

using namespace windowbench;

namespace {

// What a user types to find an entry, one keystroke at a time, then erases.
const QStringList kKeystrokes = {
    QStringLiteral("t"),   QStringLiteral("te"), QStringLiteral("tea"), QStringLiteral("team"),
    QStringLiteral("tea"), QStringLiteral("te"), QStringLiteral("t"),   QStringLiteral(""),
    QStringLiteral("1"),   QStringLiteral("12"), QStringLiteral("1"),   QStringLiteral(""),
};

// The worst keystrokes: every row hidden, then every row shown again.
const QStringList kHideAndShowAll = {QStringLiteral("~"), QStringLiteral("")};

template <class W>
void TimeKeystrokes(benchmark::State &state, int filterId, int listId,
                    const QStringList &keystrokes = kKeystrokes, int scale = kFileScale) {
    auto window = FilledWindow<W>(scale);
    auto *filter = gui::qt::WidgetOf<QLineEdit>(*window, filterId);
    const int rows = ListOf(*window, listId)->model()->rowCount();
    size_t next = 0;
    for (auto _ : state) {
        filter->setText(keystrokes[qsizetype(next++ % size_t(keystrokes.size()))]);
        // The list laid out and painted again, as the user sees it.
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = rows;
}

void BM_FilterTriggers(benchmark::State &state) {
    TimeKeystrokes<CAIT>(state, res::kIdTriggerFilter, res::kIdTriggerList);
}

void BM_FilterTriggers40000(benchmark::State &state) {
    TimeKeystrokes<CAIT>(state, res::kIdTriggerFilter, res::kIdTriggerList, kKeystrokes, 20);
}

void BM_FilterTriggersHideAndShowAll(benchmark::State &state) {
    TimeKeystrokes<CAIT>(state, res::kIdTriggerFilter, res::kIdTriggerList, kHideAndShowAll);
}

void BM_FilterTeams(benchmark::State &state) {
    TimeKeystrokes<CArmy>(state, res::kIdTeamFilter, res::kIdTeamList);
}

void BM_BuildUsageIndex(benchmark::State &state) {
    LoadDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(UsageIndex(doc));
}

// The users of the task force most teams name (and of the team most triggers name) shown in a
// usage list, from the index as it stands.
void BM_ShowUsers(benchmark::State &state) {
    LoadDocument();
    const UsageIndex &index = model.usage();
    std::string taskForce, team;
    size_t mostTeams = 0, mostTriggers = 0;
    ForEachLine(doc.teamListText, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) return;
        const std::string id(line.substr(equals + 1));
        const std::string used = std::string(ReferenceIn(
            KeyLineValue(EntrySectionOf(doc.teamSectionsText, id), "TaskForce").value_or("")));
        if (index.UsersOf(UsedKind::TaskForce, used).size() > mostTeams) {
            mostTeams = index.UsersOf(UsedKind::TaskForce, used).size();
            taskForce = used;
        }
        if (index.UsersOf(UsedKind::Team, id).size() > mostTriggers) {
            mostTriggers = index.UsersOf(UsedKind::Team, id).size();
            team = id;
        }
    });
    QLabel caption;
    gui::qt::ReportView list(true, nullptr);
    const std::unique_ptr<gui::Control> captionHandle = gui::qt::MakeLabelHandle(&caption);
    const std::unique_ptr<gui::Control> listHandle = gui::qt::MakeReportListHandle(&list);
    UsageList usage(dynamic_cast<gui::Label *>(captionHandle.get()),
                    dynamic_cast<gui::ReportList *>(listHandle.get()), "usage.teams",
                    [](const std::u16string &) {});
    bool teams = true;
    for (auto _ : state) {
        usage.Show(model.usage().UsersOf(teams ? UsedKind::TaskForce : UsedKind::Team,
                                         teams ? taskForce : team));
        teams = !teams;
    }
    state.counters["teamsOfTaskForce"] = double(mostTeams);
    state.counters["triggersOfTeam"] = double(mostTriggers);
}

} // namespace

BENCHMARK(BM_FilterTriggers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTriggers40000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTriggersHideAndShowAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTeams)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildUsageIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowUsers)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv) { return RunBenchmarks(argc, argv); }
