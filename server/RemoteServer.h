#pragma once

#include <QTcpServer>

class CallExecutor;
class FaultPlan;

/// Accepts remote-method connections on one worker thread's listening socket and serves
/// them on that thread.
class RemoteServer : public QTcpServer
{
public:
    RemoteServer(CallExecutor& executor, FaultPlan& faults, int idleTimeoutMs);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    CallExecutor& m_executor;
    FaultPlan& m_faults;
    int m_idleTimeoutMs;
};
