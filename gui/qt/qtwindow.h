#pragma once
// A gui::Dialog drawn with Qt: a QDialog whose controls are made from the template, delivering
// the window's events to the dialog's hooks.

#include "gui/backend.h"
#include "gui/layout.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <memory>
#include <vector>

class QAction;
class QFont;
class QMenu;

namespace gui::qt {

class Window;

class QtDialogPeer : public DialogPeer {
public:
    QtDialogPeer(Dialog &dialog, const res::DialogTemplate &dialogTemplate, Dialog *owner);
    ~QtDialogPeer() override;

    Control *control(int id) const override;
    void show() override;
    void hide() override;
    void showNormal() override;
    void showMaximized() override;
    bool isVisible() const override;
    void move(int x, int y) override;
    Size frameSize() const override;
    void setCaption(const std::u16string &caption) override;
    std::u16string caption() const override;
    bool exec() override;
    void done(bool accepted) override;
    void attachMenu(const res::Menu &menu) override;
    void retext() override;
    void setMenuItem(int command, const std::u16string &text, bool enabled) override;
    void setSubmenu(int command, const std::vector<std::u16string> &items,
                    std::function<void(size_t index)> chosen) override;

    Window *window() const { return window_; }
    // The menu item of `command`; nullptr when the window has no such item.
    QAction *menuAction(int command) const { return actions_.value(command); }

private:
    QPointer<Window> window_;
    QHash<int, QAction *> actions_;
    const res::Menu *menu_ = nullptr;
    std::vector<QMenu *> popups_;
};

// The QDialog of a peer.
class Window : public QDialog {
    Q_OBJECT

public:
    Window(Dialog &dialog, const res::DialogTemplate &dialogTemplate, QWidget *owner);

    Dialog &dialog() const { return dialog_; }
    Control *control(int id) const;
    QWidget *widget(int id) const;
    BaseUnits baseUnits() const { return units_; }
    // The template's texts again, in the current language.
    void retext();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QWidget *createControl(const res::Control &control);
    // The names assistive tools read: a control's own, or its label's text.
    void nameControls();
    // Places every control for the client area's size from its template place and anchor.
    void layoutControls();

    struct Placement {
        QWidget *widget;
        Rect place;
        unsigned anchor;
    };

    Dialog &dialog_;
    const res::DialogTemplate &dialogTemplate_;
    // The area below the menu that holds the controls, as the client area of the template.
    QWidget *client_;
    BaseUnits units_;
    QHash<int, QWidget *> widgets_;
    std::vector<std::unique_ptr<Control>> handles_;
    QHash<int, Control *> controls_;
    std::vector<Placement> placements_;
    QSize templateSize_;
};

// The base units of a font (see gui::BaseUnits).
BaseUnits BaseUnitsOf(const QFont &font);

// The QDialog of a window and the widget of its control `id` (nullptr when it has none), for
// the backend's own parts and tests.
Window *WindowOf(const Dialog &dialog);
QWidget *WidgetOf(const Dialog &dialog, int id);
template <class T> T *WidgetOf(const Dialog &dialog, int id) {
    return qobject_cast<T *>(WidgetOf(dialog, id));
}

} // namespace gui::qt
