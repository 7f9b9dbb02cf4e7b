#pragma once

#include "WireCodec.h"

#include <QString>
#include <memory>

class QTcpSocket;

/// The client's connection to the application server, with the settings of the connection
/// component. Closed or open; opening connects and shakes hands, and any number of calls
/// may then run one after another. It belongs to the thread that opens it: a worker makes
/// its own clone.
class RemoteConnection
{
public:
    RemoteConnection();
    ~RemoteConnection();
    RemoteConnection(const RemoteConnection&) = delete;
    RemoteConnection& operator=(const RemoteConnection&) = delete;

    // Settings.
    QString ConnectionName = QStringLiteral("DataSnapCONNECTION");
    QString DriverName = QStringLiteral("DataSnap");
    bool LoginPrompt = false;
    QString CommunicationProtocol = QStringLiteral("tcp/ip");
    QString HostName = QStringLiteral("localhost");
    QString Port = QStringLiteral("9090");
    QString DatasnapContext = QStringLiteral("datasnap/");
    QString Filters = QStringLiteral("{}"); // no compression or encryption layer
    QString DSProxyPort = QStringLiteral("8090"); // unused: no proxy host is configured

    /// Time allowed for the TCP connection and for the handshake answer.
    static constexpr int ConnectTimeoutMs = 5000;
    /// Longest silence tolerated while waiting for (the rest of) an answer.
    static constexpr int ReadTimeoutMs = 60000;

    /// Connects and shakes hands; raises a connection error with the socket's or the
    /// server's text on failure (the connection is then closed).
    void Open();
    void Close();
    bool Connected() const;
    /// A new, closed connection with the same settings.
    std::unique_ptr<RemoteConnection> Clone() const;

    /// One call: sends it and waits for the answer. A server-side error is raised with the
    /// server's text; a broken or timed-out connection closes and raises a connection error.
    WireCodec::Result Execute(const WireCodec::Call& call);

private:
    void send(WireCodec::Kind kind, const QByteArray& body);
    /// Reads one whole message (all its frames); returns its kind and body.
    WireCodec::Kind receive(QByteArray& body, qsizetype limit, int timeoutMs);
    void readExactly(char* data, qsizetype size, int timeoutMs);
    [[noreturn]] void broken(const QString& what);
    QString endpoint() const;

    std::unique_ptr<QTcpSocket> m_socket;
};
