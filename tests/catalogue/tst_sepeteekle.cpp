#include "AdetKutusu.h"
#include "Katalog.h"
#include "KatalogTestleri.h"
#include "ModalWatcher.h"
#include "OtoKorvelB2B.h"
#include "StokArama.h"
#include "TAsyncResim.h"
#include "Tstokayarinti.h"
#include "TutarKutusu.h"
#include "UiPictures.h"
#include "WebEngineTestMain.h"
#include "WorkTabs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

using namespace KatalogTestleri;

namespace {

/// What a test does with the stock detail dialog once it is up; it closes it.
using DialogStep = std::function<void(Tstokayarinti&)>;

/// Runs `step` on the stock detail dialog that `open` brings up; false when none came.
bool dialogIle(const std::function<void()>& open, const DialogStep& step)
{
    bool seen = false;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* dialog = qobject_cast<Tstokayarinti*>(modal);
        if (dialog == nullptr || seen)
            return;
        seen = true;
        step(*dialog);
        if (dialog->isVisible()) // a failed step leaves it open
            dialog->reject();
    });
    open();
    return seen;
}

void adetYaz(Tstokayarinti& d, const QString& text)
{
    d.adet->selectAll();
    QTest::keyClick(d.adet, Qt::Key_Backspace);
    QTest::keyClicks(d.adet, text);
}

void tutarYaz(TutarKutusu* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

/// The first row of a list whose item the cart does not hold.
int sepetteOlmayan(const ClientDataSet& liste, const DataTable& sepet)
{
    for (int row = 0; row < liste.RecordCount(); ++row) {
        const double stokno = RowValues(&liste, row).number(QStringLiteral("STOK_STOKNO"));
        if (satirBul(sepet, QStringLiteral("STOKNO"), stokno) < 0)
            return row;
    }
    return -1;
}

/// A logged-in window whose cart refreshes are counted and fetch the server's cart.
struct Pencere
{
    MainWindowFixture f;
    int yenileme = 0;

    explicit Pencere(const QString& workstation, const QStringList& serverArgs = {})
        : f(serverArgs)
    {
        if (!f.login(workstation))
            return;
        f.cariSec(1200, QStringLiteral("KORKMAZ OTO"));
        f.w().katalog->sepetYenile = [this] {
            ++yenileme;
            f.sepetiGetir();
        };
    }
    TForm1& w() { return f.w(); }
};

} // namespace

/// Putting items into the cart and changing cart lines through the stock detail dialog,
/// against a real server.
class TestSepeteEkle : public QObject
{
    Q_OBJECT

private slots:
    void addsANewLine();
    void itemInTheCartOpensItsLine();
    void salesmanAddsWithPriceAndRates();
    void salesmanChangesALineWithItsStoredRates();
    void emptyQuantitySendsNothing();
    void refusedAddLeavesTheCartAndSaysNothing();
    void waitsForARunningCartFetch();
    void productListsOpenTheDialog_data();
    void productListsOpenTheDialog();
    void pictures_data();
    void pictures();
};

void TestSepeteEkle::addsANewLine()
{
    Pencere p(QStringLiteral("DEMO-BAYI"));
    TForm1& w = p.w();
    QVERIFY(ara(p.f, QStringLiteral("BOSCH")));
    const DataTable once = p.f.sunucuSepeti();
    const int row = sepetteOlmayan(*w.stok, once);
    QVERIFY(row >= 0);
    const RowValues item(w.stok, row);
    const double stokno = item.number(QStringLiteral("STOK_STOKNO"));

    QString label2;
    QVERIFY(dialogIle([&] { ciftTikla(*w.cxGrid1, row); },
                      [&](Tstokayarinti& d) {
                          label2 = d.Label2->text();
                          QCOMPARE(d.barkod->text(), item.text(QStringLiteral("BARKOD")));
                          QCOMPARE(d.adi->text(), item.text(QStringLiteral("ADI")));
                          QVERIFY(d.GridPanel2->isHidden()); // a dealer
                          adetYaz(d, QStringLiteral("2"));
                          QTest::keyClick(d.adet, Qt::Key_Return);
                      }));
    QCOMPARE(label2, item.number(QStringLiteral("K")) > 0 ? QStringLiteral("Kampanyalı Fiyat:")
                                                          : QStringLiteral("Fiyat:"));
    const DataTable sonra = p.f.sunucuSepeti();
    QCOMPARE(sonra.rowCount(), once.rowCount() + 1);
    const int line = satirBul(sonra, QStringLiteral("STOKNO"), stokno);
    QVERIFY(line >= 0);
    QCOMPARE(sayi(sonra, line, QStringLiteral("MIKTAR")), 2.0);
    // Once because the cart was not fetched yet, once after the line went in.
    QCOMPARE(p.yenileme, 2);
    QCOMPARE(w.sepet->RecordCount(), sonra.rowCount());
    QVERIFY(p.f.presenter.entries().isEmpty());
}

