#pragma once
// The list "使用处" under a form: the entries that use the shown one, with a caption that counts
// them. Double-click or Enter on an item opens that entry in its window.

#include "core/usageindex.h"

#include <QString>
#include <functional>
#include <vector>

class QLabel;

namespace platform {
class ReportList;
}

class UsageList {
public:
    // Opens the entry `id` in the window of the users' kind.
    using Open = std::function<void(const QString &id)>;

    // `userKind` names the users in the caption ("队伍", "触发").
    UsageList(QLabel *caption, platform::ReportList *list, QString userKind, Open open);

    // The users of the shown entry.
    void Show(const std::vector<EntryUse> &users);
    // No entry shown.
    void Clear();

    platform::ReportList *list() const { return list_; }

private:
    QLabel *caption_;
    platform::ReportList *list_;
    QString userKind_;
};

// Opens `id` in the window of its kind, selected and shown, as the jumps between windows do.
void OpenTaskForce(const QString &id);
void OpenScript(const QString &id);
void OpenTeam(const QString &id);
void OpenTrigger(const QString &id);
