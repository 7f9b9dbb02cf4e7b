#include "RemoteServer.h"

#include "CallLog.h"
#include "FaultPlan.h"
#include "ProtocolConnection.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Connections taken per turn of the event loop; the others stay queued for any worker.
constexpr int AcceptBatch = 4;
constexpr int ResumeAfterMs = 100;

} // namespace

RemoteServer::RemoteServer(int listenDescriptor, CallExecutor& executor, FaultPlan& faults,
                           int idleTimeoutMs)
    : m_listenDescriptor(listenDescriptor),
      m_notifier(listenDescriptor, QSocketNotifier::Read), m_executor(executor),
      m_faults(faults), m_idleTimeoutMs(idleTimeoutMs)
{
    m_resume.setSingleShot(true);
    m_resume.setInterval(ResumeAfterMs);
    connect(&m_notifier, &QSocketNotifier::activated, this, &RemoteServer::acceptSome);
    connect(&m_resume, &QTimer::timeout, this, [this] { m_notifier.setEnabled(true); });
}

RemoteServer::~RemoteServer()
{
    m_notifier.setEnabled(false);
    ::close(m_listenDescriptor);
}

void RemoteServer::acceptSome()
{
    for (int i = 0; i < AcceptBatch; ++i) {
        const int fd = ::accept4(m_listenDescriptor, nullptr, nullptr,
                                 SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            // Nothing waiting (another worker was quicker), or the client gave up already.
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != ECONNABORTED &&
                errno != EINTR)
                pauseAccepting(errno);
            return;
        }
        if (m_faults.takeRefusal()) {
            ::close(fd);
            CallLog::note(QStringLiteral("connection refused (fault)"));
            continue;
        }
        new ProtocolConnection(fd, m_executor, m_faults, m_idleTimeoutMs, this);
    }
}

void RemoteServer::pauseAccepting(int error)
{
    CallLog::note(QStringLiteral("accept failed, paused for %1 ms: %2")
                      .arg(ResumeAfterMs)
                      .arg(QString::fromLocal8Bit(std::strerror(error))));
    m_notifier.setEnabled(false);
    m_resume.start();
}