void TestSepeteEkle::itemInTheCartOpensItsLine()
{
    Pencere p(QStringLiteral("DEMO-BAYI"));
    TForm1& w = p.w();
    const DataTable once = p.f.sunucuSepeti();
    QVERIFY(once.rowCount() > 0);
    const double stokno = sayi(once, 0, QStringLiteral("STOKNO"));
    const double sirano = sayi(once, 0, QStringLiteral("SIRANO"));
    const int miktar = qRound(sayi(once, 0, QStringLiteral("MIKTAR")));
    QVERIFY(ara(p.f, once.column(once.indexOf(QStringLiteral("BARKOD"))).stringAt(0)));
    const int row = w.stok->RecordCount() > 0 ? 0 : -1;
    QVERIFY(row == 0);
    QCOMPARE(RowValues(w.stok, row).number(QStringLiteral("STOK_STOKNO")), stokno);

    // Through the menu item "Sepete Ekle", which does what a double-click does.
    QVERIFY(dialogIle(
        [&] {
            w.cxGrid1->focusRow(row);
            w.katalog->stokArama()->S2->trigger();
        },
        [&](Tstokayarinti& d) {
            QCOMPARE(d.adet->text(), QString::number(miktar));
            QCOMPARE(d.Label2->text(), QStringLiteral("Fiyat:"));
            QCOMPARE(d.indirimoran->text(), QStringLiteral("İndirim:"));
            adetYaz(d, QStringLiteral("7"));
            QTest::keyClick(d.adet, Qt::Key_Return);
        }));
    const DataTable sonra = p.f.sunucuSepeti();
    QCOMPARE(sonra.rowCount(), once.rowCount());
    const int line = satirBul(sonra, QStringLiteral("SIRANO"), sirano);
    QCOMPARE(sayi(sonra, line, QStringLiteral("MIKTAR")), 7.0);
}

void TestSepeteEkle::salesmanAddsWithPriceAndRates()
{
    Pencere p(QStringLiteral("DEMO-SATICI"));
    TForm1& w = p.w();
    QVERIFY(ara(p.f, QStringLiteral("VALEO")));
    const int row = sepetteOlmayan(*w.stok, p.f.sunucuSepeti());
    const double stokno = RowValues(w.stok, row).number(QStringLiteral("STOK_STOKNO"));
    QVERIFY(dialogIle([&] { ciftTikla(*w.cxGrid1, row); },
                      [&](Tstokayarinti& d) {
                          QVERIFY(d.GridPanel2->isVisible());
                          tutarYaz(d.birimfiyat, QStringLiteral("250"));
                          tutarYaz(d.edindirim1, QStringLiteral("12"));
                          tutarYaz(d.edindirim2, QStringLiteral("3"));
                          adetYaz(d, QStringLiteral("2"));
                          d.ParcaliTus1->click();
                      }));
    const DataTable sepet = p.f.sunucuSepeti();
    const int line = satirBul(sepet, QStringLiteral("STOKNO"), stokno);
    QVERIFY(line >= 0);
    QCOMPARE(sayi(sepet, line, QStringLiteral("BIRIMFIYAT")), 250.0);
    QCOMPARE(sayi(sepet, line, QStringLiteral("MIKTAR")), 2.0);
    QCOMPARE(sayi(sepet, line, QStringLiteral("INDIRIMORANI1")), 12.0);
    QCOMPARE(sayi(sepet, line, QStringLiteral("INDIRIMORANI2")), 3.0);
    QCOMPARE(sayi(sepet, line, QStringLiteral("INDIRIMORANI3")), 0.0);
    QCOMPARE(sayi(sepet, line, QStringLiteral("VERENIDNO")), double(w.sbilgi.Sirano()));
}

