#include "WorkerThread.h"

#include "CallExecutor.h"
#include "ProtocolConnection.h"
#include "ServerError.h"

WorkerThread::WorkerThread(const DatabaseSettings& settings, const FaultPlan& faults, int index,
                           int clientVersion, int idleTimeoutMs)
    : m_settings(settings), m_faults(faults), m_index(index), m_clientVersion(clientVersion),
      m_idleTimeoutMs(idleTimeoutMs)
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

void WorkerThread::post(qintptr descriptor)
{
    QMetaObject::invokeMethod(
        m_home,
        [this, descriptor] {
            new ProtocolConnection(descriptor, *m_executor, m_faults, m_idleTimeoutMs, m_home);
        },
        Qt::QueuedConnection);
}

void WorkerThread::run()
{
    std::unique_ptr<CallExecutor> executor;
    try {
        executor = std::make_unique<CallExecutor>(
            m_settings, QStringLiteral("worker%1").arg(m_index), m_faults, m_clientVersion);
    } catch (const ServerError& e) {
        m_error = e.text();
        m_ready.release();
        return;
    }
    QObject home; // parent of the thread's connections; they go with it
    m_home = &home;
    m_executor = executor.get();
    m_ready.release();
    exec();
    m_home = nullptr;
}
