#include "RemoteServer.h"

#include "CallLog.h"
#include "FaultPlan.h"
#include "WorkerThread.h"

#include <unistd.h>

RemoteServer::RemoteServer(std::vector<std::unique_ptr<WorkerThread>>& workers, FaultPlan& faults,
                           QObject* parent)
    : QTcpServer(parent), m_workers(workers), m_faults(faults)
{
    setMaxPendingConnections(1024);
}

void RemoteServer::incomingConnection(qintptr descriptor)
{
    if (m_faults.takeRefusal()) {
        ::close(int(descriptor));
        CallLog::note(QStringLiteral("connection refused (fault)"));
        return;
    }
    m_workers[m_next++ % m_workers.size()]->post(descriptor);
}
