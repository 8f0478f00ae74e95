// Program-wide data and helpers of the window program.
#pragma once

#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>

#include "numfilter.h"

namespace vostrel {

// The candidate table, alive from start-up to exit and filled once by the
// main window when it is created.
extern TNumTable numtable;

// The title of the application, its window and every message box.
inline const QString kAppTitle = QStringLiteral("Vostrel");

// The text codec between the toolkit's Unicode strings and the GBK bytes the
// engine works on. A character GBK lacks becomes "?".
std::string ToAnsi(const QString &text);
QString FromAnsi(std::string_view bytes);

// An error raised inside a handler: ends the handler and is shown by the
// error display. The text is GBK, like every message of the engine.
class TAppError : public std::runtime_error {
public:
    explicit TAppError(const std::string &ansiText) : std::runtime_error(ansiText) {}
};

// The path of a per-user shell folder such as "Desktop", or an empty text.
// On Windows from the shell-folder registry key; elsewhere from the XDG user
// directories, and only when the folder exists.
QString GetShellFolder(const QString &name);

} // namespace vostrel
