#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

/// A real application server process on free loopback ports with a temporary database,
/// for end-to-end tests. The server binary comes from the OTOKORVEL_SERVER_BIN environment
/// variable that CTest sets.
class TestServer
{
public:
    /// Starts the server with `extraArgs` (for example "--fault", "..."); on failure
    /// `error()` says why and `port()` is 0.
    explicit TestServer(const QStringList& extraArgs = {});
    ~TestServer();

    bool started() const { return m_port != 0; }
    int port() const { return m_port; }
    int httpPort() const { return m_httpPort; }
    QString databasePath() const;
    QString error() const { return m_error; }
    /// Everything the server wrote to stderr so far (one log line per call).
    QByteArray log();
    /// Runs the server program once with `args` on the same database (e.g. bind-workstation);
    /// returns its exit code.
    int runTool(const QStringList& args);
    static QString binary();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    int m_httpPort = 0;
    QString m_error;
};
