#include "gui/qt/qtwindow.h"

#include "gui/qt/qtcontrols.h"
#include "gui/qt/qttext.h"
#include "res/text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QDropEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <stdexcept>

namespace gui::qt {

namespace {

bool IsEnterKey(const QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return enter && modifiers == Qt::NoModifier;
}

// A combo box's edit field gets the box's name too: assistive tools meet it on its own.
void SetAccessibleName(QWidget *input, const QString &name) {
    input->setAccessibleName(name);
    if (auto *combo = qobject_cast<QComboBox *>(input); combo && combo->lineEdit()) {
        combo->lineEdit()->setAccessibleName(name);
    }
}

// Escape in a search field empties it rather than closing the window; an empty field leaves
// Escape to the window.
class ClearOnEscape : public QObject {
public:
    explicit ClearOnEscape(QLineEdit *edit) : QObject(edit), edit_(edit) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || edit_->text().isEmpty()) return false;
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape) return false;
        edit_->clear();
        return true;
    }

private:
    QLineEdit *edit_;
};

// The keys of menu commands whose text field comes first (Undo, Redo) in every window of the
// program: a text field with the focus and typing of its own to take back or do again takes the
// key; otherwise the command runs.
class TextFirstKeys : public QObject {
public:
    struct Binding {
        QKeySequence keys;
        res::Accelerator::TextFirst role;
        QAction *action;
    };

    TextFirstKeys(std::vector<Binding> bindings, QObject *parent)
        : QObject(parent), bindings_(std::move(bindings)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
        const QKeyCombination combination = static_cast<QKeyEvent *>(event)->keyCombination();
        const Binding *binding = nullptr;
        for (const Binding &candidate : bindings_)
            if (candidate.keys == QKeySequence(combination)) binding = &candidate;
        if (!binding) return false;
        // The keys go to the widget with the focus; in anything but a text field the menu's own
        // shortcuts answer.
        auto *line = qobject_cast<QLineEdit *>(watched);
        auto *text = qobject_cast<QPlainTextEdit *>(watched);
        if (!line && !text) return false;
        if (type == QEvent::ShortcutOverride) {
            event->accept(); // the key comes to the field, and so here
            return true;
        }
        const bool undo = binding->role == res::Accelerator::TextFirst::Undo;
        if (line && undo && line->isUndoAvailable()) {
            line->undo();
        } else if (line && !undo && line->isRedoAvailable()) {
            line->redo();
        } else if (text && undo && text->document()->isUndoAvailable()) {
            text->undo();
        } else if (text && !undo && text->document()->isRedoAvailable()) {
            text->redo();
        } else if (binding->action->isEnabled()) {
            binding->action->trigger();
        }
        return true;
    }

private:
    std::vector<Binding> bindings_;
};

} // namespace

BaseUnits BaseUnitsOf(const QFont &font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

Window::Window(Dialog &dialog, const res::DialogTemplate &dialogTemplate, QWidget *owner)
    : QDialog(owner), dialog_(dialog), dialogTemplate_(dialogTemplate), client_(new QWidget(this)) {
    Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialogTemplate.style & res::kMinMaxBoxes) flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setWindowTitle(Q(res::Str(dialogTemplate.caption)));
    setAcceptDrops((dialogTemplate.style & res::kAcceptFiles) != 0);

    // The template's shell font stands for the system's user-interface font.
    QFont font = QGuiApplication::font();
    font.setPointSize(dialogTemplate.fontPoints);
    setFont(font);
    units_ = BaseUnitsOf(font);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    client_->setMouseTracking(true);
    client_->installEventFilter(this);

    std::vector<QWidget *> created;
    for (const res::Control &control : dialogTemplate.controls) {
        QWidget *widget = createControl(control);
        // An opaque control repaints alone, as a child window does: the dialog's own paint
        // handling runs for the dialog's surface, never for a control's repaint.
        widget->setAutoFillBackground(true);
        const Rect place = DialogUnitsToPixels(control.rect, units_);
        QRect geometry(place.x, place.y, place.width, place.height);
        // A combo box's template height is that of its dropped-down list.
        if (control.kind == res::Kind::ComboBox) geometry.setHeight(widget->sizeHint().height());
        widget->setGeometry(geometry);
        placements_.push_back({widget,
                               {geometry.x(), geometry.y(), geometry.width(), geometry.height()},
                               control.anchor});
        if (control.id != res::kNoId) widgets_.insert(control.id, widget);
        created.push_back(widget);
    }
    for (size_t i = 0; i < created.size(); ++i) {
        QWidget *input = widget(dialogTemplate.controls[i].buddy);
        auto *label = qobject_cast<QLabel *>(created[i]);
        if (input && label) label->setBuddy(input);
    }
    nameControls();

    const Rect size =
        DialogUnitsToPixels({0, 0, dialogTemplate.width, dialogTemplate.height}, units_);
    templateSize_ = QSize(size.width, size.height);
    if (dialogTemplate.style & res::kResizable) {
        client_->setMinimumSize(templateSize_);
        resize(templateSize_);
    } else {
        client_->setFixedSize(templateSize_);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        // Settle the fixed size now rather than at the first show: a hidden window is placed by
        // its size.
        layout->activate();
    }
}

