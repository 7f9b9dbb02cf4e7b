#pragma once

#include "WireCodec.h"

#include <QTcpSocket>
#include <optional>
#include <vector>

/// A minimal blocking client of the remote-method protocol for the server tests: connect,
/// handshake, calls, and raw bytes for the robustness cases.
class WireClient
{
public:
    struct Message
    {
        WireCodec::Kind kind;
        QByteArray body;
    };

    explicit WireClient(int port) : m_port(port) {}
    /// Connects and sends Hello with the given context and version; true on Welcome.
    bool open(const QString& context = QStringLiteral("datasnap/"),
              quint16 version = WireCodec::ProtocolVersion);
    /// Calls a method with its input values in order (output placeholders are added);
    /// raises RemoteError (Server kind with the error text, Protocol, Connection).
    WireCodec::Result call(const QString& method, std::vector<WireValue> inputs);
    void send(WireCodec::Kind kind, const QByteArray& body);
    void sendRaw(const QByteArray& bytes);
    /// The next message, or nothing when the connection closed or nothing came in time.
    std::optional<Message> read(int timeoutMs = 10000);
    /// True when the server closes the connection within the time.
    bool closedBy(int timeoutMs);
    Message lastMessage() const { return m_last; }

    /// The value at `position` of a result.
    static const WireValue& at(const WireCodec::Result& r, int position);

private:
    bool fill(qsizetype n, int timeoutMs);

    int m_port;
    QTcpSocket m_socket;
    QByteArray m_buffer;
    Message m_last{WireCodec::Kind::Result, {}};
};
