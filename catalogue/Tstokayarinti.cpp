#include "Tstokayarinti.h"

#include "AdetKutusu.h"
#include "AppConfig.h"
#include "TAsyncResim.h"
#include "TutarKutusu.h"
#include "UiPictures.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

constexpr double KdvOrani = 1.18;

bool isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLabel* valueLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

Tstokayarinti::Tstokayarinti(QWidget* owner, int stokno)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), stokno(stokno),
      barkod(valueLabel(this)), adi(valueLabel(this)), finishkod(valueLabel(this)),
      marka(valueLabel(this)), model(valueLabel(this)), Image1(new PictureBox(this)),
      AsyncResim1(new TAsyncResim(this)), adet(new AdetKutusu(this)),
      Label2(caption(QStringLiteral("Fiyat:"), this)), birimfiyat(new TutarKutusu(this)),
      indirimoran(caption(QString(), this)), indtutar(new TutarKutusu(this)),
      kdvdahiltutar(new TutarKutusu(this)), geneltutar(new TutarKutusu(this)),
      GridPanel2(new QWidget(this)), edindirim1(new TutarKutusu(GridPanel2)),
      edindirim2(new TutarKutusu(GridPanel2)), edindirim3(new TutarKutusu(GridPanel2)),
      edindirim4(new TutarKutusu(GridPanel2)),
      ParcaliTus1(new QPushButton(QStringLiteral("Sipariş ekle"), this)),
      ParcaliTus2(new QPushButton(QStringLiteral("Vazgeç"), this))
{
    setObjectName(QStringLiteral("stokayarinti"));
    setWindowTitle(QStringLiteral("Sepete Ekle"));
    setFixedSize(662, 631);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ustPanel());
    layout->addWidget(resimAlani(), 1);
    layout->addWidget(tutarlar());
    layout->addWidget(iskontolar());
    layout->addWidget(tuslar());

    for (TutarKutusu* box : tutarKutulari()) {
        box->setReadOnly(true);
        box->installEventFilter(this);
    }
    adet->installEventFilter(this);
    connect(adet, &AdetKutusu::yazildi, this, &Tstokayarinti::adetChange);
    GridPanel2->hide();
    adet->setFocus();
}

Tstokayarinti::~Tstokayarinti() = default;

QWidget* Tstokayarinti::ustPanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("ustPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral("QWidget#ustPanel { background-color: #ffffff;"
                                        " border: 1px solid #c9ced6; }"));
    auto* grid = new QGridLayout(panel);
    const QList<std::pair<QString, QLabel*>> rows{{QStringLiteral("Barkod:"), barkod},
                                                  {QStringLiteral("Açıklama:"), adi},
                                                  {QStringLiteral("Finish Kod:"), finishkod},
                                                  {QStringLiteral("Marka:"), marka},
                                                  {QStringLiteral("Model:"), model}};
    for (int r = 0; r < rows.size(); ++r) {
        QLabel* label = caption(rows[r].first, panel);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, r, 0);
        grid->addWidget(rows[r].second, r, 1);
    }
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* Tstokayarinti::resimAlani()
{
    // The web picture lies over the server's picture and wins when it arrives.
    auto* area = new QWidget(this);
    auto* stack = new QStackedLayout(area);
    stack->setStackingMode(QStackedLayout::StackAll);
    for (PictureBox* picture : {Image1, static_cast<PictureBox*>(AsyncResim1)}) {
        picture->setStretch(true);
        picture->setProportional(true);
        picture->setCenter(true);
        stack->addWidget(picture);
    }
    Image1->setPicture(UiPictures::logo().toImage());
    AsyncResim1->setTransparent(true);
    stack->setCurrentWidget(AsyncResim1);
    return area;
}

QWidget* Tstokayarinti::tutarlar()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(caption(QStringLiteral("Adet:"), panel), 0, 0);
    grid->addWidget(adet, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(birimfiyat, 0, 3);
    grid->addWidget(indirimoran, 1, 0);
    grid->addWidget(indtutar, 1, 1);
    grid->addWidget(caption(QStringLiteral("KDV Dahil:"), panel), 1, 2);
    grid->addWidget(kdvdahiltutar, 1, 3);
    grid->addWidget(caption(QStringLiteral("Tutar:"), panel), 2, 2);
    grid->addWidget(geneltutar, 2, 3);
    // Fixed caption columns, so the boxes keep their places whatever the captions say.
    grid->setColumnMinimumWidth(0, 170);
    grid->setColumnMinimumWidth(2, 130);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(20);
    adet->setFont(font);
    adet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Arrow keys and the wheel step the quantity; the program's style draws no arrows.
    adet->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return panel;
}

QWidget* Tstokayarinti::iskontolar()
{
    GridPanel2->setObjectName(QStringLiteral("GridPanel2"));
    auto* grid = new QGridLayout(GridPanel2);
    const QList<TutarKutusu*> boxes{edindirim1, edindirim2, edindirim3, edindirim4};
    for (int i = 0; i < boxes.size(); ++i) {
        const QString text = i == 0 ? QStringLiteral("İsk") : QStringLiteral("İsk%1").arg(i + 1);
        auto* label = new QLabel(text, GridPanel2);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, i);
        grid->addWidget(boxes[i], 1, i);
    }
    return GridPanel2;
}

QWidget* Tstokayarinti::tuslar()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->addStretch();
    for (QPushButton* button : {ParcaliTus1, ParcaliTus2}) {
        // Enter acts only where the handlers say, never through a default button.
        button->setAutoDefault(false);
        button->setMinimumSize(150, 40);
        row->addWidget(button);
    }
    connect(ParcaliTus1, &QPushButton::clicked, this, &Tstokayarinti::ParcaliTus1Click);
    connect(ParcaliTus2, &QPushButton::clicked, this, &Tstokayarinti::ParcaliTus2Click);
    return panel;
}

