#pragma once
// A window built from a dialog template of res/: its controls are created at their places in
// dialog units and reached by id, and the window events arrive as virtual hooks.

#include "res/resources.h"

#include <QDialog>
#include <QHash>
#include <vector>

class QAction;
class QFont;
class QMenuBar;

namespace platform {

// The font's base units: the average width of a Latin letter and the character height, in
// pixels. A dialog unit is a quarter of the first horizontally and an eighth of the second
// vertically.
struct BaseUnits {
    int x = 0;
    int y = 0;
};
BaseUnits BaseUnitsOf(const QFont &font);
QRect DialogUnitsToPixels(const res::Rect &rect, BaseUnits units);

class Dialog : public QDialog {
    Q_OBJECT

public:
    // Builds the window from template `templateId` (which must exist). With an owner the window
    // stays above it and has no taskbar button of its own.
    explicit Dialog(int templateId, QWidget *owner = nullptr);

    // The control with this id; nullptr when there is none (or it is not a T).
    QWidget *control(int id) const;
    template <class T> T *control(int id) const { return qobject_cast<T *>(control(id)); }

    BaseUnits baseUnits() const { return units_; }

    // Puts menu `menuId` above the controls; each item sends its command to onCommand.
    QMenuBar *attachMenu(int menuId);
    // The menu item of `command`; nullptr when the attached menu has none.
    QAction *menuAction(int command) const { return actions_.value(command); }

protected:
    // The window was shown (true) or hidden (false) by the program.
    virtual void onShowOrHide(bool /*shown*/) {}
    // The mouse moved over the window's own surface, not over one of its controls.
    virtual void onMouseMove(QPoint /*pos*/) {}
    // The window became the active window.
    virtual void onActivate() {}
    // Enter or Escape pressed in the window and not taken by a control. Return true when handled;
    // false leaves the key to the dialog's own handling (Escape hides the window).
    virtual bool onEnter() { return false; }
    virtual bool onEscape() { return false; }
    // A button or check box was clicked, or a menu item chosen; `id` is its id or command.
    virtual void onCommand(int /*id*/) {}
    // Notifications of the report list `listId` (see ReportList). onListKeyDown runs before the
    // list moves its selection for the key; returning true keeps the list from doing so.
    virtual void onListClick(int /*listId*/) {}
    virtual bool onListKeyDown(int /*listId*/, int /*key*/) { return false; }

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *createControl(const res::Control &control);
    // Places every control for the client area's size from its template place and anchor.
    void layoutControls();

    // A control's place at the template's size and the window edges it follows.
    struct Placement {
        QWidget *widget;
        QRect rect;
        unsigned anchor;
    };

    // The area below the menu that holds the controls, as the client area of the template.
    QWidget *client_;
    BaseUnits units_;
    QHash<int, QWidget *> controls_;
    QHash<int, QAction *> actions_;
    std::vector<Placement> placements_;
    QSize templateSize_;
};

} // namespace platform
