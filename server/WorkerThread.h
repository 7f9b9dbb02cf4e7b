#pragma once

#include "Database.h"

#include <QSemaphore>
#include <QThread>

class CallExecutor;
class FaultPlan;

/// A thread that serves the connections handed to it, with its own database connection.
class WorkerThread : public QThread
{
public:
    WorkerThread(const DatabaseSettings& settings, const FaultPlan& faults, int index,
                 int clientVersion, int idleTimeoutMs);
    /// Starts the thread and waits until its database is open; false (with `error()`) if
    /// it could not be opened.
    bool startServing();
    /// Hands an accepted socket to the thread. Thread-safe.
    void post(qintptr descriptor);
    QString error() const { return m_error; }

protected:
    void run() override;

private:
    DatabaseSettings m_settings;
    const FaultPlan& m_faults;
    int m_index;
    int m_clientVersion;
    int m_idleTimeoutMs;
    QSemaphore m_ready;
    QObject* m_home = nullptr;
    CallExecutor* m_executor = nullptr;
    QString m_error;
};
