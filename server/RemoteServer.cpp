#include "RemoteServer.h"

#include "CallLog.h"
#include "FaultPlan.h"
#include "ProtocolConnection.h"

#include <unistd.h>

RemoteServer::RemoteServer(CallExecutor& executor, FaultPlan& faults, int idleTimeoutMs)
    : m_executor(executor), m_faults(faults), m_idleTimeoutMs(idleTimeoutMs)
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
    new ProtocolConnection(descriptor, m_executor, m_faults, m_idleTimeoutMs, this);
}
