#pragma once

#include <QTcpServer>

class WebSite;

/// A small HTTP/1.1 server for the web resources: one request per connection, answered and
/// closed. Malformed or oversized requests get 400 or 413; idle sockets close after 10 s.
class HttpServer : public QTcpServer
{
public:
    HttpServer(WebSite& site, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    WebSite& m_site;
};
