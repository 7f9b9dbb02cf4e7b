#include "AdetKutusu.h"
#include "TAsyncResim.h"
#include "Tstokayarinti.h"
#include "TutarKutusu.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

Q_DECLARE_METATYPE(StokKaynagi)

namespace {

/// An item as the lists and the cart deliver it: price 100, VAT 20, rates 10 and 5.
StokSatiri ornek(int k = 0, const QString& indirimYazi = QStringLiteral("10+5"))
{
    StokSatiri s;
    s.stokno = 17;
    s.barkod = QStringLiteral("8690000000170");
    s.adi = QStringLiteral("FREN BALATASI ÖN");
    s.finishkod = QStringLiteral("FB-017");
    s.marka = QStringLiteral("BOSCH");
    s.model = QStringLiteral("DOBLO");
    s.kdv = 20;
    s.k = k;
    s.fiyat = 100;
    s.oranlar = {10, 5, 0, 0};
    s.indirimYazi = indirimYazi;
    return s;
}

/// The dialog filled and shown (not modally), as its opener leaves it.
struct ShownDialog
{
    Tstokayarinti d{nullptr, 17};

    explicit ShownDialog(const StokSatiri& satir, StokKaynagi kaynak = StokKaynagi::StokListesi,
                         bool satici = false)
    {
        d.Doldur(satir, kaynak, satici);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
    }
    void typeQuantity(const QString& text)
    {
        d.adet->selectAll();
        QTest::keyClick(d.adet, Qt::Key_Backspace);
        QTest::keyClicks(d.adet, text);
    }
};

} // namespace

/// The stock detail dialog on its own: captions by source, the salesman's rights, the price
/// arithmetic, its keys and the quantity check on confirmation.
class TestStokayarinti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parts();
    void captions_data();
    void captions();
    void rights_data();
    void rights();
    void discountShownAboveOne_data();
    void discountShownAboveOne();
    void workedExample();
    void quantityRecomputes_data();
    void quantityRecomputes();
    void enterInQuantityConfirms();
    void enterInPriceDoesNothing();
    void f4DividesThePriceInEveryAmountBox();
    void impossibleQuantityIsNotConfirmed_data();
    void impossibleQuantityIsNotConfirmed();
    void vazgecCancels();
};

void TestStokayarinti::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    // Nothing listens there: the web picture stays as it is.
    qputenv("OTOKORVEL_WEB_BASE", "http://127.0.0.1:9/");
}

