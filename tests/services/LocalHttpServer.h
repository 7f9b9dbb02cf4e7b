#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>

class QTcpSocket;

/// A one-page HTTP server on a free loopback port for the download and browser tests. It
/// answers every request with the configured status, headers and body; it can hold the
/// body back after a number of bytes until `release()`.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    explicit LocalHttpServer(QObject* parent = nullptr);

    quint16 port() const { return m_server.serverPort(); }
    QByteArray baseAddress() const;

    /// The answer: "200 OK" style status, extra header lines, body. With `contentLength`
    /// false the length is left out and the connection closes after the body.
    void respond(QByteArray status, QByteArray body, bool contentLength = true,
                 QByteArray headers = {});
    /// Sends only the first `bytes` of the body until `release()`.
    void holdAfter(qint64 bytes) { m_holdAfter = bytes; }
    /// Sends the held bodies on up to `upTo` bytes, or whole.
    void release(qint64 upTo = -1);

    /// The head (request line and headers) of each request received, in order.
    const QList<QByteArray>& requests() const { return m_requests; }

private:
    void readRequest(QTcpSocket* socket);
    void sendBody(QTcpSocket* socket, qint64 from, qint64 to);

    QTcpServer m_server;
    QByteArray m_status = "200 OK";
    QByteArray m_headers;
    QByteArray m_body;
    bool m_contentLength = true;
    qint64 m_holdAfter = -1;
    QList<QTcpSocket*> m_held;
    QList<QByteArray> m_requests;
};
