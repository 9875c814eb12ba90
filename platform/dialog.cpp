#include "platform/dialog.h"

#include "platform/controls.h"
#include "platform/widetext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace platform {

namespace {

// value * numerator / denominator, rounded to the nearest pixel as the window system does.
int MulDiv(int value, int numerator, int denominator) {
    return (2 * value * numerator + denominator) / (2 * denominator);
}

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

} // namespace

BaseUnits BaseUnitsOf(const QFont &font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(const res::Rect &rect, BaseUnits units) {
    return QRect(MulDiv(rect.x, units.x, 4), MulDiv(rect.y, units.y, 8),
                 MulDiv(rect.width, units.x, 4), MulDiv(rect.height, units.y, 8));
}

Dialog::Dialog(int templateId, QWidget *owner) : QDialog(owner), client_(new QWidget(this)) {
    const res::DialogTemplate *dialog = res::FindDialog(templateId);
    if (!dialog) qFatal("No dialog template %d", templateId);

    Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (dialog->style & res::kMinMaxBoxes) flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    setWindowTitle(WideText(dialog->caption));

    // The template's shell font stands for the system's user-interface font.
    QFont font = QGuiApplication::font();
    font.setPointSize(dialog->fontPoints);
    setFont(font);
    units_ = BaseUnitsOf(font);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    client_->setMouseTracking(true);
    client_->installEventFilter(this);

    std::vector<QWidget *> created;
    for (const res::Control &control : dialog->controls) {
        QWidget *widget = createControl(control);
        // An opaque control repaints alone, as a child window does: the dialog's own paint
        // handling runs for the dialog's surface, never for a control's repaint.
        widget->setAutoFillBackground(true);
        QRect place = DialogUnitsToPixels(control.rect, units_);
        // A combo box's template height is that of its dropped-down list.
        if (control.kind == res::Kind::ComboBox) place.setHeight(widget->sizeHint().height());
        widget->setGeometry(place);
        placements_.push_back({widget, place, control.anchor});
        if (control.id != res::kNoId) controls_.insert(control.id, widget);
        if (!control.name.empty()) SetAccessibleName(widget, WideText(control.name));
        created.push_back(widget);
    }
    for (size_t i = 0; i < created.size(); ++i) {
        QWidget *input = control(dialog->controls[i].buddy);
        auto *label = qobject_cast<QLabel *>(created[i]);
        if (!input || !label) continue;
        label->setBuddy(input);
        SetAccessibleName(input, label->text());
    }

    const QSize size = DialogUnitsToPixels({0, 0, dialog->width, dialog->height}, units_).size();
    templateSize_ = size;
    if (dialog->style & res::kResizable) {
        client_->setMinimumSize(size);
        resize(size);
    } else {
        client_->setFixedSize(size);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        // Settle the fixed size now rather than at the first show: a hidden window is placed by
        // its size.
        layout->activate();
    }
}

QWidget *Dialog::createControl(const res::Control &control) {
    const int id = control.id;
    const QString text = WideText(control.text);
    switch (control.kind) {
    case res::Kind::Static: {
        auto *label = new QLabel(text, client_);
        // Window text is never markup, whatever it holds.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case res::Kind::Edit:
        return new QLineEdit(client_);
    case res::Kind::TextArea: {
        auto *area = new QPlainTextEdit(client_);
        area->setLineWrapMode((control.style & res::kNoWrap) ? QPlainTextEdit::NoWrap
                                                             : QPlainTextEdit::WidgetWidth);
        area->setTabChangesFocus(true);
        return area;
    }
    case res::Kind::Button:
    case res::Kind::CheckBox: {
        QAbstractButton *button = nullptr;
        if (control.kind == res::Kind::Button) {
            auto *push = new QPushButton(text, client_);
            // Enter goes to the window, not to whichever button Qt would make the default.
            push->setAutoDefault(false);
            button = push;
        } else {
            button = new QCheckBox(text, client_);
        }
        if (id != res::kNoId) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { onCommand(id); });
        }
        return button;
    }
    case res::Kind::ComboBox: {
        auto *combo = new ComboBox((control.style & res::kSorted) != 0, client_);
        for (std::u16string_view item : control.items) {
            combo->addString(WideText(item));
        }
        // The items are choices, not a text: the edit field starts empty.
        combo->setCurrentIndex(-1);
        return combo;
    }
    case res::Kind::List: {
        auto *list = new ReportList(client_);
        connect(list, &ReportList::listClicked, this, [this, id] { onListClick(id); });
        connect(list, &ReportList::keyDown, this,
                [this, id](int key, bool *handled) { *handled = onListKeyDown(id, key); });
        return list;
    }
    }
    qFatal("Unknown control kind");
}

void Dialog::layoutControls() {
    // Never smaller than the template: the minimum size holds that, but a window not yet shown
    // may still be asked for less.
    const int dx = std::max(client_->width() - templateSize_.width(), 0);
    const int dy = std::max(client_->height() - templateSize_.height(), 0);
    auto follow = [](unsigned anchor, unsigned low, unsigned high, int grow, int &pos, int &size) {
        if ((anchor & high) == 0) return;
        if (anchor & low)
            size += grow;
        else
            pos += grow;
    };
    for (const Placement &placement : placements_) {
        const QRect &place = placement.rect;
        int x = place.x(), y = place.y(), width = place.width(), height = place.height();
        follow(placement.anchor, res::kAnchorLeft, res::kAnchorRight, dx, x, width);
        follow(placement.anchor, res::kAnchorTop, res::kAnchorBottom, dy, y, height);
        placement.widget->setGeometry(x, y, width, height);
    }
}

QWidget *Dialog::control(int id) const { return controls_.value(id, nullptr); }

QMenuBar *Dialog::attachMenu(int menuId) {
    const res::Menu *menu = res::FindMenu(menuId);
    if (!menu) qFatal("No menu %d", menuId);
    auto *bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    for (const res::Popup &popup : menu->popups) {
        QMenu *items = bar->addMenu(WideText(popup.text));
        for (const res::MenuItem &item : popup.items) {
            const int command = item.command;
            QAction *action = items->addAction(WideText(item.text));
            actions_.insert(command, action);
            action->setShortcut(
                QKeySequence(WideText(res::Accelerator(command)), QKeySequence::PortableText));
            connect(action, &QAction::triggered, this, [this, command] { onCommand(command); });
        }
    }
    layout()->setMenuBar(bar);
    resize(width(), height() + bar->sizeHint().height());
    return bar;
}

bool Dialog::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) onActivate();
    return QDialog::event(event);
}

bool Dialog::eventFilter(QObject *watched, QEvent *event) {
    if (watched == client_ && event->type() == QEvent::Resize) layoutControls();
    if (watched == client_ && event->type() == QEvent::MouseMove) {
        const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!client_->childAt(pos)) onMouseMove(pos);
    }
    return QDialog::eventFilter(watched, event);
}

void Dialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    // Only the program's own show and hide; the window system's (minimising) do not count.
    if (!event->spontaneous()) onShowOrHide(true);
}

void Dialog::hideEvent(QHideEvent *event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) onShowOrHide(false);
}

void Dialog::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Cancel)) {
        if (onEscape()) return;
    } else if (IsEnterKey(event) && onEnter()) {
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace platform
