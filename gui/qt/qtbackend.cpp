#include "gui/qt/qtbackend.h"

#include "gui/qt/qtseams.h"
#include "gui/qt/qttext.h"
#include "gui/qt/qtwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QIcon>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace gui::qt {

namespace {

class QtTimer : public Timer {
public:
    explicit QtTimer(std::function<void()> timeout) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(timeout));
    }
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

class QtFileWatcher : public FileWatcher {
public:
    explicit QtFileWatcher(std::function<void()> changed) {
        QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_,
                         [changed = std::move(changed)] { changed(); });
    }
    void watch(const std::vector<std::u16string> &paths) override {
        if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
        for (const std::u16string &path : paths) {
            const QString file = Q(path);
            if (QFileInfo::exists(file)) watcher_.addPath(file);
        }
    }

private:
    QFileSystemWatcher watcher_;
};

// The program's icon, in the sizes the window system asks for.
QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vantaedit-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

std::unique_ptr<DialogPeer>
QtBackend::createDialog(Dialog &dialog, const res::DialogTemplate &dialogTemplate, Dialog *owner) {
    auto peer = std::make_unique<QtDialogPeer>(dialog, dialogTemplate, owner);
    if (!owner && !main_) main_ = peer->window();
    return peer;
}

Rect QtBackend::workArea() const {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

void QtBackend::post(std::function<void()> task) { QTimer::singleShot(0, qApp, std::move(task)); }

std::unique_ptr<Timer> QtBackend::createTimer(std::function<void()> timeout) {
    return std::make_unique<QtTimer>(std::move(timeout));
}

std::unique_ptr<FileWatcher> QtBackend::createFileWatcher(std::function<void()> changed) {
    return std::make_unique<QtFileWatcher>(std::move(changed));
}

void QtBackend::setOnApplicationActivated(std::function<void()> activated) {
    // In place of the one before, whose window may be gone.
    QObject::disconnect(activated_);
    if (!activated) return;
    activated_ = QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp,
                                  [activated = std::move(activated)](Qt::ApplicationState state) {
                                      if (state == Qt::ApplicationActive) activated();
                                  });
}

std::vector<std::u16string> QtBackend::readSetting(const std::u16string &key) {
    std::vector<std::u16string> values;
    for (const QString &value : QSettings().value(Q(key)).toStringList())
        values.push_back(U(value));
    return values;
}

void QtBackend::writeSetting(const std::u16string &key, const std::vector<std::u16string> &values) {
    QStringList list;
    for (const std::u16string &value : values)
        list.append(Q(value));
    QSettings().setValue(Q(key), list);
}

void QtBackend::languageChanged() { FollowLanguageInQt(); }

int Main(int argc, char **argv, const ProgramMain &program, Audience audience) {
    if (audience == Audience::Replay) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        QStandardPaths::setTestModeEnabled(true);
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("VantaEdit"));
    QApplication::setApplicationName(QStringLiteral("VantaEdit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantaedit.VantaEdit"));
    // Without it the standard buttons read Yes and No in Chinese too; nothing else depends on it.
    FollowLanguageInQt();
    QApplication::setWindowIcon(AppIcon());
    QtBackend backend;
    SetBackend(&backend);
    InstallQtSeams([&backend] { return backend.mainWindow(); });
    std::vector<std::u16string> arguments;
    for (const QString &argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(U(argument));
    const int status = program(arguments);
    SetBackend(nullptr);
    return status;
}

} // namespace gui::qt
