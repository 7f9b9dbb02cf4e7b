#include "Folders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString userConfigFolder()
{
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
}

} // namespace

QString AyarKlasoru()
{
    // Without a configuration folder the settings go to the root of the current drive.
    const QString folder = userConfigFolder() + QStringLiteral("/otokorvel");
    QDir().mkpath(folder);
    return QDir::toNativeSeparators(folder);
}

QString localAppDataFolder()
{
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}
