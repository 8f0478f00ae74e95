#include "savefile.h"

#include <QDir>
#include <QSaveFile>

#include "u_public.h"

namespace vostrel {

void SaveAnsiText(const QString &path, std::string_view bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw TAppError(FormatMessage(msg::kCannotCreate, ToAnsi(QDir::toNativeSeparators(path))));

    // A short write alone does not make commit() fail: it would put a cut-off
    // file in place. Check the count and throw the temporary file away.
    const qint64 size = static_cast<qint64>(bytes.size());
    if (size > 0 && file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        throw TAppError(std::string(msg::kWriteError));
    }
    // commit() flushes what is still buffered, so a full disk can show up here.
    if (!file.commit())
        throw TAppError(std::string(msg::kWriteError));
}

}  // namespace vostrel
