#include "WorkerThread.h"

#include "CallExecutor.h"
#include "RemoteServer.h"
#include "ServerError.h"

#include <unistd.h>

WorkerThread::WorkerThread(const DatabaseSettings& settings, FaultPlan& faults, int index,
                           int clientVersion, int idleTimeoutMs, int listenDescriptor)
    : m_settings(settings), m_faults(faults), m_index(index), m_clientVersion(clientVersion),
      m_idleTimeoutMs(idleTimeoutMs), m_listenDescriptor(listenDescriptor)
{
}

bool WorkerThread::startServing()
{
    start();
    m_ready.acquire();
    if (!m_error.isEmpty()) {
        wait();
        return false;
    }
    return true;
}

void WorkerThread::run()
{
    std::unique_ptr<CallExecutor> executor;
    try {
        executor = std::make_unique<CallExecutor>(
            m_settings, QStringLiteral("worker%1").arg(m_index), m_faults, m_clientVersion);
    } catch (const ServerError& e) {
        ::close(m_listenDescriptor);
        m_error = e.text();
        m_ready.release();
        return;
    }
    // The server and its connections live on this thread and go with it.
    RemoteServer server(m_listenDescriptor, *executor, m_faults, m_idleTimeoutMs);
    m_ready.release();
    exec();
}
