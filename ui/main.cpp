// The window program: the application, its one window, the event loop.
#include <QApplication>

#include <csignal>

#include "u_main.h"
#include "u_public.h"

int main(int argc, char *argv[])
{
#ifdef SIGXFSZ
    // Past a file-size limit a save must fail with an error box, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication application(argc, argv);
    QApplication::setApplicationName(vostrel::kAppTitle);
    QApplication::setApplicationDisplayName(vostrel::kAppTitle);
    // Ties the window to its menu entry and icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vostrel.Vostrel"));

    vostrel::Tfrmmain frmmain;
    frmmain.show();
    return QApplication::exec();
}