void TestSepeteEkle::salesmanChangesALineWithItsStoredRates()
{
    Pencere p(QStringLiteral("DEMO-SATICI"));
    TForm1& w = p.w();
    p.f.sepetiGetir();
    const DataTable once = p.f.sunucuSepeti();
    const double sirano = sayi(once, 0, QStringLiteral("SIRANO"));
    const double oran1 = sayi(once, 0, QStringLiteral("INDIRIMORANI1"));
    QVERIFY(oran1 > 0);
    // The cart's road: a double-click on its line.
    QVERIFY(dialogIle([&] { w.katalog->SepetSatirDegistir(qRound(sirano)); },
                      [&](Tstokayarinti& d) {
                          QCOMPARE(d.edindirim1->value(), oran1);
                          QVERIFY(d.edindirim1->isReadOnly());
                          tutarYaz(d.birimfiyat, QStringLiteral("300"));
                          adetYaz(d, QStringLiteral("4"));
                          d.ParcaliTus1->click();
                      }));
    const DataTable sonra = p.f.sunucuSepeti();
    const int line = satirBul(sonra, QStringLiteral("SIRANO"), sirano);
    QCOMPARE(sayi(sonra, line, QStringLiteral("BIRIMFIYAT")), 300.0);
    QCOMPARE(sayi(sonra, line, QStringLiteral("MIKTAR")), 4.0);
    for (const char* oran : {"INDIRIMORANI1", "INDIRIMORANI2", "INDIRIMORANI3", "INDIRIMORANI4"})
        QCOMPARE(sayi(sonra, line, QString::fromLatin1(oran)),
                 sayi(once, 0, QString::fromLatin1(oran)));
    // After the change, and once more whatever the change gave.
    QCOMPARE(p.yenileme, 2);
}

void TestSepeteEkle::emptyQuantitySendsNothing()
{
    Pencere p(QStringLiteral("DEMO-BAYI"));
    TForm1& w = p.w();
    p.f.sepetiGetir();
    QVERIFY(ara(p.f, QStringLiteral("BOSCH")));
    const DataTable once = p.f.sunucuSepeti();
    const int row = sepetteOlmayan(*w.stok, once);
    QVERIFY(dialogIle([&] { ciftTikla(*w.cxGrid1, row); },
                      [&](Tstokayarinti& d) {
                          adetYaz(d, QString());
                          QTest::keyClick(d.adet, Qt::Key_Return);
                          QVERIFY(d.isVisible());
                          QVERIFY(d.adet->hasFocus());
                          d.ParcaliTus2->click();
                      }));
    QCOMPARE(p.f.sunucuSepeti().rowCount(), once.rowCount());
    QCOMPARE(p.yenileme, 0);
    QCOMPARE(cagriSayisi(p.f.server, "SepetEkle2"), 0);
    QVERIFY(p.f.presenter.entries().isEmpty());
}

void TestSepeteEkle::refusedAddLeavesTheCartAndSaysNothing()
{
    Pencere p(QStringLiteral("DEMO-SATICI"));
    TForm1& w = p.w();
    p.f.sepetiGetir();
    QVERIFY(ara(p.f, QStringLiteral("MANN")));
    const DataTable once = p.f.sunucuSepeti();
    const int row = sepetteOlmayan(*w.stok, once);
    // The server takes no rate above 100.
    QVERIFY(dialogIle([&] { ciftTikla(*w.cxGrid1, row); },
                      [&](Tstokayarinti& d) {
                          tutarYaz(d.edindirim1, QStringLiteral("150"));
                          d.ParcaliTus1->click();
                      }));
    QCOMPARE(cagriSayisi(p.f.server, "SepetEkle2"), 1);
    QCOMPARE(p.f.sunucuSepeti().rowCount(), once.rowCount());
    QCOMPARE(p.yenileme, 0);
    QVERIFY(p.f.presenter.entries().isEmpty());
}

void TestSepeteEkle::waitsForARunningCartFetch()
{
    Pencere p(QStringLiteral("DEMO-BAYI"));
    TForm1& w = p.w();
    p.f.sepetiGetir();
    QVERIFY(ara(p.f, QStringLiteral("BOSCH")));
    // The cart tab's fetch holds the cart's controls until its completion.
    w.sepet->DisableControls();
    QTimer::singleShot(300, w.sepet, [&w] { w.sepet->EnableControls(); });
    bool filled = false;
    QVERIFY(dialogIle([&] { ciftTikla(*w.cxGrid1, 0); },
                      [&](Tstokayarinti& d) {
                          filled = !w.sepet->ControlsDisabled();
                          d.ParcaliTus2->click();
                      }));
    QVERIFY(filled);
}

