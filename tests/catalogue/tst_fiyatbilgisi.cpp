#include "ClientDataSet.h"
#include "CustomDrawCell.h"
#include "FiyatBilgisi.h"
#include "GridStyleSet.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

/// The narrow layout's drawn price summary: its text and how a cell is painted.
class TestFiyatBilgisi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void metin_data()
    {
        QTest::addColumn<double>("liste");
        QTest::addColumn<double>("kampanya");
        QTest::addColumn<QString>("metin");

        QTest::newRow("without campaign: three lines")
            << 1234.5 << 0.0
            << "Liste Fiyatı: 1.234,50\r\nNetFiyat: 864,15\r\nKDV li Fiyat: 1.036,98\r\n";
        QTest::newRow("with campaign: four, campaign second")
            << 1234.5 << 999.0
            << "Liste Fiyatı: 1.234,50\r\nKampanyalı Fiyat: 999,00\r\nNetFiyat: 864,15\r\n"
               "KDV li Fiyat: 1.036,98\r\n";
        QTest::newRow("negative campaign price is no campaign")
            << 10.0 << -1.0
            << "Liste Fiyatı: 10,00\r\nNetFiyat: 864,15\r\nKDV li Fiyat: 1.036,98\r\n";
    }

    void metin()
    {
        QFETCH(double, liste);
        QFETCH(double, kampanya);
        QFETCH(QString, metin);
        QCOMPARE(FiyatBilgisi::Metin(liste, kampanya, 864.15, 1036.98), metin);
    }

    void cizim_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("position");
        QTest::addColumn<QColor>("background");

        QTest::newRow("selected") << true << 3 << QColor(210, 240, 249);
        QTest::newRow("odd row") << false << 1 << QColor(Qt::white);
        QTest::newRow("even row") << false << 2 << QColor(239, 239, 239);
    }

    /// The cell gets the row's colour all over, and the text stands right-aligned inside a
    /// 10-pixel margin on both sides.
    void cizim()
    {
        QFETCH(bool, selected);
        QFETCH(int, position);
        QFETCH(QColor, background);

        ClientDataSet stok;
        DataTable table;
        for (const char* name : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
            table.addColumn(DataColumn(QString::fromLatin1(name), FieldType::Float));
        table.appendRow({100.0, 0.0, 90.0, 108.0});
        stok.SetData(std::move(table));

        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::red);
        const GridStyleSet styles = GridStyleSet::shared(true);
        {
            QPainter painter(&image);
            painter.setPen(Qt::black);
            CustomDrawCell cell;
            cell.painter = &painter;
            cell.rect = image.rect();
            cell.row = RowValues(&stok, 0);
            cell.selected = selected;
            cell.position = position;
            cell.styles = &styles;
            FiyatBilgisi::cxGrid1DBTableView1FiyatBilgisiCustomDrawCell(cell);
            QVERIFY(cell.done);
        }
        const auto inkIn = [&](int from, int to) {
            for (int x = from; x < to; ++x) {
                for (int y = 0; y < image.height(); ++y) {
                    if (image.pixelColor(x, y) != background)
                        return true;
                }
            }
            return false;
        };
        QCOMPARE(image.pixelColor(0, 0), background);
        QCOMPARE(image.pixelColor(199, 99), background);
        QVERIFY(!inkIn(0, 10));
        QVERIFY(!inkIn(190, 200));
        QVERIFY(inkIn(170, 190)); // right-aligned
    }
};

QTEST_MAIN(TestFiyatBilgisi)
#include "tst_fiyatbilgisi.moc"
