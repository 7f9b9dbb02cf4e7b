#include "TAsyncResim.h"

#include <QIODevice>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

TAsyncResim::TAsyncResim(QWidget* parent)
    : PictureBox(parent), FHTTPClient(new QNetworkAccessManager(this))
{
    setStretch(true);
    setProportional(true);
    setCenter(true);
    setTransparent(true);
}

TAsyncResim::~TAsyncResim()
{
    iptal = true;
    if (FHTTPRequest) {
        FHTTPRequest->disconnect(this);
        FHTTPRequest->abort();
    }
}

void TAsyncResim::SetUrl(const QString& url)
{
    if (url == FUrl)
        return;
    FUrl = url;
    Indir();
}

void TAsyncResim::Indir()
{
    // Only the latest address may set the picture: an older transfer still under way
    // would otherwise overwrite it when it ends later.
    if (FHTTPRequest) {
        FHTTPRequest->disconnect(this);
        FHTTPRequest->abort();
        FHTTPRequest->deleteLater();
    }
    if (FUrl.isEmpty())
        return;
    QNetworkReply* reply = FHTTPClient->get(QNetworkRequest(QUrl(FUrl)));
    FHTTPRequest = reply;
    connect(reply, &QIODevice::readyRead, this, &TAsyncResim::VeriAlindi);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { Geldi(reply); });
}

void TAsyncResim::VeriAlindi()
{
    if (iptal && FHTTPRequest)
        FHTTPRequest->abort();
}

void TAsyncResim::Geldi(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply == FHTTPRequest)
        FHTTPRequest = nullptr;
    if (!iptal && reply->bytesAvailable() > 0) {
        const QString contentType = QString::fromLatin1(reply->rawHeader("Content-Type"));
        ResimCoz(contentType, *reply);
    }
    emit finished();
}

bool TAsyncResim::ResimCoz(const QString& contentType, QIODevice& stream)
{
    const QString type = contentType.mid(6).toLower();
    const char* format = type == QLatin1String("jpeg") || type == QLatin1String("jpg") ? "JPEG"
                         : type == QLatin1String("bmp")                                ? "BMP"
                         : type == QLatin1String("png")                                ? "PNG"
                                                                                       : nullptr;
    if (!format)
        return false;
    QImage decoded;
    if (!decoded.loadFromData(stream.readAll(), format))
        return false;
    setPicture(decoded);
    return true;
}