QList<TutarKutusu*> Tstokayarinti::tutarKutulari() const
{
    return {birimfiyat, indtutar,   kdvdahiltutar, geneltutar,
            edindirim1, edindirim2, edindirim3,    edindirim4};
}

void Tstokayarinti::Doldur(const StokSatiri& satir, StokKaynagi kaynak, bool satici)
{
    barkod->setText(satir.barkod);
    adi->setText(satir.adi);
    finishkod->setText(satir.finishkod);
    marka->setText(satir.marka);
    model->setText(satir.model);
    kdvoran = satir.kdv;
    // The server sends 0 or 1 as the stock list's campaign flag; prices follow either.
    if (kaynak != StokKaynagi::StokListesi || satir.k >= 0) {
        birimfiyat->setValue(satir.fiyat);
        const QList<TutarKutusu*> boxes{edindirim1, edindirim2, edindirim3, edindirim4};
        for (int i = 0; i < boxes.size(); ++i)
            boxes[i]->setValue(satir.oranlar[i]);
    }
    adet->setValue(satir.miktar);
    captions(satir, kaynak);
    haklar(kaynak, satici);
}

void Tstokayarinti::captions(const StokSatiri& satir, StokKaynagi kaynak)
{
    // A cart line carries no campaign flag: its price is always "Fiyat:".
    const bool kampanya = satir.k > 0 || kaynak == StokKaynagi::Kampanyali;
    Label2->setText(kampanya ? QStringLiteral("Kampanyalı Fiyat:") : QStringLiteral("Fiyat:"));
    const QString kampanyali = QStringLiteral("Kampanyalı ") + satir.indirimYazi;
    switch (kaynak) {
    case StokKaynagi::StokListesi:
        if (satir.k > 0)
            indirimoran->setText(kampanyali);
        else if (satir.k == 0)
            indirimoran->setText(QStringLiteral("İndirim: %") + satir.indirimYazi);
        break;
    case StokKaynagi::YeniStoklar:
        indirimoran->setText(kampanya ? kampanyali
                                      : QStringLiteral("İndirim:  % ") + satir.indirimYazi);
        break;
    case StokKaynagi::Kampanyali:
        indirimoran->setText(kampanyali);
        break;
    case StokKaynagi::SepetSatiri:
        indirimoran->setText(QStringLiteral("İndirim:"));
        break;
    }
}

void Tstokayarinti::haklar(StokKaynagi kaynak, bool satici)
{
    if (!satici)
        return;
    birimfiyat->setReadOnly(false);
    // A changed cart line keeps its stored rates, so they are shown but not offered.
    const bool oranlarDegisir = kaynak != StokKaynagi::SepetSatiri;
    for (TutarKutusu* box : {edindirim1, edindirim2, edindirim3, edindirim4})
        box->setReadOnly(!oranlarDegisir);
    GridPanel2->setVisible(kaynak != StokKaynagi::Kampanyali);
}

bool Tstokayarinti::IndirimVarmi() const
{
    const FiyatHesabi::Oranlar o = oranlar();
    return o[0] + o[1] + o[2] + o[3] > 1;
}

void Tstokayarinti::KdvCikar()
{
    birimfiyat->setValue(birimfiyat->value() / KdvOrani);
}

void Tstokayarinti::Hesapla()
{
    const FiyatHesabi sonuc =
        FiyatHesabi::Hesapla(birimfiyat->value(), adet->hesapAdedi(), kdvoran, oranlar());
    indtutar->setValue(sonuc.indirimTutar);
    kdvdahiltutar->setValue(sonuc.kdvDahil);
    geneltutar->setValue(sonuc.genelTutar);
}

std::optional<int> Tstokayarinti::miktar() const
{
    return adet->gecerliAdet();
}

double Tstokayarinti::fiyat() const
{
    return birimfiyat->value();
}

FiyatHesabi::Oranlar Tstokayarinti::oranlar() const
{
    return {edindirim1->value(), edindirim2->value(), edindirim3->value(), edindirim4->value()};
}

void Tstokayarinti::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tstokayarinti::FormShow()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    const bool indirim = IndirimVarmi();
    indirimoran->setVisible(indirim);
    indtutar->setVisible(indirim);
    Hesapla();
    AsyncResim1->SetUrl(AppConfig::webBase() + QStringLiteral("resimgoster.ashx?id=") +
                        QString::number(stokno));
    FormActivate();
}

void Tstokayarinti::FormActivate()
{
    // Typing replaces the quantity.
    adet->setFocus();
    adet->selectAll();
}

bool Tstokayarinti::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
        if (watched == adet) {
            adetKeyDown();
            return true;
        }
        if (watched == birimfiyat)
            return true;
    }
    if (event->type() == QEvent::KeyRelease && watched != adet) {
        birimfiyatKeyUp(static_cast<QKeyEvent*>(event)->key());
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_F4;
    }
    return QDialog::eventFilter(watched, event);
}

void Tstokayarinti::adetChange()
{
    Hesapla();
}

void Tstokayarinti::adetKeyDown()
{
    ParcaliTus1Click();
}

void Tstokayarinti::birimfiyatKeyUp(int key)
{
    if (key == Qt::Key_F4)
        KdvCikar();
    Hesapla();
}

void Tstokayarinti::ParcaliTus1Click()
{
    if (miktar()) {
        accept();
        return;
    }
    // An empty or impossible quantity is never sent.
    adet->setFocus();
    adet->selectAll();
}

void Tstokayarinti::ParcaliTus2Click()
{
    reject();
}
