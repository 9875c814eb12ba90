#include "platform/qtseams.h"

#include "platform/reportview.h"
#include "platform/seams.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

QMessageBox::StandardButtons QtButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::SaveCancel:
        return QMessageBox::Save | QMessageBox::Cancel;
    case Buttons::Close:
        return QMessageBox::Close;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (its close box or Escape) gives the answer of its escape
// button; Qt picks that for each button set.
Answer AnswerOf(int result) {
    switch (result) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Save:
        return Answer::Save;
    default:
        return Answer::Cancel;
    }
}

Answer ShowBox(const MessageBoxRequest &request, QWidget *mainWindow) {
    QWidget *parent = request.ownedByMainWindow ? mainWindow : QApplication::activeWindow();
    if (!parent) parent = mainWindow;
    if (request.scrollable) return ShowReportView(request, parent);
    QMessageBox box(request.icon == Icon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    QString::fromStdU16String(request.caption),
                    QString::fromStdU16String(request.text), QtButtons(request.buttons), parent);
    box.setTextFormat(Qt::PlainText);
    return AnswerOf(box.exec());
}

std::u16string AskFile(const std::u16string &filter) {
    const QString path = QFileDialog::getOpenFileName(nullptr, QStringLiteral("打开"), QString(),
                                                      QtFileFilter(filter));
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

bool InstallQtTranslation() {
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator)) {
        return true;
    }
    delete translator;
    return false;
}

void InstallQtSeams(QWidget *mainWindow) {
    QPointer<QWidget> main(mainWindow);
    SetMessageBoxHandler(
        [main](const MessageBoxRequest &request) { return ShowBox(request, main); });
    SetOpenFileHandler(AskFile);
    SetExitHandler(ExitNow);
}

} // namespace platform
