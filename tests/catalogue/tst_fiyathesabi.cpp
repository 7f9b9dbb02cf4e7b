#include "FiyatHesabi.h"

#include <QLocale>
#include <QtTest>

Q_DECLARE_METATYPE(FiyatHesabi::Oranlar)

/// The price arithmetic of the stock detail dialog.
class TestFiyatHesabi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void hesapla_data()
    {
        QTest::addColumn<double>("fiyat");
        QTest::addColumn<int>("adet");
        QTest::addColumn<double>("kdv");
        QTest::addColumn<FiyatHesabi::Oranlar>("oranlar");
        QTest::addColumn<double>("indirim");
        QTest::addColumn<double>("kdvDahil");
        QTest::addColumn<double>("genel");

        using O = FiyatHesabi::Oranlar;
        // 300 − 30 = 270, − 13.5 = 256.5; unit 85.50; with VAT 102.60; three of them 307.80.
        QTest::newRow("worked example")
            << 100.0 << 3 << 20.0 << O{10, 5, 0, 0} << 43.5 << 102.6 << 307.8;
        QTest::newRow("no discount") << 12.5 << 4 << 18.0 << O{0, 0, 0, 0} << 0.0 << 14.75 << 59.0;
        QTest::newRow("negative rate skipped")
            << 100.0 << 1 << 20.0 << O{10, -50, 0, 0} << 10.0 << 108.0 << 108.0;
        QTest::newRow("all four rates cascade")
            << 200.0 << 1 << 0.0 << O{50, 50, 50, 50} << 187.5 << 12.5 << 12.5;
        QTest::newRow("quantity 0") << 100.0 << 0 << 20.0 << O{10, 0, 0, 0} << 0.0 << 0.0 << 0.0;
        // 3 × 33.335 = 100.005 → net 100.01, unit 33.34 (33.3366…), VAT 40.01, total 120.03.
        QTest::newRow("rounded at every step")
            << 33.335 << 3 << 20.0 << O{0, 0, 0, 0} << 0.0 << 40.01 << 120.03;
    }

    void hesapla()
    {
        QFETCH(double, fiyat);
        QFETCH(int, adet);
        QFETCH(double, kdv);
        QFETCH(FiyatHesabi::Oranlar, oranlar);
        QFETCH(double, indirim);
        QFETCH(double, kdvDahil);
        QFETCH(double, genel);

        const FiyatHesabi sonuc = FiyatHesabi::Hesapla(fiyat, adet, kdv, oranlar);
        QCOMPARE(sonuc.indirimTutar, indirim);
        QCOMPARE(sonuc.kdvDahil, kdvDahil);
        QCOMPARE(sonuc.genelTutar, genel);
    }
};

QTEST_GUILESS_MAIN(TestFiyatHesabi)
#include "tst_fiyathesabi.moc"
