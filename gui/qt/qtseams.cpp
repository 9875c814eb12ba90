#include "gui/qt/qtseams.h"

#include "gui/qt/qtreportview.h"
#include "gui/qt/qttext.h"
#include "platform/seams.h"
#include "res/text.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace gui::qt {

using namespace platform;

namespace {

// One button of a box: Qt's standard button (which gives its role, and the escape button of the
// set), the text it shows when not Qt's own, and what it answers.
struct BoxButton {
    QMessageBox::StandardButton button;
    const char *text; // a key of res/text.h
    Answer answer;
};

std::vector<BoxButton> ButtonsOf(Buttons buttons) {
    using B = QMessageBox;
    switch (buttons) {
    case Buttons::Ok:
        return {{B::Ok, nullptr, Answer::Ok}};
    case Buttons::YesNo:
        return {{B::Yes, nullptr, Answer::Yes}, {B::No, nullptr, Answer::No}};
    case Buttons::YesNoCancel:
        return {{B::Yes, nullptr, Answer::Yes},
                {B::No, nullptr, Answer::No},
                {B::Cancel, nullptr, Answer::Cancel}};
    case Buttons::SaveCancel:
        return {{B::Save, nullptr, Answer::Save}, {B::Cancel, nullptr, Answer::Cancel}};
    case Buttons::Close:
        return {{B::Close, nullptr, Answer::Ok}};
    case Buttons::SaveDiscardCancel:
        return {{B::Save, "button.save", Answer::Save},
                {B::Discard, "button.discard", Answer::Discard},
                {B::Cancel, "button.cancel", Answer::Cancel}};
    case Buttons::ReloadIgnore:
        return {{B::Yes, "button.reload", Answer::Reload},
                {B::No, "button.ignore", Answer::Ignore}};
    case Buttons::OverwriteCancel:
        return {{B::Yes, "button.overwrite", Answer::Overwrite},
                {B::Cancel, "button.cancel", Answer::Cancel}};
    case Buttons::RestoreDiscardLater:
        return {{B::Yes, "button.restore", Answer::Restore},
                {B::Discard, "button.discardRecovery", Answer::Discard},
                {B::Cancel, "button.later", Answer::Later}};
    }
    return {{B::Ok, nullptr, Answer::Ok}};
}

Answer ShowBox(const MessageBoxRequest &request, QWidget *mainWindow) {
    QWidget *parent = request.ownedByMainWindow ? mainWindow : QApplication::activeWindow();
    if (!parent) parent = mainWindow;
    if (request.scrollable) return ShowReportView(request, parent);
    const std::vector<BoxButton> offered = ButtonsOf(request.buttons);
    QMessageBox::StandardButtons standard;
    for (const BoxButton &choice : offered)
        standard |= choice.button;
    QMessageBox box(request.icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    QString::fromStdU16String(request.caption),
                    QString::fromStdU16String(request.text), standard, parent);
    box.setTextFormat(Qt::PlainText);
    for (const BoxButton &choice : offered)
        if (choice.text) box.button(choice.button)->setText(Q(res::Str(choice.text)));
    // A box closed without a button (its close box or Escape) gives the answer of its escape
    // button, which Qt picks for each set.
    const int result = box.exec();
    for (const BoxButton &choice : offered)
        if (result == choice.button) return choice.answer;
    return offered.back().answer;
}

std::u16string AskFile(const std::u16string &filter) {
    const QString path = QFileDialog::getOpenFileName(nullptr, Q(res::Str("dialog.open")),
                                                      QString(), QtFileFilter(filter));
    return QDir::toNativeSeparators(path).toStdU16String();
}

[[noreturn]] void ExitNow(int status) {
    // Leave at once: no window is closed, and no static object of Qt's is torn down while the
    // application object still lives.
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

QString QtFileFilter(const std::u16string &filter) {
    const QStringList parts = QString::fromStdU16String(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        // Qt reads the patterns from the parentheses at the end of the text it shows: a name
        // that already ends with them is shown as it is, not with the patterns twice.
        filters.append(parts[i].endsWith(shown) ? parts[i] : parts[i] + QLatin1Char(' ') + shown);
    }
    return filters.join(QStringLiteral(";;"));
}

bool FollowLanguageInQt() {
    static QTranslator *installed = nullptr;
    const bool chinese = res::CurrentLanguage() == res::Language::Chinese;
    if (installed && !chinese) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (installed || !chinese) return true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator)) {
        installed = translator;
        return true;
    }
    delete translator;
    return false;
}

void InstallQtSeams(std::function<QWidget *()> mainWindow) {
    SetMessageBoxHandler([mainWindow = std::move(mainWindow)](const MessageBoxRequest &request) {
        return ShowBox(request, mainWindow());
    });
    SetOpenFileHandler(AskFile);
    SetExitHandler(ExitNow);
}

} // namespace gui::qt