void TestStokayarinti::parts()
{
    ShownDialog s(ornek());
    Tstokayarinti& d = s.d;
    QCOMPARE(d.windowTitle(), QStringLiteral("Sepete Ekle"));
    QCOMPARE(d.size(), QSize(662, 631));
    QCOMPARE(d.barkod->text(), QStringLiteral("8690000000170"));
    QCOMPARE(d.adi->text(), QStringLiteral("FREN BALATASI ÖN"));
    QCOMPARE(d.finishkod->text(), QStringLiteral("FB-017"));
    QCOMPARE(d.marka->text(), QStringLiteral("BOSCH"));
    QCOMPARE(d.model->text(), QStringLiteral("DOBLO"));
    QCOMPARE(d.kdvoran, 20.0);
    QCOMPARE(d.adet->minimum(), 1);
    QCOMPARE(d.adet->maximum(), 10000);
    QCOMPARE(d.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
    QCOMPARE(d.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
    QCOMPARE(d.AsyncResim1->Url(), QStringLiteral("http://127.0.0.1:9/resimgoster.ashx?id=17"));
    QCOMPARE(d.birimfiyat->font().pixelSize(), 20);
    QCOMPARE(d.birimfiyat->font().family(), QStringLiteral("Tahoma"));
    // The quantity has the focus, its text selected so that typing replaces it.
    QVERIFY(d.adet->hasFocus());
    QCOMPARE(d.adet->text(), QStringLiteral("1"));
    QTest::keyClicks(d.adet, "4");
    QCOMPARE(d.adet->text(), QStringLiteral("4"));
}

void TestStokayarinti::captions_data()
{
    QTest::addColumn<StokKaynagi>("kaynak");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("yazi");
    QTest::addColumn<QString>("fiyatBasligi");
    QTest::addColumn<QString>("indirimBasligi");

    QTest::newRow("stock list") << StokKaynagi::StokListesi << 0 << "30+10"
                                << "Fiyat:"
                                << "İndirim: %30+10";
    QTest::newRow("stock list, campaign") << StokKaynagi::StokListesi << 1 << "%20"
                                          << "Kampanyalı Fiyat:"
                                          << "Kampanyalı %20";
    QTest::newRow("new products") << StokKaynagi::YeniStoklar << 0 << "30+10"
                                  << "Fiyat:"
                                  << "İndirim:  % 30+10";
    QTest::newRow("new products, campaign") << StokKaynagi::YeniStoklar << 1 << "%20"
                                            << "Kampanyalı Fiyat:"
                                            << "Kampanyalı %20";
    QTest::newRow("campaign products") << StokKaynagi::Kampanyali << 1 << "%20"
                                       << "Kampanyalı Fiyat:"
                                       << "Kampanyalı %20";
    QTest::newRow("cart line") << StokKaynagi::SepetSatiri << 0 << "30+10"
                               << "Fiyat:"
                               << "İndirim:";
}

void TestStokayarinti::captions()
{
    QFETCH(StokKaynagi, kaynak);
    QFETCH(int, k);
    QFETCH(QString, yazi);
    QFETCH(QString, fiyatBasligi);
    QFETCH(QString, indirimBasligi);

    ShownDialog s(ornek(k, yazi), kaynak);
    QCOMPARE(s.d.Label2->text(), fiyatBasligi);
    QCOMPARE(s.d.indirimoran->text(), indirimBasligi);
}

void TestStokayarinti::rights_data()
{
    QTest::addColumn<StokKaynagi>("kaynak");
    QTest::addColumn<bool>("satici");
    QTest::addColumn<bool>("fiyatDegisir");
    QTest::addColumn<bool>("oranlarDegisir");
    QTest::addColumn<bool>("panelGorunur");

    QTest::newRow("customer") << StokKaynagi::StokListesi << false << false << false << false;
    QTest::newRow("customer, cart line")
        << StokKaynagi::SepetSatiri << false << false << false << false;
    QTest::newRow("salesman") << StokKaynagi::StokListesi << true << true << true << true;
    QTest::newRow("salesman, new products")
        << StokKaynagi::YeniStoklar << true << true << true << true;
    QTest::newRow("salesman, campaign: no rates panel")
        << StokKaynagi::Kampanyali << true << true << true << false;
    // A changed line keeps its stored rates; the boxes show them but take no typing.
    QTest::newRow("salesman, cart line: stored rates")
        << StokKaynagi::SepetSatiri << true << true << false << true;
}

void TestStokayarinti::rights()
{
    QFETCH(StokKaynagi, kaynak);
    QFETCH(bool, satici);
    QFETCH(bool, fiyatDegisir);
    QFETCH(bool, oranlarDegisir);
    QFETCH(bool, panelGorunur);

    ShownDialog s(ornek(), kaynak, satici);
    QCOMPARE(!s.d.birimfiyat->isReadOnly(), fiyatDegisir);
    for (TutarKutusu* box : {s.d.edindirim1, s.d.edindirim2, s.d.edindirim3, s.d.edindirim4})
        QCOMPARE(!box->isReadOnly(), oranlarDegisir);
    for (TutarKutusu* box : {s.d.indtutar, s.d.kdvdahiltutar, s.d.geneltutar})
        QVERIFY(box->isReadOnly());
    QCOMPARE(s.d.GridPanel2->isVisible(), panelGorunur);
}

void TestStokayarinti::discountShownAboveOne_data()
{
    QTest::addColumn<FiyatHesabi::Oranlar>("oranlar");
    QTest::addColumn<bool>("gorunur");

    QTest::newRow("none") << FiyatHesabi::Oranlar{0, 0, 0, 0} << false;
    QTest::newRow("exactly 1") << FiyatHesabi::Oranlar{0.5, 0.5, 0, 0} << false;
    QTest::newRow("1.1") << FiyatHesabi::Oranlar{0.5, 0.6, 0, 0} << true;
    QTest::newRow("30+10") << FiyatHesabi::Oranlar{30, 10, 0, 0} << true;
}

void TestStokayarinti::discountShownAboveOne()
{
    QFETCH(FiyatHesabi::Oranlar, oranlar);
    QFETCH(bool, gorunur);

    StokSatiri satir = ornek();
    satir.oranlar = oranlar;
    ShownDialog s(satir);
    QCOMPARE(s.d.IndirimVarmi(), gorunur);
    QCOMPARE(s.d.indirimoran->isVisible(), gorunur);
    QCOMPARE(s.d.indtutar->isVisible(), gorunur);
}

void TestStokayarinti::workedExample()
{
    StokSatiri satir = ornek();
    satir.miktar = 3;
    ShownDialog s(satir, StokKaynagi::SepetSatiri);
    QCOMPARE(s.d.birimfiyat->text(), QStringLiteral("100,00"));
    QCOMPARE(s.d.indtutar->text(), QStringLiteral("43,50"));
    QCOMPARE(s.d.kdvdahiltutar->text(), QStringLiteral("102,60"));
    QCOMPARE(s.d.geneltutar->text(), QStringLiteral("307,80"));
}

void TestStokayarinti::quantityRecomputes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kdvDahil");
    QTest::addColumn<QString>("genel");

    QTest::newRow("3") << "3"
                       << "102,60"
                       << "307,80";
    QTest::newRow("0 gives nothing") << "0"
                                     << "0,00"
                                     << "0,00";
    QTest::newRow("empty counts as 1") << ""
                                       << "102,60"
                                       << "102,60";
}

void TestStokayarinti::quantityRecomputes()
{
    QFETCH(QString, typed);
    QFETCH(QString, kdvDahil);
    QFETCH(QString, genel);

    ShownDialog s(ornek());
    s.typeQuantity(typed);
    QCOMPARE(s.d.adet->text(), typed);
    QCOMPARE(s.d.kdvdahiltutar->text(), kdvDahil);
    QCOMPARE(s.d.geneltutar->text(), genel);
}

void TestStokayarinti::enterInQuantityConfirms()
{
    ShownDialog s(ornek());
    s.typeQuantity(QStringLiteral("12"));
    QTest::keyClick(s.d.adet, Qt::Key_Return);
    QCOMPARE(s.d.result(), int(QDialog::Accepted));
    QVERIFY(!s.d.isVisible());
    QCOMPARE(s.d.miktar(), std::optional<int>(12));
    QCOMPARE(s.d.fiyat(), 100.0);
    QCOMPARE(s.d.oranlar(), (FiyatHesabi::Oranlar{10, 5, 0, 0}));
}

void TestStokayarinti::enterInPriceDoesNothing()
{
    ShownDialog s(ornek(), StokKaynagi::StokListesi, true);
    s.d.birimfiyat->setFocus();
    QTest::keyClick(s.d.birimfiyat, Qt::Key_Return);
    QVERIFY(s.d.isVisible());
    QCOMPARE(s.d.result(), int(QDialog::Rejected));
}

void TestStokayarinti::f4DividesThePriceInEveryAmountBox()
{
    // A customer: the price box is read-only, and F4 still divides.
    ShownDialog s(ornek());
    QTest::keyClick(s.d.birimfiyat, Qt::Key_F4);
    QCOMPARE(s.d.fiyat(), 100 / 1.18);
    QCOMPARE(s.d.birimfiyat->text(), QStringLiteral("84,75"));
    QTest::keyClick(s.d.geneltutar, Qt::Key_F4);
    QCOMPARE(s.d.fiyat(), 100 / 1.18 / 1.18);
    QCOMPARE(s.d.birimfiyat->text(), QStringLiteral("71,82"));
    // 71.8184… × 0.9 × 0.95 = 61.40 net; × 1.2 = 73.68.
    QCOMPARE(s.d.kdvdahiltutar->text(), QStringLiteral("73,68"));
    // Another key released in an amount box recomputes; a salesman's typed price counts.
    ShownDialog satici(ornek(), StokKaynagi::StokListesi, true);
    satici.d.birimfiyat->selectAll();
    QTest::keyClicks(satici.d.birimfiyat, "200");
    QCOMPARE(satici.d.fiyat(), 200.0);
    QCOMPARE(satici.d.kdvdahiltutar->text(), QStringLiteral("205,20"));
}

void TestStokayarinti::impossibleQuantityIsNotConfirmed_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");

    QTest::newRow("empty, Enter") << "" << true;
    QTest::newRow("0, Enter") << "0" << true;
    QTest::newRow("above 10000, Enter") << "10001" << true;
    QTest::newRow("empty, button") << "" << false;
}

void TestStokayarinti::impossibleQuantityIsNotConfirmed()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);

    ShownDialog s(ornek());
    s.typeQuantity(typed);
    if (byEnter)
        QTest::keyClick(s.d.adet, Qt::Key_Return);
    else
        s.d.ParcaliTus1->click();
    // Nothing is confirmed; the quantity box has the focus with its text selected.
    QVERIFY(s.d.isVisible());
    QCOMPARE(s.d.result(), int(QDialog::Rejected));
    QVERIFY(s.d.adet->hasFocus());
    QVERIFY(!s.d.miktar());
    QCOMPARE(s.d.adet->text(), typed);
    QCOMPARE(s.d.adet->findChild<QLineEdit*>()->selectedText(), typed);
}

void TestStokayarinti::vazgecCancels()
{
    ShownDialog s(ornek());
    QTest::mouseClick(s.d.ParcaliTus2, Qt::LeftButton);
    QCOMPARE(s.d.result(), int(QDialog::Rejected));
    QVERIFY(!s.d.isVisible());
}

QTEST_MAIN(TestStokayarinti)
#include "tst_stokayarinti.moc"