void Window::nameControls() {
    for (size_t i = 0; i < placements_.size(); ++i) {
        const res::Control &control = dialogTemplate_.controls[i];
        if (!control.name.empty())
            SetAccessibleName(placements_[i].widget, Q(res::Str(control.name)));
        if (QWidget *input = widget(control.buddy))
            SetAccessibleName(input, Q(res::Str(control.text)));
    }
}

void Window::retext() {
    setWindowTitle(Q(res::Str(dialogTemplate_.caption)));
    for (size_t i = 0; i < placements_.size(); ++i) {
        const res::Control &control = dialogTemplate_.controls[i];
        QWidget *widget = placements_[i].widget;
        const QString text = Q(res::Str(control.text));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (!control.text.empty()) label->setText(text);
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            button->setText(text);
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->setPlaceholderText(text);
        } else if (auto *combo = qobject_cast<QComboBox *>(widget);
                   combo && !control.items.empty()) {
            for (int item = 0; item < combo->count() && size_t(item) < control.items.size(); ++item)
                combo->setItemText(item, Q(res::Str(control.items[size_t(item)])));
            if (combo->currentIndex() >= 0)
                combo->setEditText(combo->itemText(combo->currentIndex()));
        }
    }
    nameControls();
}

QWidget *Window::createControl(const res::Control &control) {
    const int id = control.id;
    const QString text = Q(res::Str(control.text));
    std::unique_ptr<Control> handle;
    QWidget *widget = nullptr;
    switch (control.kind) {
    case res::Kind::Static: {
        auto *label = new QLabel(text, client_);
        // Window text is never markup, whatever it holds.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        handle = MakeLabelHandle(label);
        widget = label;
        break;
    }
    case res::Kind::Edit: {
        auto *edit = new QLineEdit(client_);
        if (control.style & res::kSearchField) {
            edit->setPlaceholderText(text);
            edit->setClearButtonEnabled(true);
            new ClearOnEscape(edit);
            auto *find = new QShortcut(QKeySequence::Find, this);
            connect(find, &QShortcut::activated, edit, [edit] {
                edit->setFocus(Qt::ShortcutFocusReason);
                edit->selectAll();
            });
        }
        handle = MakeEditHandle(edit);
        widget = edit;
        break;
    }
    case res::Kind::TextArea: {
        auto *area = new QPlainTextEdit(client_);
        area->setLineWrapMode((control.style & res::kNoWrap) ? QPlainTextEdit::NoWrap
                                                             : QPlainTextEdit::WidgetWidth);
        area->setTabChangesFocus(true);
        handle = MakeTextAreaHandle(area);
        widget = area;
        break;
    }
    case res::Kind::Button: {
        auto *push = new QPushButton(text, client_);
        // Enter goes to the window, not to whichever button Qt would make the default.
        push->setAutoDefault(false);
        if (id != res::kNoId)
            connect(push, &QPushButton::clicked, this,
                    [this, id] { DialogEvents::Command(dialog_, id); });
        handle = MakeButtonHandle(push);
        widget = push;
        break;
    }
    case res::Kind::CheckBox: {
        auto *box = new QCheckBox(text, client_);
        if (id != res::kNoId)
            connect(box, &QCheckBox::clicked, this,
                    [this, id] { DialogEvents::Command(dialog_, id); });
        handle = MakeCheckBoxHandle(box);
        widget = box;
        break;
    }
    case res::Kind::ComboBox: {
        auto *combo = new ComboBox(client_);
        // Thousands of teams or types: typing offers, in a list under the box, the items that
        // start with the typed text (a chooser filtered as typed: those that hold it). The text
        // stays what was typed until an item is chosen.
        combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
        combo->completer()->setFilterMode(
            (control.style & res::kFilterAsTyped) ? Qt::MatchContains : Qt::MatchStartsWith);
        combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        handle = MakeComboBoxHandle(combo, (control.style & res::kSorted) != 0);
        auto *box = static_cast<gui::ComboBox *>(handle.get());
        std::vector<std::u16string> items;
        for (std::string_view item : control.items)
            items.emplace_back(res::Str(item));
        box->setItems(items);
        // The items are choices, not a text: the edit field starts empty.
        combo->setCurrentIndex(-1);
        widget = combo;
        break;
    }
    case res::Kind::List: {
        auto *list = new ReportView((control.style & res::kSingleSelection) != 0, client_);
        connect(list, &ReportView::listClicked, this,
                [this, id] { DialogEvents::ListClick(dialog_, id); });
        connect(list, &ReportView::keyDown, this, [this, id](int key, bool *handled) {
            *handled = DialogEvents::ListKeyDown(dialog_, id, KeyOf(key));
        });
        handle = MakeReportListHandle(list);
        widget = list;
        break;
    }
    }
    if (!widget) throw std::logic_error("unknown control kind");
    if (id != res::kNoId) controls_.insert(id, handle.get());
    handles_.push_back(std::move(handle));
    return widget;
}

