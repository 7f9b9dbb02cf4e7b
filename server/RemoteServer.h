#pragma once

#include <QTcpServer>
#include <memory>
#include <vector>

class FaultPlan;
class WorkerThread;

/// Accepts remote-method connections and hands them to the worker threads in turn.
class RemoteServer : public QTcpServer
{
public:
    RemoteServer(std::vector<std::unique_ptr<WorkerThread>>& workers, FaultPlan& faults,
                 QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    std::vector<std::unique_ptr<WorkerThread>>& m_workers;
    FaultPlan& m_faults;
    size_t m_next = 0;
};
