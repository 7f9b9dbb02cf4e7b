#include "ServerApp.h"

#include "CallLog.h"
#include "DemoSeeder.h"
#include "HttpServer.h"
#include "ListenSockets.h"
#include "ServerError.h"
#include "WebSite.h"
#include "WorkerThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

/// SIGTERM and SIGINT end the event loop through a pipe, which is safe in a handler.
void quitOnSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read,
                                         QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void fail(const QString& text)
{
    std::fprintf(stderr, "otokorvel-server: %s\n", qPrintable(text));
}

} // namespace

ServerApp::ServerApp(ServerOptions options, FaultPlan faults)
    : m_options(std::move(options)), m_faults(std::move(faults))
{
}

ServerApp::~ServerApp()
{
    stop();
}

DatabaseSettings ServerApp::databaseSettings() const
{
    return {m_options.databasePath, m_options.postgres};
}

bool ServerApp::prepareDatabase()
{
    try {
        m_db = std::make_unique<Database>(databaseSettings(), QStringLiteral("main"));
        if (!m_db->hasTable(QStringLiteral("KULLANICI"))) {
            QElapsedTimer timer;
            timer.start();
            DemoSeeder(*m_db, m_options.seedStock).run();
            m_db->execDirect(m_db->dialect().afterLoadStatement());
            CallLog::note(QStringLiteral("seeded demo data: %1 stock items in %2 ms")
                              .arg(m_options.seedStock)
                              .arg(timer.elapsed()));
        }
        return true;
    } catch (const ServerError& e) {
        fail(e.text());
        return false;
    }
}

int ServerApp::run()
{
    if (!prepareDatabase())
        return 1;
    const QStringList& cmd = m_options.command;
    if (cmd.isEmpty())
        return serve();
    if (cmd.first() == u"bind-workstation" && cmd.size() == 3)
        return bindWorkstation(cmd[1], cmd[2]);
    fail(QStringLiteral("unknown command '%1'\n%2").arg(cmd.join(u' '), ServerOptions::usage()));
    return 2;
}

int ServerApp::bindWorkstation(const QString& id, const QString& userName)
{
    try {
        SqlStatement user = m_db->query(QStringLiteral("SELECT SIRANO FROM KULLANICI WHERE ADI = ?"),
                                        {userName});
        if (!user.next()) {
            fail(QStringLiteral("no user named '%1'").arg(userName));
            return 1;
        }
        const int userNo = user.toInt(0);
        m_db->writeTransaction([&] {
            m_db->exec(QStringLiteral("DELETE FROM ISTASYON WHERE BILGISAYARID = ?"), {id});
            m_db->exec(QStringLiteral("INSERT INTO ISTASYON (BILGISAYARID, KULLANICINO) VALUES (?, ?)"),
                       {id, userNo});
        });
        std::printf("workstation %s bound to %s\n", qPrintable(id), qPrintable(userName));
        return 0;
    } catch (const ServerError& e) {
        fail(e.text());
        return 1;
    }
}

int ServerApp::serve()
{
    ListenSockets sockets;
    QString error;
    if (!sockets.open(m_options.listenAddress, m_options.port, m_options.workerThreads, error)) {
        fail(QStringLiteral("port %1: %2").arg(m_options.port).arg(error));
        return 1;
    }
    for (int i = 0; i < m_options.workerThreads; ++i) {
        auto worker = std::make_unique<WorkerThread>(databaseSettings(), m_faults, i,
                                                     m_options.clientVersion,
                                                     m_options.idleTimeoutMs,
                                                     sockets.take(i));
        if (!worker->startServing()) {
            fail(worker->error());
            return 1;
        }
        m_workers.push_back(std::move(worker));
    }
    const QHostAddress address = m_options.listenAddress.isEmpty()
                                     ? QHostAddress(QHostAddress::Any)
                                     : QHostAddress(m_options.listenAddress);
    m_site = std::make_unique<WebSite>(*m_db, m_options.installerPath);
    m_http = std::make_unique<HttpServer>(*m_site);
    if (!m_http->listen(address, quint16(m_options.httpPort))) {
        fail(QStringLiteral("http port %1: %2").arg(m_options.httpPort).arg(m_http->errorString()));
        return 1;
    }
    quitOnSignals();
    std::printf("port=%d http-port=%d\n", sockets.port(), m_http->serverPort());
    std::fflush(stdout);
    CallLog::note(QStringLiteral("listening: remote methods on %1, web on %2, %3 workers, "
                                 "idle time-out %4 ms")
                      .arg(sockets.port())
                      .arg(m_http->serverPort())
                      .arg(m_workers.size())
                      .arg(m_options.idleTimeoutMs));
    const int code = QCoreApplication::exec();
    stop();
    CallLog::note(QStringLiteral("stopped"));
    return code;
}

void ServerApp::stop()
{
    if (m_http)
        m_http->close();
    for (auto& w : m_workers) {
        w->quit();
        w->wait();
    }
    m_workers.clear();
    m_http.reset();
    m_site.reset();
}
