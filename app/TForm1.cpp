#include "TForm1.h"

#include "AnimatedPicture.h"
#include "AppConfig.h"
#include "CartTab.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "GuiThread.h"
#include "HeaderPanel.h"
#include "Katalog.h"
#include "KatalogParcalari.h"
#include "LegendPanel.h"
#include "MesajDialog.h"
#include "MesajGoster.h"
#include "ProcessEnd.h"
#include "SearchBar.h"
#include "Shell.h"
#include "TabSheet.h"
#include "Tgirisform.h"
#include "TickerPanel.h"
#include "WorkGrids.h"
#include "WorkTabs.h"
#include "WorkstationIdentity.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    buildWindow();
    // Created after the widgets, so the grids let go of them first when the window goes.
    stok = new ClientDataSet(this);
    sepet = new ClientDataSet(this);
    YENILER = new ClientDataSet(this);
    kampstok = new ClientDataSet(this);
    cxGrid1->setDataSet(stok);
    cxGrid2->setDataSet(sepet);
    cxGrid6->setDataSet(YENILER);
    cxkampanyali->setDataSet(kampstok);
    connectHandlers();
    katalogBagla();
    siparisBagla();

    m_acilis.add([self = QPointer<TForm1>(this)] {
        GuiThread::runBlocking([self] {
            if (self)
                self->AnaBilgiAl();
        });
    });
}

TForm1::~TForm1() = default;

void TForm1::buildWindow()
{
    resize(1350, 652);

    auto* central = new QWidget(this);
    Panel1 = new HeaderPanel(central);
    Panel2 = new SearchBar(central);
    RxGIFAnimator2 = new AnimatedPicture(central);
    RxGIFAnimator2->setObjectName(QStringLiteral("RxGIFAnimator2"));
    RxGIFAnimator2->setFixedHeight(0);
    RxGIFAnimator2->setAutoHeight(true);
    sPageControl1 = new WorkTabs(central);
    Panel3 = new LegendPanel(central);
    Panel5 = new TickerPanel(central);
    placeGrids();

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QWidget* part : std::initializer_list<QWidget*>{Panel1, Panel2, RxGIFAnimator2})
        layout->addWidget(part);
    layout->addWidget(sPageControl1, 1);
    layout->addWidget(Panel3);
    layout->addWidget(Panel5);
    setCentralWidget(central);
    // Set last, so that it reaches every control built above.
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(true);
    setFont(font);
}

void TForm1::placeGrids()
{
    WorkTabs& tabs = *sPageControl1;
    cxGrid1 = WorkGrids::stok(tabs.sstoklistesi);
    cxGrid2 = WorkGrids::sepet(tabs.ssepet);
    cxGrid6 = WorkGrids::yeniler(tabs.syeniler);
    cxkampanyali = WorkGrids::kampanyali(tabs.skampanyali);
    tabs.sstoklistesi->setContent(cxGrid1);
    tabs.ssepet->setContent(cxGrid2);
    tabs.syeniler->setContent(cxGrid6);
    tabs.skampanyali->setContent(cxkampanyali);
}

void TForm1::connectHandlers()
{
    connect(Panel1->G1, &QAction::triggered, this, &TForm1::G1Click);
    connect(Panel1->WebSitesi1, &QAction::triggered, this, &TForm1::WebSitesi1Click);
    connect(cxGrid1, &DataGrid::resized, this, &TForm1::cxGrid1Resize);
    connect(cxGrid2, &DataGrid::resized, this, &TForm1::cxGrid2Resize);
    connect(cxGrid6, &DataGrid::resized, this, &TForm1::cxGrid6Resize);
    connect(cxkampanyali, &DataGrid::resized, this, &TForm1::cxkampanyaliResize);
}

void TForm1::katalogBagla()
{
    const WorkTabs& tabs = *sPageControl1;
    KatalogParcalari p;
    p.anaPencere = this;
    p.bagc = &bagc;
    p.sbilgi = &sbilgi;
    p.sPageControl1 = sPageControl1;
    p.sstoklistesi = tabs.sstoklistesi;
    p.syeniler = tabs.syeniler;
    p.skampanyali = tabs.skampanyali;
    p.araedit = Panel2->araedit;
    p.SpeedButton2 = Panel2->SpeedButton2;
    p.SpeedButton1 = Panel2->SpeedButton1;
    p.gifstokara = Panel2->gifstokara;
    p.gifyeniler = Panel2->gifyeniler;
    p.gifkampanyali = Panel2->gifkampanyali;
    p.cxGrid1 = cxGrid1;
    p.cxGrid6 = cxGrid6;
    p.cxkampanyali = cxkampanyali;
    p.stok = stok;
    p.YENILER = YENILER;
    p.kampstok = kampstok;
    p.sepet = sepet;
    katalog = new Katalog(p, this);
}

