#include "HttpServer.h"

#include "HttpMessage.h"
#include "WebSite.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

constexpr int IdleTimeoutMs = 10000;

void answer(QTcpSocket* socket, const HttpResponse& response)
{
    socket->write(response.serialize());
    socket->disconnectFromHost();
}

} // namespace

HttpServer::HttpServer(WebSite& site, QObject* parent) : QTcpServer(parent), m_site(site) {}

void HttpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    auto* buffer = new QByteArray;
    auto* idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->start(IdleTimeoutMs);
    connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
    connect(socket, &QTcpSocket::disconnected, socket, [socket, buffer] {
        delete buffer;
        socket->deleteLater();
    });
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer, idle] {
        if (!idle->isActive())
            return; // answered already
        buffer->append(socket->readAll());
        HttpRequest request;
        switch (HttpParser::parse(*buffer, request)) {
        case HttpParser::State::Incomplete: return;
        case HttpParser::State::Malformed:
            idle->stop();
            answer(socket, HttpResponse::html(400, QStringLiteral("<h1>400</h1>")));
            return;
        case HttpParser::State::TooLarge:
            idle->stop();
            answer(socket, HttpResponse::html(413, QStringLiteral("<h1>413</h1>")));
            return;
        case HttpParser::State::Complete:
            idle->stop();
            try {
                answer(socket, m_site.respond(request));
            } catch (const std::exception& e) {
                answer(socket, HttpResponse::html(500, QString::fromUtf8(e.what()).toHtmlEscaped()));
            }
            return;
        }
    });
}
