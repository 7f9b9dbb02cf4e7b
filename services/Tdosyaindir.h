#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;

/// Self-update window "Dosya İndir": on its first activation it downloads the installer of
/// the version the server expects, shows the progress, saves it to the local
/// application-data folder, starts it silently through the shell and ends the program. A
/// failed download shows the error and ends the program too; nothing but a complete,
/// successful answer is ever saved and started.
class Tdosyaindir : public QDialog
{
    Q_OBJECT

public:
    /// The window for `serverVersion`, the client version the server expects.
    Tdosyaindir(QWidget* owner, int serverVersion);

    /// The client's own version, which the server's differed from.
    static constexpr int ClientVersion = 9;

    /// The installer's address on the download server.
    static QUrl downloadAddress();
    /// Where the installer is saved: "OtoKorvelSetup.exe" in the local application data.
    static QString targetPath();

    /// Starts the download the first time the window is shown or activated; later calls do
    /// nothing.
    void FormActivate();
    /// Progress of the transfer; an unknown length (not above 0) changes nothing.
    void NetHTTPClient1ReceiveData(qint64 contentLength, qint64 bytesRead);
    /// A failed download: the error message, then the end of the program.
    void NetHTTPClient1RequestError(const QString& errorText);

    // Components, named as the window was designed.
    QLabel* sLabel1;
    QWidget* Panel1;
    QLabel* bilgi;
    QProgressBar* ProgressBar1;
    QNetworkAccessManager* NetHTTPClient1;
    bool basladi = false;

public slots:
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void IndirmeBaslat();
    void finished(QNetworkReply* reply);
    /// Why the answer cannot be the installer; empty when it can, with the installer's
    /// bytes in `body`.
    static QString failure(QNetworkReply* reply, QByteArray& body);
    void KurulumCalistir(const QString& path);

    QUrl m_address;
    /// True while the transfer runs and the window must not close.
    bool m_running = false;
};
