#include "ServerOptions.h"

#include <QCommandLineParser>
#include <QThread>
#include <algorithm>

namespace {

struct IntOption
{
    const char* name;
    int ServerOptions::*field;
    int minimum;
    int maximum;
};

const IntOption intOptions[] = {
    {"port", &ServerOptions::port, 0, 65535},
    {"http-port", &ServerOptions::httpPort, 0, 65535},
    {"seed-stock", &ServerOptions::seedStock, 0, 1000000},
    {"client-version", &ServerOptions::clientVersion, 0, 1000000},
    {"threads", &ServerOptions::workerThreads, 1, 64},
    {"idle-timeout", &ServerOptions::idleTimeoutMs, 100, 3600000},
};

void addOptions(QCommandLineParser& p)
{
    p.addOption({QStringLiteral("db"), QStringLiteral("SQLite database file."), "path"});
    p.addOption({QStringLiteral("pg"), QStringLiteral("PostgreSQL connection instead of SQLite."),
                 "conninfo"});
    p.addOption({QStringLiteral("listen"), QStringLiteral("Address to listen on."), "address"});
    p.addOption({QStringLiteral("port"), QStringLiteral("Remote-method port (0: free port)."), "n"});
    p.addOption({QStringLiteral("http-port"), QStringLiteral("Web port (0: free port)."), "n"});
    p.addOption({QStringLiteral("seed-stock"), QStringLiteral("Stock items of a new database."),
                 "n"});
    p.addOption({QStringLiteral("client-version"),
                 QStringLiteral("Client version the server expects."), "n"});
    p.addOption({QStringLiteral("threads"), QStringLiteral("Worker threads."), "n"});
    p.addOption({QStringLiteral("idle-timeout"),
                 QStringLiteral("Milliseconds an idle connection stays open."), "ms"});
    p.addOption({QStringLiteral("installer"), QStringLiteral("File served as the installer."),
                 "path"});
    p.addOption({QStringLiteral("web-base"), QStringLiteral("Base address of the web pages."),
                 "url"});
    p.addOption({QStringLiteral("fault"), QStringLiteral("Fault to inject (repeatable)."), "spec"});
}

} // namespace

int ServerOptions::defaultWorkerThreads()
{
    return std::clamp(QThread::idealThreadCount(), 2, 64);
}

QString ServerOptions::usage()
{
    return QStringLiteral(
        "usage: otokorvel-server --db PATH [--port P] [--http-port Q] [--seed-stock N]\n"
        "                        [--client-version N] [--threads N] [--idle-timeout MS]\n"
        "                        [--installer PATH] [--web-base URL] [--fault SPEC]...\n"
        "       otokorvel-server --db PATH bind-workstation ID USERNAME\n");
}

std::optional<ServerOptions> ServerOptions::parse(const QStringList& arguments, QString& error)
{
    QCommandLineParser p;
    addOptions(p);
    if (!p.parse(arguments)) {
        error = p.errorText();
        return std::nullopt;
    }
    ServerOptions o;
    o.databasePath = p.value(QStringLiteral("db"));
    o.postgres = p.value(QStringLiteral("pg"));
    o.listenAddress = p.value(QStringLiteral("listen"));
    o.installerPath = p.value(QStringLiteral("installer"));
    o.webBase = p.value(QStringLiteral("web-base"));
    o.faults = p.values(QStringLiteral("fault"));
    o.command = p.positionalArguments();
    for (const auto& opt : intOptions) {
        const QString name = QString::fromLatin1(opt.name);
        if (!p.isSet(name))
            continue;
        bool ok = false;
        const int v = p.value(name).toInt(&ok);
        if (!ok || v < opt.minimum || v > opt.maximum) {
            error = QStringLiteral("--%1: expected a number from %2 to %3")
                        .arg(name).arg(opt.minimum).arg(opt.maximum);
            return std::nullopt;
        }
        o.*opt.field = v;
    }
    if (o.databasePath.isEmpty() && o.postgres.isEmpty()) {
        error = QStringLiteral("--db PATH (or --pg CONNINFO) is required");
        return std::nullopt;
    }
    return o;
}
