#include "u_public.h"

#include <QDir>
#include <QStandardPaths>

#include "ansicodec.h"

#ifdef Q_OS_WIN
#define NOMINMAX
#include <windows.h>
#endif

namespace vostrel {

TNumTable numtable;

namespace {

// Most field texts are plain digits and blanks, and a pasted results box can
// be megabytes long; plain ASCII needs no real conversion.
bool IsAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

std::string ToAnsi(const QString &text)
{
    if (IsAscii(text)) {
        const QByteArray latin = text.toLatin1();
        return std::string(latin.constData(), static_cast<std::size_t>(latin.size()));
    }
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToAnsi(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString FromAnsi(std::string_view bytes)
{
    const std::string utf8 = AnsiToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

#ifdef Q_OS_WIN

QString GetShellFolder(const QString &name)
{
    // Read access is all this needs; asking for more fails for restricted users.
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return {};
    struct TKeyCloser {
        HKEY key;
        ~TKeyCloser() { RegCloseKey(key); }
    } closer{key};

    const std::wstring valueName = name.toStdWString();
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size == 0)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw TAppError(FormatMessage(msg::kBadDataType, ToAnsi(name)));
    std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(data.data()),
                         &size) != ERROR_SUCCESS)
        return {};
    // The stored text need not end in NUL, and ends at the first one if it has any.
    return QString::fromWCharArray(data.c_str());
}

#else

QString GetShellFolder(const QString &name)
{
    QStandardPaths::StandardLocation location;
    if (name.compare(QLatin1String("Desktop"), Qt::CaseInsensitive) == 0)
        location = QStandardPaths::DesktopLocation;
    else if (name.compare(QLatin1String("Personal"), Qt::CaseInsensitive) == 0)
        location = QStandardPaths::DocumentsLocation;
    else
        return {};
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty() || !QDir(path).exists())
        return {};
    return path;
}

#endif

} // namespace vostrel
