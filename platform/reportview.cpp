#include "platform/reportview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

Answer ShowReportView(const MessageBoxRequest &request, QWidget *parent) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromStdU16String(request.caption));
    dialog.resize(720, 480);
    auto *layout = new QVBoxLayout(&dialog);
    auto *view = new QPlainTextEdit(QString::fromStdU16String(request.text), &dialog);
    view->setReadOnly(true);
    view->setAccessibleName(dialog.windowTitle());
    layout->addWidget(view);

    auto *buttons = new QDialogButtonBox(&dialog);
    const bool askSave = request.buttons == Buttons::SaveCancel;
    if (askSave) {
        buttons->addButton(QStringLiteral("保存"), QDialogButtonBox::AcceptRole);
        buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    } else {
        buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    // The first button takes Enter; Escape and the close box reject.
    buttons->buttons().constFirst()->setFocus();

    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (!askSave) return Answer::Ok;
    return accepted ? Answer::Save : Answer::Cancel;
}

} // namespace platform
