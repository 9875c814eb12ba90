#include "gui/qt/qtdriver.h"

#include "gui/qt/qtcontrols.h"
#include "gui/qt/qttext.h"
#include "gui/qt/qtwindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QTest>
#include <stdexcept>

namespace gui::qt {

namespace {

QWidget *Required(Dialog &window, int id) {
    QWidget *widget = WidgetOf(window, id);
    if (!widget) throw std::invalid_argument("no control " + std::to_string(id));
    return widget;
}

// Where the focus goes when the user types into a control: a combo box's edit field.
QWidget *TypingTarget(QWidget *widget) {
    if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
        return combo->lineEdit();
    return widget;
}

} // namespace

void QtDriver::clickRow(Dialog &window, int listId, int row, bool ctrl) {
    auto *list = qobject_cast<ReportView *>(Required(window, listId));
    if (!list || row < 0 || row >= list->model()->rowCount())
        throw std::invalid_argument("no row " + std::to_string(row));
    const QModelIndex index = list->model()->index(row, 0);
    // A user scrolls the row into sight before clicking it.
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, ctrl ? Qt::ControlModifier : Qt::NoModifier,
                      list->visualRect(index).center());
}

void QtDriver::pressKey(Dialog &window, int controlId, const std::u16string &keys) {
    const QKeySequence sequence(Q(keys), QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].key() == Qt::Key_unknown)
        throw std::invalid_argument("no such key: " + QString(Q(keys)).toStdString());
    QWidget *target = controlId == res::kNoId ? nullptr : Required(window, controlId);
    if (!target) {
        Window *surface = WindowOf(window);
        target = surface->focusWidget() ? surface->focusWidget() : surface;
    }
    QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
}

void QtDriver::moveOverSurface(Dialog &window) {
    // The controls' parent is the window's surface; the event goes straight to it, as the
    // offscreen screen would hand a pointer position to whichever window it finds first.
    QWidget *surface = nullptr;
    for (QWidget *child : WindowOf(window)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (child->hasMouseTracking()) surface = child;
    if (!surface) throw std::logic_error("no surface");
    for (int y = surface->height() - 2; y > 0; y -= 3) {
        for (int x = surface->width() - 2; x > 0; x -= 3) {
            if (surface->childAt(x, y)) continue;
            QMouseEvent move(QEvent::MouseMove, QPointF(x, y), surface->mapToGlobal(QPointF(x, y)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
            return;
        }
    }
    throw std::logic_error("no bare spot on the window's surface");
}

void QtDriver::click(Dialog &window, int controlId) {
    QWidget *widget = Required(window, controlId);
    QPoint at = widget->rect().center();
    // A check box takes a click on its box or its text, not on the blank rest of its place.
    if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void QtDriver::type(Dialog &window, int controlId, const std::u16string &text) {
    QWidget *target = TypingTarget(Required(window, controlId));
    target->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    const QString typed = Q(text);
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i] == QLatin1Char('\n')) {
            QTest::keyClick(target, Qt::Key_Return);
            continue;
        }
        // One character at a time, a surrogate pair as one: what an input method commits.
        const qsizetype length = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, typed.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

void QtDriver::choose(Dialog &window, int comboId, int index) {
    auto *combo = qobject_cast<QComboBox *>(Required(window, comboId));
    if (!combo || index < 0 || index >= combo->count())
        throw std::invalid_argument("no item " + std::to_string(index));
    combo->showPopup();
    QAbstractItemView *items = combo->view();
    const QModelIndex item = items->model()->index(index, 0);
    items->scrollTo(item);
    QTest::mouseClick(items->viewport(), Qt::LeftButton, Qt::NoModifier,
                      items->visualRect(item).center());
}

void QtDriver::command(Dialog &window, int command) {
    QAction *action = static_cast<QtDialogPeer &>(window.peer()).menuAction(command);
    if (!action || !action->isEnabled())
        throw std::invalid_argument("no menu command " + std::to_string(command));
    action->trigger();
}

void QtDriver::settle() { QCoreApplication::processEvents(); }

} // namespace gui::qt
