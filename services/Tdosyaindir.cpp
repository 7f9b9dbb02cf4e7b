#include "Tdosyaindir.h"

#include "AppConfig.h"
#include "AppError.h"
#include "Folders.h"
#include "HttpContent.h"
#include "MessagePresenter.h"
#include "ProcessEnd.h"
#include "Shell.h"
#include "PixelFont.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProgressBar>
#include <QSaveFile>
#include <QScreen>
#include <QVBoxLayout>
#include <climits>

namespace {

constexpr int TimeoutMs = 60000;

/// "%f" of the progress text: two decimals, the locale's decimal separator, no grouping.
QString fixed2(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

QNetworkRequest downloadRequest(const QUrl& address)
{
    QNetworkRequest request(address);
    request.setRawHeader("Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,"
                                   "image/webp,image/apng,*/*;q=0.8");
    request.setRawHeader("Accept-Encoding", "gzip, deflate");
    request.setRawHeader("Accept-Language", "en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 "
                      "(KHTML, like Gecko) Chrome/60.0.3112.32 Safari/537.36");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setTransferTimeout(TimeoutMs);
    return request;
}

} // namespace

Tdosyaindir::Tdosyaindir(QWidget* owner, int serverVersion)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      sLabel1(new QLabel(this)), Panel1(new QWidget(this)),
      bilgi(new QLabel(QStringLiteral("bilgi"), Panel1)), ProgressBar1(new QProgressBar(Panel1)),
      NetHTTPClient1(new QNetworkAccessManager(this)), m_address(downloadAddress())
{
    buildWindow();
    sLabel1->setText(QStringLiteral("Oto Korvel B2B Programının\nYeni versiyonu "
                                    "indirilecektir\nLütfen Bekleyiniz...!\nVersion: %1-%2")
                         .arg(serverVersion)
                         .arg(ClientVersion));
    NetHTTPClient1->setCookieJar(nullptr);
}

void Tdosyaindir::buildWindow()
{
    setWindowTitle(QStringLiteral("Dosya İndir"));
    setFont(pixelFont(QStringLiteral("Tahoma"), 11));
    setFixedSize(543, 309);

    sLabel1->setAlignment(Qt::AlignCenter);
    sLabel1->setWordWrap(true);
    sLabel1->setFont(pixelFont(QStringLiteral("Tahoma"), 27));
    QPalette palette = sLabel1->palette();
    palette.setColor(QPalette::WindowText, QColor(67, 76, 88));
    sLabel1->setPalette(palette);

    Panel1->setFixedHeight(58);
    bilgi->setFont(pixelFont(QStringLiteral("Tahoma"), 13, true));
    bilgi->setFixedHeight(16);
    ProgressBar1->setFixedHeight(30);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(bilgi);
    panelLayout->addWidget(ProgressBar1);
    panelLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(sLabel1, 1);
    layout->addWidget(Panel1);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QUrl Tdosyaindir::downloadAddress()
{
    return QUrl(AppConfig::downloadBase() + QStringLiteral("exe/OtoKorvelSetup.exe"));
}

QString Tdosyaindir::targetPath()
{
    return QDir::toNativeSeparators(localAppDataFolder() + QStringLiteral("/OtoKorvelSetup.exe"));
}

bool Tdosyaindir::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void Tdosyaindir::showEvent(QShowEvent* event)
{
    // Some window managers never activate a tool window; showing it is enough to start.
    QDialog::showEvent(event);
    FormActivate();
}

void Tdosyaindir::FormActivate()
{
    IndirmeBaslat();
}

void Tdosyaindir::IndirmeBaslat()
{
    if (basladi)
        return;
    basladi = true;
    m_running = true;
    QFile::remove(targetPath());
    QNetworkReply* reply = NetHTTPClient1->get(downloadRequest(m_address));
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) { NetHTTPClient1ReceiveData(total, received); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finished(reply); });
}

void Tdosyaindir::NetHTTPClient1ReceiveData(qint64 contentLength, qint64 bytesRead)
{
    if (contentLength <= 0)
        return;
    const double mb = 1024.0 * 1024.0;
    bilgi->setText(QStringLiteral("Bilgi: %") +
                   QStringLiteral("%1  İndirilen: %2/%3")
                       .arg(fixed2(100.0 * static_cast<double>(bytesRead) /
                                   static_cast<double>(contentLength)),
                            fixed2(static_cast<double>(bytesRead) / mb),
                            fixed2(static_cast<double>(contentLength) / mb)) +
                   QStringLiteral(" Mb"));
    // The bar counts in bytes; files beyond its integer range count in KiB.
    const int shift = contentLength > INT_MAX ? 10 : 0;
    ProgressBar1->setMaximum(static_cast<int>(contentLength >> shift));
    ProgressBar1->setValue(static_cast<int>(bytesRead >> shift));
}

QString Tdosyaindir::failure(QNetworkReply* reply, QByteArray& body)
{
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return QStringLiteral("Sunucu yanıtı: HTTP %1 %2")
            .arg(status.toInt())
            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
            .trimmed();
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    try {
        body = HttpContent::decode(reply->rawHeader("Content-Encoding"), reply->readAll());
    } catch (const AppError& e) {
        return e.text();
    }
    if (body.isEmpty())
        return QStringLiteral("Sunucudan boş dosya geldi");
    return {};
}

void Tdosyaindir::finished(QNetworkReply* reply)
{
    reply->deleteLater();
    QByteArray body;
    const QString why = failure(reply, body);
    if (!why.isEmpty()) {
        NetHTTPClient1RequestError(why);
        return;
    }
    const QString path = targetPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit()) {
        // The window stays open without downloading again; closing it returns to the login.
        m_running = false;
        MessagePresenter::error(
            QStringLiteral("\"%1\" dosyası yazılamadı: %2").arg(path, file.errorString()));
        return;
    }
    KurulumCalistir(path);
}

void Tdosyaindir::KurulumCalistir(const QString& path)
{
    // The shell's answer does not matter: the installer replaces this program either way.
    Shell::open(path, {QStringLiteral("/silent")});
    ProcessEnd::now(0);
}

void Tdosyaindir::NetHTTPClient1RequestError(const QString& errorText)
{
    MessagePresenter::error(QStringLiteral("Hata Oluştu !\r\nHata: ") + errorText);
    ProcessEnd::now(0);
}

void Tdosyaindir::reject()
{
    if (!m_running)
        QDialog::reject();
}

void Tdosyaindir::closeEvent(QCloseEvent* event)
{
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
