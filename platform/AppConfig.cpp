#include "AppConfig.h"

#include "BuildConfig.h"

namespace {

QString setting(const char* name, const char* buildValue)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromUtf8(buildValue) : value;
}

/// Page paths are appended directly to a base address, so it must end with a slash.
QString baseAddress(const char* name, const char* buildValue)
{
    QString base = setting(name, buildValue);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

} // namespace

QString AppConfig::serverHost()
{
    return setting("OTOKORVEL_SERVER_HOST", OTOKORVEL_BUILD_SERVER_HOST);
}

QString AppConfig::serverPort()
{
    return setting("OTOKORVEL_SERVER_PORT", OTOKORVEL_BUILD_SERVER_PORT);
}

QString AppConfig::webBase()
{
    return baseAddress("OTOKORVEL_WEB_BASE", OTOKORVEL_BUILD_WEB_BASE);
}

QString AppConfig::downloadBase()
{
    return baseAddress("OTOKORVEL_DOWNLOAD_BASE", OTOKORVEL_BUILD_DOWNLOAD_BASE);
}
