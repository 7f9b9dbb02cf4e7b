#include "BrowserPaths.h"

#include "WorkstationIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>

namespace {

QStringList chromeCandidates()
{
    return {
        QStringLiteral("C:\\Program Files (x86)\\Google\\Chrome\\Application\\chrome.exe"),
        QStringLiteral("C:\\Program Files (x86)\\Google\\Application\\chrome.exe"),
        QStringLiteral("C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe"),
        QStringLiteral("C:\\Program Files\\Google\\Chrome\\chrome.exe"),
        QStringLiteral("C:\\Users\\") + KullaniciAdiAl() +
            QStringLiteral("\\AppData\\Local\\Google\\Chrome\\Application\\chrome.exe"),
    };
}

/// The high word of the fixed file version's most significant half; 0 without a version.
int majorFileVersion(const QString& path)
{
    const auto* name = reinterpret_cast<LPCWSTR>(path.utf16());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(name, &handle);
    if (size == 0)
        return 0;
    QByteArray data(static_cast<qsizetype>(size), '\0');
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(name, 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        length < sizeof(VS_FIXEDFILEINFO))
        return 0;
    return HIWORD(info->dwFileVersionMS);
}

} // namespace

int IEVersiyonu()
{
    for (const QString& path :
         {QStringLiteral("C:\\Program Files (x86)\\Internet Explorer\\IEXPLORE.EXE"),
          QStringLiteral("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE")}) {
        if (QFileInfo::exists(path))
            return majorFileVersion(path);
    }
    return 0;
}

#else

namespace {

QStringList chromeCandidates()
{
    return {
        QStringLiteral("/usr/bin/google-chrome"),
        QStringLiteral("/usr/bin/google-chrome-stable"),
        QStringLiteral("/opt/google/chrome/chrome"),
        QStringLiteral("/usr/bin/chromium"),
        QStringLiteral("/usr/bin/chromium-browser"),
        QStringLiteral("/snap/bin/chromium"),
        QDir::homePath() + QStringLiteral("/.local/bin/google-chrome"),
    };
}

} // namespace

int IEVersiyonu()
{
    return 0;
}

#endif

QString ChromeYoluBul()
{
    for (const QString& path : chromeCandidates()) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
