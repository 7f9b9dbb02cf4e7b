#include "TestServer.h"

#include <QFile>
#include <QRegularExpression>

#include <csignal>
#include <sys/prctl.h>

QString TestServer::binary()
{
    return qEnvironmentVariable("OTOKORVEL_SERVER_BIN", QStringLiteral("otokorvel-server"));
}

TestServer::TestServer(const QStringList& extraArgs)
{
    QStringList args{QStringLiteral("--db"), databasePath(), QStringLiteral("--port"),
                     QStringLiteral("0"), QStringLiteral("--http-port"), QStringLiteral("0")};
    args += extraArgs;
    // The log goes to a file: an unread pipe would fill up and stall the server.
    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("server.log")));
    // A test program that crashes must not leave its server running.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process.start(binary(), args);
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return;
    }
    // The first line of stdout announces the ports once the server listens; seeding a new
    // database comes first, so allow for it.
    while (!m_process.canReadLine() && m_process.waitForReadyRead(60000)) {
    }
    const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
    static const QRegularExpression re(QStringLiteral("^port=(\\d+) http-port=(\\d+)$"));
    const auto match = re.match(line);
    if (!match.hasMatch()) {
        m_error = QStringLiteral("unexpected first line '%1'; stderr: %2")
                      .arg(line, QString::fromUtf8(log()));
        return;
    }
    m_port = match.captured(1).toInt();
    m_httpPort = match.captured(2).toInt();
}

TestServer::~TestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(10000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString TestServer::databasePath() const
{
    return m_dir.filePath(QStringLiteral("test.db"));
}

QByteArray TestServer::log()
{
    QFile file(m_dir.filePath(QStringLiteral("server.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int TestServer::runTool(const QStringList& args)
{
    QProcess tool;
    tool.start(binary(), QStringList{QStringLiteral("--db"), databasePath()} + args);
    tool.waitForFinished(60000);
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}
