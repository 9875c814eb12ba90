#include "gui/dialog.h"

#include "gui/backend.h"
#include "res/resources.h"

#include <stdexcept>
#include <vector>

namespace gui {

namespace {

// The windows alive, in the order they were made, for RetextAll.
std::vector<Dialog *> &LiveDialogs() {
    static std::vector<Dialog *> dialogs;
    return dialogs;
}

} // namespace

Dialog::Dialog(int templateId, Dialog *owner) : templateId_(templateId) {
    const res::DialogTemplate *dialogTemplate = res::FindDialog(templateId);
    if (!dialogTemplate) throw std::logic_error("no dialog template " + std::to_string(templateId));
    peer_ = CurrentBackend().createDialog(*this, *dialogTemplate, owner);
    LiveDialogs().push_back(this);
}

Dialog::~Dialog() { std::erase(LiveDialogs(), this); }

void Dialog::RetextAll() {
    // Every template first: a window's hook may set texts in other windows (a refill).
    const std::vector<Dialog *> dialogs = LiveDialogs();
    for (Dialog *dialog : dialogs)
        dialog->peer_->retext();
    for (Dialog *dialog : dialogs)
        dialog->onLanguageChanged();
}

Control *Dialog::find(int id) const { return peer_->control(id); }

void Dialog::show() { peer_->show(); }
void Dialog::hide() { peer_->hide(); }
void Dialog::showNormal() { peer_->showNormal(); }
void Dialog::showMaximized() { peer_->showMaximized(); }
bool Dialog::isVisible() const { return peer_->isVisible(); }
void Dialog::move(int x, int y) { peer_->move(x, y); }
Size Dialog::frameSize() const { return peer_->frameSize(); }
void Dialog::setCaption(const std::u16string &caption) { peer_->setCaption(caption); }
std::u16string Dialog::caption() const { return peer_->caption(); }
bool Dialog::exec() { return peer_->exec(); }
void Dialog::accept() { peer_->done(true); }
void Dialog::reject() { peer_->done(false); }

void Dialog::attachMenu(int menuId) {
    const res::Menu *menu = res::FindMenu(menuId);
    if (!menu) throw std::logic_error("no menu " + std::to_string(menuId));
    peer_->attachMenu(*menu);
}

void Dialog::setMenuItem(int command, const std::u16string &text, bool enabled) {
    peer_->setMenuItem(command, text, enabled);
}

void Dialog::setSubmenu(int command, const std::vector<std::u16string> &items,
                        std::function<void(size_t index)> chosen) {
    peer_->setSubmenu(command, items, std::move(chosen));
}

} // namespace gui
