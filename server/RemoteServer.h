#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

class CallExecutor;
class FaultPlan;

/// Accepts remote-method connections from the shared listening socket on one worker thread
/// and serves them on that thread. It takes a few connections per turn of the event loop,
/// so that a burst is shared between the workers and the connections it already has keep
/// being served.
class RemoteServer : public QObject
{
public:
    /// Takes over `listenDescriptor` (non-blocking) and closes it when it goes.
    RemoteServer(int listenDescriptor, CallExecutor& executor, FaultPlan& faults,
                 int idleTimeoutMs);
    ~RemoteServer() override;

private:
    void acceptSome();
    /// Out of descriptors or memory: stops accepting for a moment instead of spinning.
    void pauseAccepting(int error);

    int m_listenDescriptor;
    QSocketNotifier m_notifier;
    QTimer m_resume;
    CallExecutor& m_executor;
    FaultPlan& m_faults;
    int m_idleTimeoutMs;
};