Control *Window::control(int id) const { return controls_.value(id, nullptr); }

QWidget *Window::widget(int id) const { return widgets_.value(id, nullptr); }

void Window::layoutControls() {
    // Never smaller than the template: the minimum size holds that, but a window not yet shown
    // may still be asked for less.
    const int grownX = client_->width() - templateSize_.width();
    const int grownY = client_->height() - templateSize_.height();
    for (const Placement &placement : placements_) {
        const Rect place = Follow(placement.place, placement.anchor, grownX, grownY);
        placement.widget->setGeometry(place.x, place.y, place.width, place.height);
    }
}

bool Window::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) DialogEvents::Activate(dialog_);
    return QDialog::event(event);
}

bool Window::eventFilter(QObject *watched, QEvent *event) {
    if (watched == client_ && event->type() == QEvent::Resize) layoutControls();
    if (watched == client_ && event->type() == QEvent::MouseMove) {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!client_->childAt(pos)) DialogEvents::MouseMove(dialog_);
    }
    return QDialog::eventFilter(watched, event);
}

void Window::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // Only the program's own show and hide; the window system's (minimising) do not count.
    if (!event->spontaneous()) DialogEvents::ShowOrHide(dialog_, true);
}

void Window::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) DialogEvents::ShowOrHide(dialog_, false);
}

void Window::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Cancel)) {
        if (DialogEvents::Escape(dialog_)) return;
    } else if (IsEnterKey(event) && DialogEvents::Enter(dialog_)) {
        return;
    }
    QDialog::keyPressEvent(event);
}

