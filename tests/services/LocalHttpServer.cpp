#include "LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(QObject* parent) : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        }
    });
}

QByteArray LocalHttpServer::baseAddress() const
{
    return "http://127.0.0.1:" + QByteArray::number(port()) + "/";
}

void LocalHttpServer::respond(QByteArray status, QByteArray body, bool contentLength,
                              QByteArray headers)
{
    m_status = std::move(status);
    m_body = std::move(body);
    m_contentLength = contentLength;
    m_headers = std::move(headers);
}

void LocalHttpServer::readRequest(QTcpSocket* socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n"))
        return;
    m_requests << head.left(head.indexOf("\r\n\r\n"));
    QByteArray answer = "HTTP/1.1 " + m_status + "\r\n" + m_headers;
    answer += m_contentLength ? "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n"
                              : QByteArray("Connection: close\r\n");
    socket->write(answer + "\r\n");
    const qint64 first = m_holdAfter < 0 ? m_body.size() : qMin(m_holdAfter, m_body.size());
    sendBody(socket, 0, first);
    if (first < m_body.size())
        m_held << socket;
}

void LocalHttpServer::release(qint64 upTo)
{
    const qint64 end = upTo < 0 ? m_body.size() : qMin(upTo, m_body.size());
    m_holdAfter = upTo;
    for (QTcpSocket* socket : std::exchange(m_held, {})) {
        sendBody(socket, socket->property("sent").toLongLong(), end);
        if (end < m_body.size())
            m_held << socket;
    }
}

void LocalHttpServer::sendBody(QTcpSocket* socket, qint64 from, qint64 to)
{
    socket->write(m_body.mid(from, to - from));
    socket->setProperty("sent", to);
    if (to == m_body.size() && !m_contentLength)
        socket->disconnectFromHost();
}
