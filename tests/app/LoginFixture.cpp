#include "LoginFixture.h"

#include <QDir>

LoginFixture::LoginFixture(const QStringList& serverArgs)
    : server(QStringList{QStringLiteral("--seed-stock"), QStringLiteral("50")} + serverArgs)
{
    qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    qputenv("XDG_DATA_HOME", configHome.filePath(QStringLiteral("data")).toUtf8());
    qputenv("OTOKORVEL_SERVER_HOST", "127.0.0.1");
    qputenv("OTOKORVEL_SERVER_PORT", QByteArray::number(server.port()));
    const QByteArray web = "http://127.0.0.1:" + QByteArray::number(server.httpPort()) + "/";
    qputenv("OTOKORVEL_WEB_BASE", web);
    qputenv("OTOKORVEL_DOWNLOAD_BASE", web);
    sources.m_computer = QStringLiteral("loginpc.example.com");
    sources.m_user = QStringLiteral("tester");
    sources.m_ip = QStringLiteral("10.1.2.3");
    sources.m_serials = {QStringLiteral(" login test1 ")};
}

LoginFixture::~LoginFixture()
{
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "OTOKORVEL_SERVER_HOST", "OTOKORVEL_SERVER_PORT",
          "OTOKORVEL_WEB_BASE", "OTOKORVEL_DOWNLOAD_BASE"})
        qunsetenv(name);
}

bool LoginFixture::bindTo(const QString& user)
{
    return server.runTool(
               {QStringLiteral("bind-workstation"), QString::fromLatin1(Identity), user}) == 0;
}

QString LoginFixture::settingsPath() const
{
    return QDir(configHome.path()).filePath(QStringLiteral("otokorvel/ayar.ini"));
}
