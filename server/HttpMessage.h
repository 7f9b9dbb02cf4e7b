#pragma once

#include <QByteArray>
#include <QHash>
#include <QUrlQuery>
#include <optional>

/// A parsed HTTP/1.1 request.
struct HttpRequest
{
    QByteArray method;
    QString path;    // decoded, without the query
    QUrlQuery query; // of the target, or of a form body
    QByteArray body;
};

/// An HTTP response, written with Content-Length and "Connection: close".
struct HttpResponse
{
    int status = 200;
    QByteArray contentType = "text/html; charset=utf-8";
    QByteArray body;
    bool headOnly = false;

    static HttpResponse html(int status, const QString& page);
    QByteArray serialize() const;
};

/// Reads a request from the bytes received so far.
class HttpParser
{
public:
    static constexpr qsizetype MaxHead = 16 * 1024;
    static constexpr qsizetype MaxBody = 64 * 1024;
    enum class State { Incomplete, Complete, Malformed, TooLarge };

    static State parse(const QByteArray& data, HttpRequest& request);
};