void Window::closeEvent(QCloseEvent *event) {
    if (!DialogEvents::Close(dialog_)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Window::paintEvent(QPaintEvent *event) {
    DialogEvents::Paint(dialog_);
    QDialog::paintEvent(event);
}

void Window::dragEnterEvent(QDragEnterEvent *event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() &&
        std::all_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void Window::dropEvent(QDropEvent *event) {
    std::vector<std::u16string> paths;
    for (const QUrl &url : event->mimeData()->urls())
        if (url.isLocalFile()) paths.push_back(U(QDir::toNativeSeparators(url.toLocalFile())));
    if (paths.empty()) return;
    event->acceptProposedAction();
    DialogEvents::DropFiles(dialog_, paths);
}

QtDialogPeer::QtDialogPeer(Dialog &dialog, const res::DialogTemplate &dialogTemplate, Dialog *owner)
    : window_(new Window(dialog, dialogTemplate, owner ? WindowOf(*owner) : nullptr)) {}

QtDialogPeer::~QtDialogPeer() {
    // An owned window may have gone with its owner already.
    delete window_.data();
}

Control *QtDialogPeer::control(int id) const { return window_->control(id); }
void QtDialogPeer::show() { window_->show(); }
void QtDialogPeer::hide() { window_->hide(); }
void QtDialogPeer::showNormal() { window_->showNormal(); }
void QtDialogPeer::showMaximized() { window_->showMaximized(); }
bool QtDialogPeer::isVisible() const { return window_->isVisible(); }
void QtDialogPeer::move(int x, int y) { window_->move(x, y); }

Size QtDialogPeer::frameSize() const {
    const QSize size = window_->frameGeometry().size();
    return {size.width(), size.height()};
}

void QtDialogPeer::setCaption(const std::u16string &caption) {
    window_->setWindowTitle(Q(caption));
}

std::u16string QtDialogPeer::caption() const { return U(window_->windowTitle()); }

bool QtDialogPeer::exec() { return window_->exec() == QDialog::Accepted; }

void QtDialogPeer::done(bool accepted) {
    if (accepted)
        window_->accept();
    else
        window_->reject();
}

void QtDialogPeer::attachMenu(const res::Menu &menu) {
    menu_ = &menu;
    auto *bar = new QMenuBar(window_);
    bar->setNativeMenuBar(false);
    std::vector<TextFirstKeys::Binding> textFirst;
    for (const res::Popup &popup : menu.popups) {
        QMenu *items = bar->addMenu(Q(res::Str(popup.text)));
        popups_.push_back(items);
        for (const res::MenuItem &item : popup.items) {
            const int command = item.command;
            QAction *action = items->addAction(Q(res::Str(item.text)));
            actions_.insert(command, action);
            QList<QKeySequence> keys;
            for (const res::Accelerator &accelerator : res::Accelerators()) {
                if (accelerator.command != command) continue;
                keys.append(QKeySequence(Q(accelerator.keys), QKeySequence::PortableText));
                if (accelerator.textFirst != res::Accelerator::TextFirst::No)
                    textFirst.push_back({keys.back(), accelerator.textFirst, action});
            }
            action->setShortcuts(keys);
            // The menu's keys answer in every window of the program.
            action->setShortcutContext(Qt::ApplicationShortcut);
            Window *window = window_;
            QObject::connect(action, &QAction::triggered, window, [window, command] {
                DialogEvents::Command(window->dialog(), command);
            });
        }
    }
    qApp->installEventFilter(new TextFirstKeys(std::move(textFirst), window_));
    window_->layout()->setMenuBar(bar);
    window_->resize(window_->width(), window_->height() + bar->sizeHint().height());
}

void QtDialogPeer::retext() {
    window_->retext();
    if (!menu_) return;
    for (size_t i = 0; i < menu_->popups.size() && i < popups_.size(); ++i) {
        const res::Popup &popup = menu_->popups[i];
        popups_[i]->setTitle(Q(res::Str(popup.text)));
        for (const res::MenuItem &item : popup.items)
            if (QAction *action = menuAction(item.command)) action->setText(Q(res::Str(item.text)));
    }
}

void QtDialogPeer::setMenuItem(int command, const std::u16string &text, bool enabled) {
    QAction *action = menuAction(command);
    if (!action) return;
    action->setText(Q(text));
    action->setEnabled(enabled);
}

void QtDialogPeer::setSubmenu(int command, const std::vector<std::u16string> &items,
                              std::function<void(size_t index)> chosen) {
    QAction *action = menuAction(command);
    if (!action) return;
    QMenu *submenu = action->menu();
    if (!submenu) {
        submenu = new QMenu(window_);
        action->setMenu(submenu);
    }
    submenu->clear();
    for (size_t i = 0; i < items.size(); ++i)
        QObject::connect(submenu->addAction(Q(items[i])), &QAction::triggered, submenu,
                         [chosen, i] { chosen(i); });
    action->setEnabled(!items.empty());
}

Window *WindowOf(const Dialog &dialog) {
    return static_cast<QtDialogPeer &>(dialog.peer()).window();
}

QWidget *WidgetOf(const Dialog &dialog, int id) { return WindowOf(dialog)->widget(id); }

} // namespace gui::qt
