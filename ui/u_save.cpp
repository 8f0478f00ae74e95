// The Save command of the main window.
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>

#include "messages.h"
#include "savefile.h"
#include "u_main.h"
#include "u_public.h"

namespace vostrel {

QString Tfrmmain::ExecuteSaveDialog()
{
    // Every Save starts from a fresh dialog, so nothing chosen the time before
    // (folder, typed name, view) carries over; Qt's own dialog keeps a typed
    // name even through selectFile("").
    delete savedlg;
    savedlg = new QFileDialog(this);
    savedlg->setObjectName(QStringLiteral("savedlg"));
    savedlg->setAcceptMode(QFileDialog::AcceptSave);
    savedlg->setFileMode(QFileDialog::AnyFile);
    savedlg->setOption(QFileDialog::DontConfirmOverwrite, true);
    savedlg->setNameFilter(QStringLiteral("文本文件(*.txt)"));
    savedlg->selectNameFilter(QStringLiteral("文本文件(*.txt)"));
    savedlg->setDefaultSuffix(QStringLiteral("txt"));
    const QString desktop = GetShellFolder(QStringLiteral("Desktop"));
    savedlg->setDirectory(desktop.isEmpty() ? QDir::currentPath() : desktop);

    if (savedlg->exec() != QDialog::Accepted || savedlg->selectedFiles().isEmpty())
        return {};
    return savedlg->selectedFiles().constFirst();
}

void Tfrmmain::btnsaveClick()
{
    const QString path = ExecuteSaveDialog();
    if (path.isEmpty())
        return;
    SaveAnsiText(path, ToAnsi(BoxText()));
    ShowMessage(this, msg::kSaved);
}

} // namespace vostrel
