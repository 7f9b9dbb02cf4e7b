#include "Tgirisform.h"

#include "AnimatedPicture.h"
#include "AppConfig.h"
#include "AppError.h"
#include "BaglantiKontrol.h"
#include "LoginBackground.h"
#include "LoginSettings.h"
#include "MesajGoster.h"
#include "MessagePresenter.h"
#include "MessageSound.h"
#include "ProcessEnd.h"
#include "RemoteConnection.h"
#include "ShadowLabel.h"
#include "TAwait.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "Tdosyaindir.h"
#include "Tformistekyeni.h"
#include "UiPictures.h"
#include "UpperCaseValidator.h"
#include "WorkstationIdentity.h"
#include "PixelFont.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineView>

namespace {

/// Sound type of the error sound (critical stop).
constexpr unsigned ErrorSound = 16;

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

/// A caption on the red field beside an edit.
QLabel* fieldLabel(const QString& text, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A style sheet of its own, so that the program's style does not repaint it.
    label->setStyleSheet(QStringLiteral("background-color: rgb(226, 10, 23); color: white;"));
    return label;
}

QLineEdit* upperCaseEdit(QRect geometry, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    edit->setValidator(new UpperCaseValidator(edit));
    return edit;
}

} // namespace

Tgirisform::Tgirisform(RemoteConnection& bagim, TSonucBilgisi& Bilgim, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      Image1(new QLabel(this)), benihatirla(new QCheckBox(QStringLiteral("Beni hatırla"), this)),
      Label1(fieldLabel(QStringLiteral(" Kullanıcı Adı:"), {42, 303, 104, 24}, this)),
      adi(upperCaseEdit({152, 303, 171, 24}, this)),
      Label2(fieldLabel(QStringLiteral(" Şifre:"), {42, 333, 104, 24}, this)),
      sifre(upperCaseEdit({152, 334, 171, 24}, this)),
      Button1(new QPushButton(QStringLiteral("Giriş"), this)),
      RxGIFAnimator1(new AnimatedPicture(this)),
      Button2(new QPushButton(QStringLiteral("Vazgeç"), this)), RxLabel1(new ShadowLabel(this)),
      bagim(bagim), Bilgim(Bilgim)
{
    buildWindow();
    FormCreate();
}

Tgirisform::~Tgirisform() = default;

void Tgirisform::buildWindow()
{
    setWindowTitle(QStringLiteral("Giriş"));
    setFixedSize(368, 550);

    Image1->setGeometry(rect());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(LoginBackground::paint());

    benihatirla->setGeometry(32, 280, 97, 17);
    benihatirla->setChecked(true);
    benihatirla->setFont(pixelFont(QStringLiteral("Tahoma"), 12, true));
    benihatirla->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    sifre->setEchoMode(QLineEdit::Password);
    adi->installEventFilter(this);
    sifre->installEventFilter(this);
    buildButtons();
    buildContactLines();

    setTabOrder(Button1, Button2);
    setTabOrder(Button2, benihatirla);
    setTabOrder(benihatirla, adi);
    setTabOrder(adi, sifre);
    adi->setFocus();

    // Set last, so that it reaches every control built above.
    setFont(pixelFont(QStringLiteral("Tahoma"), 13, true));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Tgirisform::buildButtons()
{
    Button1->setGeometry(46, 364, 100, 41);
    Button2->setGeometry(223, 364, 100, 41);
    for (QPushButton* button : {Button1, Button2})
        button->setAutoDefault(false); // Enter in the edits does only what their handlers say
    connect(Button1, &QPushButton::clicked, this, &Tgirisform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tgirisform::Button2Click);

    RxGIFAnimator1->setGeometry(168, 364, 28, 28);
    RxGIFAnimator1->setAnimate(false);
    RxGIFAnimator1->loadFromFile(UiPictures::busyAnimation());
    RxGIFAnimator1->hide();
}

void Tgirisform::buildContactLines()
{
    RxLabel1->setGeometry(24, 411, 336, 139);
    RxLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    RxLabel1->setFont(pixelFont(QStringLiteral("Arial"), 15, true));
    RxLabel1->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    RxLabel1->setText(QStringLiteral("Oto Sanayi Sitesi 12. Blok No: 7\n"
                                     "Bayrampaşa / İSTANBUL\n"
                                     "siparis@otokorvel.com.tr\n"
                                     "Tel: 0212 555 00 00\n"
                                     "Gsm: 0532 555 00 00"));
}

void Tgirisform::FormCreate()
{
    idsi = BilgisayarIdAl();
    AyarYukle();
}

void Tgirisform::AyarYukle()
{
    const std::optional<LoginSettings> ayar = LoginSettings::load();
    if (!ayar)
        return;
    benihatirla->setChecked(ayar->hatirla);
    if (benihatirla->isChecked()) {
        adi->setText(ayar->isim);
        sifre->setText(ayar->sifre);
    }
}

void Tgirisform::AyarKaydet()
{
    LoginSettings{adi->text(), sifre->text(), benihatirla->isChecked()}.save();
}

bool Tgirisform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
        if (watched == adi)
            adiKeyDown();
        else if (watched == sifre)
            sifreKeyDown();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tgirisform::showEvent(QShowEvent* event)
{
    // The password shows "*" for each character. Set once the program's style has polished
    // the edit, which would otherwise bring back its own mask character.
    sifre->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    QDialog::showEvent(event);
}

void Tgirisform::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the window; "Vazgeç" and the close box do.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

bool Tgirisform::doluMu(QLineEdit* edit, const QString& warning)
{
    if (!edit->text().trimmed().isEmpty())
        return true;
    MessageSound::current().play(ErrorSound);
    MessagePresenter::message(warning);
    edit->selectAll();
    edit->setFocus();
    return false;
}

void Tgirisform::adiKeyDown()
{
    if (!doluMu(adi, QStringLiteral("Lütfen kullanıcı adını giriniz !")))
        return;
    sifre->selectAll();
    sifre->setFocus();
}

void Tgirisform::sifreKeyDown()
{
    if (doluMu(sifre, QStringLiteral("Lütfen kullanıcı şifresini giriniz !")) && !m_calisiyor)
        Button1Click();
}

void Tgirisform::busy(bool on)
{
    RxGIFAnimator1->setVisible(on);
    RxGIFAnimator1->setAnimate(on);
}

void Tgirisform::Button1Click()
{
    if (m_calisiyor)
        return;
    m_calisiyor = true;
    Button1->setText(QStringLiteral("Bağlanıyor..."));
    Button1->setEnabled(false);
    busy(true);
    auto disIp = std::make_shared<QString>();
    Async([disIp] { *disIp = DisIpAl(); })->Await(this, [this, disIp] {
        Button1->setText(QStringLiteral("Giriş!"));
        busy(false);
        Devamet(*disIp);
    });
}

void Tgirisform::Button2Click()
{
    ProcessEnd::now(0);
}

QString Tgirisform::DisIpAl()
{
    return QStringLiteral("127.0.0.1");
}

void Tgirisform::Devamet(const QString& disIp)
{
    Bilgim.SetDisip(disIp);
    bagim.HostName = AppConfig::serverHost();
    // The clone is made here, where `bagim` lives; the worker only opens and uses it.
    std::shared_ptr<RemoteConnection> clone = bagim.Clone();
    auto sonuc = std::make_shared<std::optional<TSonucBilgisi>>();
    Async([clone, sonuc, idsi = idsi] {
        *sonuc = GirisBilgisiAl(*clone, idsi);
    })->Await(this, [this, sonuc] {
        // The session record is written here, on the thread that owns it.
        if (*sonuc)
            Bilgim.Kopyala(**sonuc);
        Karar(sonuc->has_value());
    });
}

std::optional<TSonucBilgisi> Tgirisform::GirisBilgisiAl(RemoteConnection& clone,
                                                        const QString& idsi)
{
    if (!BaglantiKontrol(clone, false))
        return std::nullopt;
    TSonucBilgisi kayit;
    try {
        TServerMethods1Client proxy(clone);
        const TSonucBilgisi* sonuc = proxy.BuyukGetir(idsi);
        if (sonuc == nullptr)
            throw AppError(QStringLiteral("BuyukGetir returned no record"));
        kayit.Kopyala(*sonuc);
    } catch (const std::exception&) {
        // The user is told "Bağlantı Kurulamadı !" by the decision.
        clone.Close();
        return std::nullopt;
    }
    clone.Close();
    kayit.SetBilgiSayarAdi(BilgisayarAdiAl());
    kayit.SetBilgisayarKullanici(KullaniciAdiAl());
    kayit.SetIcip(YerelIpAl());
    kayit.SetBILGISAYARID(BilgisayarIdAl());
    kayit.SetDisip(DisIpAl());
    return kayit;
}

void Tgirisform::Karar(bool dogrusonuc)
{
    busy(false);
    if (!dogrusonuc) {
        Reddet(QStringLiteral("Bağlantı Kurulamadı !"), MessageKind::Error);
        return;
    }
    if (Bilgim.Version() != ClientVersion)
        GuncellemeAc();
    if (!Bilgim.Varmi()) {
        IstekFormuAc(AppConfig::webBase());
        ProcessEnd::now(0);
        return;
    }
    if (adi->text() == Bilgim.ADI() && sifre->text() == Bilgim.SIFRE()) {
        try {
            AyarKaydet();
        } catch (const AppError& e) {
            // Not remembering the login must not keep the user out.
            MessagePresenter::error(e.text());
        }
        if (Bilgim.AKTIF() == 1) {
            if (Bilgim.MusteriTipi() == 1 || Bilgim.MusteriTipi() == 2)
                CariSecimAc();
            m_calisiyor = false;
            accept();
            return;
        }
    }
    Reddet(QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !"),
           MessageKind::Warning);
}

void Tgirisform::Reddet(const QString& text, std::uint8_t kind)
{
    MesajGoster(text, kind, MessageButton::OkOnly, MessageButton::Ok);
    m_calisiyor = false;
    Button1->setEnabled(true);
    adi->selectAll();
    adi->setFocus();
}

void Tgirisform::GuncellemeAc()
{
    Tdosyaindir guncelleme(this, Bilgim.Version());
    guncelleme.exec();
}

void Tgirisform::IstekFormuAc(const QString& webBase)
{
    Tformistekyeni istek(this);
    istek.setWindowTitle(QStringLiteral("Oto Korvel B2B İstek Formu"));
    istek.sitem->setUrl(QUrl(webBase +
                             QStringLiteral("formmailgonder.aspx?carino=0&kullanici= &id=") +
                             BilgisayarIdAl()));
    istek.exec();
}

void Tgirisform::CariSecimAc()
{
    // The customer selection window opens here, modally, with `bagim` and `Bilgim`; the
    // program ends when it is cancelled.
}
