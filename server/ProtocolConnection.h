#pragma once

#include "WireCodec.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <optional>

class CallArgs;
class CallExecutor;
class FaultPlan;
class QTcpSocket;

/// One client connection on a worker thread: the handshake, then any number of calls one
/// after another. A malformed, oversized or unknown request gets a ProtocolError and the
/// connection closes; a connection idle for the idle time-out is closed.
class ProtocolConnection : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* Context = "datasnap/";

    ProtocolConnection(qintptr descriptor, CallExecutor& executor, const FaultPlan& faults,
                       int idleTimeoutMs, QObject* parent);

private:
    void onReadyRead();
    void processInput();
    /// Takes one complete message off the input; false while it is incomplete.
    bool takeMessage(WireCodec::Kind& kind, QByteArray& body);
    void handle(WireCodec::Kind kind, const QByteArray& body);
    void onHello(const QByteArray& body);
    void onCall(const QByteArray& body);
    void answer(const CallArgs& args);
    void send(WireCodec::Kind kind, const QByteArray& body);
    /// Sends the first half of the answer and cuts the connection (fault injection).
    void sendHalfAndDrop(const QByteArray& message);
    void sendAndClose(WireCodec::Kind kind, const QString& text);
    void restartIdleTimer();

    QTcpSocket* m_socket;
    CallExecutor& m_executor;
    const FaultPlan& m_faults;
    QTimer m_idle;
    QByteArray m_input;
    QByteArray m_message;
    std::optional<WireCodec::Kind> m_messageKind;
    bool m_greeted = false;
    bool m_busy = false;
    bool m_closing = false;
};