void TestSepeteEkle::productListsOpenTheDialog_data()
{
    QTest::addColumn<bool>("campaign");
    QTest::newRow("new products") << false;
    QTest::newRow("campaign products") << true;
}

void TestSepeteEkle::productListsOpenTheDialog()
{
    QFETCH(bool, campaign);

    Pencere p(QStringLiteral("DEMO-SATICI"));
    TForm1& w = p.w();
    p.f.sepetiGetir();
    WorkTabs& tabs = *w.sPageControl1;
    tabs.setActiveSheet(campaign ? tabs.skampanyali : tabs.syeniler);
    QVERIFY(p.f.bosta());
    DataGrid& grid = campaign ? *w.cxkampanyali : *w.cxGrid6;
    const ClientDataSet& liste = campaign ? *w.kampstok : *w.YENILER;
    const int row = sepetteOlmayan(liste, p.f.sunucuSepeti());
    QVERIFY(row >= 0);
    const RowValues item(&liste, row);
    QVERIFY(dialogIle([&] { ciftTikla(grid, row); },
                      [&](Tstokayarinti& d) {
                          QCOMPARE(d.stokno, qRound(item.number(QStringLiteral("STOK_STOKNO"))));
                          QCOMPARE(d.barkod->text(), item.text(QStringLiteral("BARKOD")));
                          QCOMPARE(d.fiyat(), item.number(QStringLiteral("FIYAT")));
                          if (campaign) {
                              QCOMPARE(d.Label2->text(), QStringLiteral("Kampanyalı Fiyat:"));
                              QVERIFY(d.GridPanel2->isHidden());
                          } else {
                              QVERIFY(d.GridPanel2->isVisible());
                          }
                          d.ParcaliTus2->click();
                      }));
    QCOMPARE(cagriSayisi(p.f.server, "SepetEkle2"), 0);
}

void TestSepeteEkle::pictures_data()
{
    QTest::addColumn<QStringList>("serverArgs");
    QTest::addColumn<int>("resim");
    QTest::addColumn<bool>("fromServer");

    QTest::newRow("stored picture") << QStringList() << 1 << true;
    QTest::newRow("no picture") << QStringList() << 0 << false;
    QTest::newRow("shorter than announced")
        << QStringList{"--fault", "short-stream:ResimVer5:10"} << 1 << false;
}

void TestSepeteEkle::pictures()
{
    QFETCH(QStringList, serverArgs);
    QFETCH(int, resim);
    QFETCH(bool, fromServer);

    Pencere p(QStringLiteral("DEMO-BAYI"), serverArgs);
    TForm1& w = p.w();
    p.f.sepetiGetir();
    QVERIFY(ara(p.f, QStringLiteral("BOSCH")));
    const DataTable sepet = p.f.sunucuSepeti();
    int row = -1;
    for (int r = 0; r < w.stok->RecordCount() && row < 0; ++r) {
        const RowValues item(w.stok, r);
        if (item.number(QStringLiteral("RESIM")) == resim &&
            satirBul(sepet, QStringLiteral("STOKNO"), item.number(QStringLiteral("STOK_STOKNO"))) <
                0)
            row = r;
    }
    QVERIFY(row >= 0);
    const QImage placeholder = UiPictures::logo().toImage();
    QVERIFY(dialogIle([&] { ciftTikla(*w.cxGrid1, row); },
                      [&](Tstokayarinti& d) {
                          QCOMPARE(d.Image1->picture() != placeholder, fromServer);
                          QVERIFY(d.AsyncResim1->Url().endsWith("/resimgoster.ashx?id=" +
                                                                QString::number(d.stokno)));
                          if (resim == 1)
                              QTRY_VERIFY(!d.AsyncResim1->picture().isNull());
                          d.ParcaliTus2->click();
                      }));
    QVERIFY(p.f.presenter.entries().isEmpty());
}

WEBENGINE_TEST_MAIN_WITH(TestSepeteEkle, OtoKorvelB2B)
#include "tst_sepeteekle.moc"
