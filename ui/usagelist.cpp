#include "ui/usagelist.h"

#include "core/windowsignals.h"
#include "platform/controls.h"
#include "platform/widetext.h"
#include "ui/editorwindows.h"

#include <QLabel>

UsageList::UsageList(QLabel *caption, platform::ReportList *list, QString userKind, Open open)
    : caption_(caption), list_(list), userKind_(std::move(userKind)) {
    list_->setColumns({QStringLiteral("注册名称"), QStringLiteral("注释")});
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list_, &platform::ReportList::rowActivated, list_,
                     [this, open = std::move(open)](int row) { open(list_->text(row, 0)); });
    Clear();
}

void UsageList::Show(const std::vector<EntryUse> &users) {
    list_->setRowCount(0);
    list_->setRowCount(int(users.size()));
    for (int row = 0; row < int(users.size()); ++row) {
        list_->setItem(row, 0, new QTableWidgetItem(platform::WideText(users[size_t(row)].id)));
        list_->setItem(row, 1, new QTableWidgetItem(platform::WideText(users[size_t(row)].name)));
    }
    caption_->setText(users.empty()
                          ? QStringLiteral("未被使用")
                          : QStringLiteral("被 %1 个%2使用").arg(users.size()).arg(userKind_));
}

void UsageList::Clear() {
    list_->setRowCount(0);
    caption_->setText(QStringLiteral("使用处"));
}

namespace {

void Open(bool &pending, std::u16string &target, platform::Dialog *window, const QString &id) {
    target = id.toStdU16String();
    pending = true;
    HideAndShow(window);
}

} // namespace

void OpenTaskForce(const QString &id) {
    Open(g_taskForceJumpPending, g_taskForceJumpTarget, g_taskForceWindow, id);
}

void OpenScript(const QString &id) {
    Open(g_scriptJumpPending, g_scriptJumpTarget, g_scriptWindow, id);
}

void OpenTeam(const QString &id) { Open(g_teamJumpPending, g_teamJumpTarget, g_teamWindow, id); }

void OpenTrigger(const QString &id) {
    Open(g_triggerJumpPending, g_triggerJumpTarget, g_triggerWindow, id);
}
