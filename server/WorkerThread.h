#pragma once

#include "Database.h"

#include <QSemaphore>
#include <QThread>

class FaultPlan;

/// A thread that accepts connections from the shared listening socket (through its own
/// descriptor of it, which it closes) and serves them, with its own database connection.
class WorkerThread : public QThread
{
public:
    WorkerThread(const DatabaseSettings& settings, FaultPlan& faults, int index,
                 int clientVersion, int idleTimeoutMs, int listenDescriptor);
    /// Starts the thread and waits until it accepts; false (with `error()`) if its database
    /// could not be opened.
    bool startServing();
    QString error() const { return m_error; }

protected:
    void run() override;

private:
    DatabaseSettings m_settings;
    FaultPlan& m_faults;
    int m_index;
    int m_clientVersion;
    int m_idleTimeoutMs;
    int m_listenDescriptor;
    QSemaphore m_ready;
    QString m_error;
};
