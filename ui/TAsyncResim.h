#pragma once

#include "PictureBox.h"

#include <QPointer>

class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

/// A picture control that downloads its picture from a web address in the background.
/// Setting `Url` to a new address starts one GET request; the response's "Content-Type"
/// (after its first six characters, lower-cased: "jpeg" or "jpg", "bmp", "png") picks the
/// decoder, and the HTTP status is not looked at. A response of another type, an empty
/// body or a body that does not decode leaves the picture as it was. A control that is
/// destroyed aborts its transfer and never receives a late picture.
class TAsyncResim : public PictureBox
{
    Q_OBJECT
    Q_PROPERTY(QString Url READ Url WRITE SetUrl)

public:
    explicit TAsyncResim(QWidget* parent = nullptr);
    ~TAsyncResim() override;

    QString Url() const { return FUrl; }
    /// A new address starts the download; the same address again does nothing.
    void SetUrl(const QString& url);

    /// Decodes `stream` by the content type and makes it the picture; false when the type
    /// is not understood or the bytes do not decode.
    bool ResimCoz(const QString& contentType, QIODevice& stream);

signals:
    /// A response has been handled (whether it changed the picture or not).
    void finished();

private:
    void Indir();
    void VeriAlindi();
    void Geldi(QNetworkReply* reply);

    QString FUrl;
    QNetworkAccessManager* FHTTPClient;
    QPointer<QNetworkReply> FHTTPRequest;
    bool iptal = false;
};
