#include "savefile.h"

#include <QDir>
#include <QSaveFile>

#include "u_public.h"

namespace vostrel {

void SaveAnsiText(const QString &path, std::string_view bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that write() reports what the disk took: a buffered
    // QSaveFile flushes inside commit() and puts a cut-off file in place
    // without a word when that flush falls short.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw TAppError(FormatMessage(msg::kCannotCreate, ToAnsi(QDir::toNativeSeparators(path))));

    // A short write alone does not make commit() fail either: check the count
    // and throw the temporary file away.
    const qint64 size = static_cast<qint64>(bytes.size());
    if (size > 0 && file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        throw TAppError(std::string(msg::kWriteError));
    }
    if (!file.commit())
        throw TAppError(std::string(msg::kWriteError));
}

} // namespace vostrel
