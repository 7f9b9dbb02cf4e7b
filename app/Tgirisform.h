#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class AnimatedPicture;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RemoteConnection;
class ShadowLabel;
class TSonucBilgisi;

/// The login window "Giriş": asks for the user name and password (remembered in
/// "ayar.ini" when wanted), fetches the session record the server holds for this
/// workstation and checks the typed name and password against it. On the way it hands over
/// to the self-update when the server expects another client version and to the request
/// form when the server does not know the workstation. Closes with Accepted only after a
/// complete login, with the opener's session record filled.
class Tgirisform : public QDialog
{
    Q_OBJECT

public:
    /// The window for the opener's connection `bagim` and session record `Bilgim`, which a
    /// successful login fills.
    Tgirisform(RemoteConnection& bagim, TSonucBilgisi& Bilgim, QWidget* parent = nullptr);
    ~Tgirisform() override;

    /// The client's own version; the server names the version it expects.
    static constexpr int ClientVersion = 9;

    /// Loads the remembered login into the controls; a missing file changes nothing.
    void AyarYukle();
    /// Writes the name, the password and the check box state to "ayar.ini".
    void AyarKaydet();
    /// Starts a login attempt unless one is running.
    void Button1Click();
    /// "Vazgeç": ends the program.
    void Button2Click();
    /// True from the start of an attempt until its decision.
    bool girisSuruyor() const { return m_calisiyor; }

    // Components, named as the window was designed.
    QLabel* Image1;
    QCheckBox* benihatirla;
    QLabel* Label1;
    QLineEdit* adi;
    QLabel* Label2;
    QLineEdit* sifre;
    QPushButton* Button1;
    AnimatedPicture* RxGIFAnimator1;
    QPushButton* Button2;
    ShadowLabel* RxLabel1;

    /// The workstation identity, the key of the login call.
    QString idsi;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    void buildButtons();
    void buildContactLines();
    void FormCreate();
    void adiKeyDown();
    void sifreKeyDown();
    /// Refuses an empty edit on Enter with the standard warning box; false when refused.
    bool doluMu(QLineEdit* edit, const QString& warning);
    void busy(bool on);
    /// The external address of the session: always "127.0.0.1".
    static QString DisIpAl();
    void Devamet(const QString& disIp);
    /// The session record of this workstation as the server holds it, with this machine's
    /// workstation fields; nothing when the connection check or the call fails.
    static std::optional<TSonucBilgisi> GirisBilgisiAl(RemoteConnection& clone,
                                                       const QString& idsi);
    void Karar(bool dogrusonuc);
    void GuncellemeAc();
    void IstekFormuAc(const QString& webBase);
    /// Where a salesman (user types 1 and 2) chooses the customer account he works for;
    /// until that window exists he goes on with the account the server gave.
    void CariSecimAc();
    void Reddet(const QString& text, std::uint8_t kind);

    RemoteConnection& bagim;
    TSonucBilgisi& Bilgim;
    bool m_calisiyor = false;
};
