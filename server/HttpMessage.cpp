#include "HttpMessage.h"

#include <QUrl>

namespace {

QByteArray reason(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 413: return "Payload Too Large";
    default: return "Internal Server Error";
    }
}

} // namespace

HttpResponse HttpResponse::html(int status, const QString& page)
{
    HttpResponse r;
    r.status = status;
    r.body = page.toUtf8();
    return r;
}

QByteArray HttpResponse::serialize() const
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason(status) + "\r\n";
    out += "Content-Type: " + contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    out += "Connection: close\r\nServer: OtoKorvel\r\n\r\n";
    if (!headOnly)
        out += body;
    return out;
}

HttpParser::State HttpParser::parse(const QByteArray& data, HttpRequest& request)
{
    const qsizetype headEnd = data.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return data.size() > MaxHead ? State::TooLarge : State::Incomplete;
    const QList<QByteArray> lines = data.left(headEnd).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    if (first.size() != 3 || !first[2].startsWith("HTTP/1.") || !first[1].startsWith('/'))
        return State::Malformed;
    qsizetype length = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return State::Malformed;
        if (line.left(colon).trimmed().toLower() == "content-length") {
            bool ok = false;
            length = line.mid(colon + 1).trimmed().toLongLong(&ok);
            if (!ok || length < 0)
                return State::Malformed;
        }
    }
    if (length > MaxBody)
        return State::TooLarge;
    if (data.size() < headEnd + 4 + length)
        return State::Incomplete;
    request.method = first[0];
    const QUrl url(QString::fromUtf8(first[1]));
    if (!url.isValid())
        return State::Malformed;
    request.path = url.path();
    request.query = QUrlQuery(url);
    request.body = data.mid(headEnd + 4, length);
    return State::Complete;
}
