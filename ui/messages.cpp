#include "messages.h"

#include <QMessageBox>

#include "u_public.h"

namespace vostrel {

namespace {

// Give the window back the keyboard once its box is gone: without a window
// manager (or with a lax one) nobody else does, and the handler that showed
// the box goes on to set the focus.
void ShowModal(QMessageBox &box, QWidget *parent)
{
    box.exec();
    if (parent)
        parent->activateWindow();
}

} // namespace

void ShowMessage(QWidget *parent, std::string_view ansiText)
{
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, FromAnsi(ansiText), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    ShowModal(box, parent);
}

void ShowError(QWidget *parent, std::string_view ansiText)
{
    QMessageBox box(QMessageBox::Critical, kAppTitle, FromAnsi(ErrorDisplayText(ansiText)), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    ShowModal(box, parent);
}

} // namespace vostrel