bool TForm1::FormCreate()
{
    _acilisadet = 0;
    // The application's name is the title of its plain message boxes.
    QApplication::setApplicationName(QStringLiteral("Oto Korvel B2B"));
    setWindowTitle(QStringLiteral("Oto Korvel B2B Programı"));
    MesajDialog::setMessagePointSize(15);
    sbilgi.SetBilgiSayarAdi(BilgisayarAdiAl());
    sbilgi.SetBilgisayarKullanici(KullaniciAdiAl());
    sbilgi.SetIcip(YerelIpAl());
    sbilgi.SetBILGISAYARID(BilgisayarIdAl());
    bagc.HostName = AppConfig::serverHost();
    bagc.Port = AppConfig::serverPort();
    Panel1->WebSitesi1->setText(AppConfig::webBase());
    if (!GirisYap())
        return false;
    m_acilis.start(this, {});
    return true;
}

bool TForm1::GirisYap()
{
    {
        // No parent: the login has a task-bar button of its own while this window is hidden.
        Tgirisform giris(bagc, sbilgi);
        if (giris.exec() != QDialog::Accepted) {
            ProcessEnd::now(0);
            return false;
        }
    }
    if (sbilgi.Disip().trimmed().isEmpty()) {
        ProcessEnd::now(0);
        return false;
    }
    KullaniciTipineGoreAyarla();
    return true;
}

void TForm1::KullaniciTipineGoreAyarla()
{
    switch (sbilgi.MusteriTipi()) {
    case 1:
    case 2:
        saticiGorunumu();
        break;
    case 3:
        bayiGorunumu();
        break;
    case 4:
        kisaGorunum();
        break;
    default:
        break;
    }
}

void TForm1::saticiGorunumu()
{
    Panel2->musteritus->show();
    for (DataGrid* grid : {cxGrid1, cxkampanyali, cxGrid2, cxGrid6})
        WorkGrids::setColumnOffered(*grid, QStringLiteral("KALAN"), true);
    for (DataGrid* grid : {cxGrid1, cxGrid6, cxkampanyali}) {
        WorkGrids::setColumnOffered(*grid, QStringLiteral("ALINANSIPARIS"), true);
        WorkGrids::setColumnOffered(*grid, QStringLiteral("VERILENSIPARIS"), true);
    }
    Panel1->R1->setVisible(true);
}

void TForm1::bayiGorunumu()
{
    WorkGrids::setColumnOffered(*cxGrid2, QStringLiteral("DURUM"), false);
    Panel1->R1->setVisible(false);
}

void TForm1::kisaGorunum()
{
    sPageControl1->skampanyali->setTabVisible(false);
    for (DataGrid* grid : {cxGrid1, cxGrid6}) {
        WorkGrids::setColumnOffered(*grid, QStringLiteral("KAMPFIYAT"), false);
        WorkGrids::setColumnOffered(*grid, QStringLiteral("K"), false);
    }
    Panel1->R1->setVisible(false);
}

void TForm1::AnaBilgiAl()
{
    GuiThread::runBlocking([this] {
        Panel1->kullanicilbl->setText(sbilgi.ADI());
        Panel1->cariadilbl->setText(sbilgi.CariAdi());
        Panel1->saticilbl->setText(sbilgi.SaticiAdi() + QStringLiteral(" Telefonu: ") +
                                   sbilgi.SaticiTelefon() + QStringLiteral(" email: ") +
                                   sbilgi.SaticiMail());
    });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The window never closes by itself: either the program ends or it stays.
    event->ignore();
    FormCloseQuery();
}

void TForm1::FormCloseQuery()
{
    if (MesajGoster(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"),
                    MessageKind::Confirmation, MessageButton::YesNo,
                    MessageButton::Yes) == MessageResult::Yes)
        ProcessEnd::now(0);
}

void TForm1::G1Click()
{
    close();
}

void TForm1::WebSitesi1Click()
{
    Shell::open(AppConfig::webBase());
    Panel2->araedit->selectAll();
    Panel2->araedit->setFocus();
}

void TForm1::StokKolonAyarla()
{
    WorkGrids::stokKolonAyarla(*cxGrid1, width() > WideWidth);
}

void TForm1::cxGrid1Resize()
{
    // A running search disables the box; the layout waits for its end.
    if (Panel2->araedit->isEnabled())
        StokKolonAyarla();
}

void TForm1::cxGrid2Resize()
{
    if (cxGrid2->isEnabled())
        cxGrid2->applyWidthRule(ekranGenisligi());
}

void TForm1::cxGrid6Resize()
{
    cxGrid6->applyWidthRule(ekranGenisligi());
}

void TForm1::cxkampanyaliResize()
{
    if (cxkampanyali->isEnabled())
        cxkampanyali->applyWidthRule(ekranGenisligi());
}

void TForm1::siparisBagla()
{
    m_sepet = new CartTab({this, sPageControl1->ssepet, cxGrid2, sepet, Panel2->gifsepet,
                           Panel2->araedit, bagc, sbilgi},
                          this);
    // The two sides reach each other only through these callbacks.
    m_sepet->satirDegistir = [this](int sirano) { katalog->SepetSatirDegistir(sirano); };
    katalog->sepetYenile = [this] { m_sepet->SepetYenile(); };
}

int TForm1::ekranGenisligi() const
{
    return screen()->geometry().width();
}
