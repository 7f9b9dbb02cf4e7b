#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// Command-line settings of the application server.
struct ServerOptions
{
    QString databasePath;       // SQLite file (--db)
    QString postgres;           // "host=… port=… dbname=… user=… password=…" (--pg)
    QString listenAddress;      // empty: every interface
    int port = 9090;
    int httpPort = 8080;
    int seedStock = 20000;
    int clientVersion = 9;
    int workerThreads = defaultWorkerThreads();
    int idleTimeoutMs = 30000;
    QString installerPath;
    QString webBase;            // base address used in pages; empty: derived from the request
    QStringList faults;
    QStringList command;        // positional arguments, e.g. bind-workstation ID USERNAME

    /// One worker per processor core (at least two): a worker serves many connections
    /// event-driven, and more threads than cores only make them take turns.
    static int defaultWorkerThreads();
    /// Parses the arguments (argv[0] included); on error returns nothing and sets `error`.
    static std::optional<ServerOptions> parse(const QStringList& arguments, QString& error);
    static QString usage();
};
