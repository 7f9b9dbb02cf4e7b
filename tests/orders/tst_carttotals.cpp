#include "CartTotals.h"
#include "ClientDataSet.h"

#include <QtTest>

namespace {

struct Line
{
    double sec;
    double tutar;
    double indirim;
    double vergi;
};

using Lines = QList<Line>;
using Expected = QList<double>; // Toplam, İndirim, Vergi, Ara Toplam, Genel Toplam

/// A cart as the server sends it, with only the columns the totals read.
void fill(ClientDataSet& sepet, const Lines& lines)
{
    DataTable table(std::vector<DataColumn>{{QStringLiteral("SEC"), FieldType::Integer},
                                            {QStringLiteral("TUTAR"), FieldType::Float},
                                            {QStringLiteral("INDIRIMTUTAR"), FieldType::Float},
                                            {QStringLiteral("VERGITUTARI"), FieldType::Float}});
    for (const Line& l : lines)
        table.appendRow({int(l.sec), l.tutar, l.indirim, l.vergi});
    sepet.SetData(std::move(table));
}

} // namespace

Q_DECLARE_METATYPE(Lines)

class TestCartTotals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void totals_data();
    void totals();
    void closedCartHasNoTotals();
};

void TestCartTotals::totals_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Expected>("expected");

    QTest::newRow("no line marked: all zero")
        << Lines{{0, 100, 10, 16.2}, {0, 50, 0, 9}} << Expected{0, 0, 0, 0, 0};
    QTest::newRow("only marked lines count")
        << Lines{{1, 100, 10, 16.2}, {0, 999, 99, 99}, {1, 50.5, 0.5, 9}}
        << Expected{150.5, 10.5, 25.2, 140, 165.2};
    QTest::newRow("a mark of 2 is not a mark")
        << Lines{{2, 999, 99, 99}, {1, 10, 1, 1.8}, {-1, 5, 0, 1}}
        << Expected{10, 1, 1.8, 9, 10.8};
    // Rounded after every addition: three halves of a cent make 0.03, not round(0.015).
    QTest::newRow("rounding after every addition")
        << Lines{{1, 0.005, 0.005, 0.005}, {1, 0.005, 0.005, 0.005}, {1, 0.005, 0.005, 0.005}}
        << Expected{0.03, 0.03, 0.03, 0, 0.03};
    QTest::newRow("thousands") << Lines{{1, 1234.565, 234.565, 180}, {1, 8765.43, 765.43, 1440}}
                               << Expected{10000, 1000, 1620, 9000, 10620};
}

void TestCartTotals::totals()
{
    QFETCH(Lines, lines);
    QFETCH(Expected, expected);

    ClientDataSet sepet;
    fill(sepet, lines);
    sepet.Last();
    const CartTotals t = CartTotals::of(sepet);
    QCOMPARE(t.Toplam, expected[0]);
    QCOMPARE(t.IndirimToplam, expected[1]);
    QCOMPARE(t.Vergi, expected[2]);
    QCOMPARE(t.AraToplam, expected[3]);
    QCOMPARE(t.GenelToplam, expected[4]);
    QCOMPARE(sepet.RecNo(), lines.size()); // the cursor stays where it was
}

void TestCartTotals::closedCartHasNoTotals()
{
    ClientDataSet sepet;
    const CartTotals t = CartTotals::of(sepet);
    QCOMPARE(t.GenelToplam, 0.0);
    QCOMPARE(t.Toplam, 0.0);
}

QTEST_GUILESS_MAIN(TestCartTotals)
#include "tst_carttotals.moc"
