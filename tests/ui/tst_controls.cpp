// The smaller controls: ticker, animated picture, picture placement, the "Zircon" style
// and the program's pictures.
#include "AnimatedPicture.h"
#include "ArtworkPainter.h"
#include "GifWriter.h"
#include "PictureBox.h"
#include "Ticker.h"
#include "UiPictures.h"
#include "VisualStyle.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QtTest>

namespace {

QByteArray animation(int frames, QSize size)
{
    QList<QImage> images;
    for (int i = 0; i < frames; ++i) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(QColor(40 * i, 100, 200));
        images << image;
    }
    return GifWriter::encode(images, 5, Qt::white);
}

/// Counts paint events of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void tickerDefaultsAndItems()
    {
        Ticker ticker;
        QCOMPARE(ticker.interval(), 10);
        QCOMPARE(ticker.step(), 1);
        QCOMPARE(ticker.loopSpacing(), 100);
        QVERIFY(!ticker.isActive());
        ticker.resize(300, 40);
        ticker.addItem({"Kampanya", Qt::AlignVCenter, TickerItem::Style::PlainText});
        const int plain = ticker.contentWidth();
        QVERIFY(plain > 0);
        ticker.addItem({"<b>Yeni</b> <i>ürünler</i><br><font color='red' size='5'>geldi</font>",
                        Qt::AlignVCenter, TickerItem::Style::Html});
        QCOMPARE(ticker.itemCount(), 2);
        QVERIFY(ticker.contentWidth() > plain + ticker.itemSpacing());
        ticker.clearItems();
        QCOMPARE(ticker.contentWidth(), 0);
        ticker.advance(); // nothing to move
        QCOMPARE(ticker.offset(), 0);
    }

    void tickerMovesAndLoops()
    {
        Ticker ticker;
        ticker.resize(50, 30);
        ticker.addItem({"abc"});
        ticker.setStep(5);
        ticker.setLoopSpacing(20);
        const int pass = 50 + ticker.contentWidth() + 20;
        ticker.setLoopLimit(2);
        ticker.setActive(true);
        QTRY_VERIFY_WITH_TIMEOUT(!ticker.isActive(), 10000); // two passes, then it stops
        QCOMPARE(ticker.loops(), 2);
        QCOMPARE(ticker.offset(), 0);
        ticker.setLoopLimit(0);
        ticker.setActive(true);
        QTRY_VERIFY(ticker.offset() > 0);
        ticker.setActive(false);
        const int at = ticker.offset();
        QTest::qWait(50);
        QCOMPARE(ticker.offset(), at);
        QVERIFY(at < pass);
    }

    void tickerRepaintsOnlyItself()
    {
        QWidget parent;
        parent.resize(400, 100);
        auto* ticker = new Ticker(&parent);
        ticker->setGeometry(0, 60, 400, 40);
        ticker->addItem({"Duyuru"});
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QVERIFY(ticker->testAttribute(Qt::WA_OpaquePaintEvent));
        PaintCounter parentPaints(&parent);
        PaintCounter tickerPaints(ticker);
        ticker->setActive(true);
        QTRY_VERIFY(tickerPaints.count >= 3);
        QCOMPARE(parentPaints.count, 0);
    }

    void tickerOwnerDrawnItem()
    {
        Ticker ticker;
        ticker.resize(200, 40);
        QList<int> asked;
        ticker.setDrawItem([&asked](int index, QImage& bitmap) {
            asked << index;
            bitmap = QImage(120, 30, QImage::Format_RGB32);
            bitmap.fill(Qt::blue);
        });
        ticker.addItem({"", Qt::AlignVCenter, TickerItem::Style::OwnerDraw});
        QVERIFY(asked.contains(0));
        QCOMPARE(ticker.contentWidth(), 120);
        for (int i = 0; i < 150; ++i)
            ticker.advance();
        const QImage shot = ticker.grab().toImage();
        QCOMPARE(shot.pixelColor(100, 20), QColor(Qt::blue));
    }

    void animatedPictureFromBytes()
    {
        AnimatedPicture gif;
        gif.resize(100, 50);
        QVERIFY(gif.loadFromBytes(animation(4, {40, 20})));
        QCOMPARE(gif.frameCount(), 4);
        QVERIFY(gif.isRunning());
        QCOMPARE(gif.picture().size(), QSize(40, 20));
        gif.setAnimate(false);
        QVERIFY(!gif.isRunning());
        QVERIFY(!gif.loadFromBytes("GIF89a broken"));
        QVERIFY(gif.picture().isNull());
        QVERIFY(!gif.loadFromFile("/yok/banner.gif"));
    }

    void animatedPictureSizesItsHeight()
    {
        AnimatedPicture strip;
        strip.setAutoHeight(true);
        strip.setFixedHeight(0); // nothing to show yet
        QVERIFY(strip.loadFromBytes(animation(2, {300, 60})));
        QCOMPARE(strip.height(), 60);
        strip.clearAnimation();
        QCOMPARE(strip.height(), 60); // the caller decides the empty height
    }

    void picturePlacement_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("proportional");
        QTest::addColumn<bool>("center");
        QTest::addColumn<QRect>("placed");
        const QSize wide(200, 50);
        QTest::newRow("stretched, proportional, centred")
            << wide << true << true << true << QRect(0, 25, 100, 25);
        QTest::newRow("stretched to the area")
            << wide << true << false << false << QRect(0, 0, 100, 75);
        QTest::newRow("small picture centred")
            << QSize(20, 10) << false << true << true << QRect(40, 33, 20, 10);
        QTest::newRow("small picture enlarged")
            << QSize(20, 10) << true << true << false << QRect(0, 0, 100, 50);
        QTest::newRow("big picture shrunk")
            << wide << false << true << false << QRect(0, 0, 100, 25);
    }

    void picturePlacement()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, stretch);
        QFETCH(bool, proportional);
        QFETCH(bool, center);
        QFETCH(QRect, placed);
        QCOMPARE(
            PictureBox::placement(picture, QRect(0, 0, 100, 75), stretch, proportional, center),
            placed);
    }

    void zirconStyle()
    {
        QVERIFY(VisualStyle::styleSheet("Zircon").contains("QTabBar::tab"));
        QVERIFY(!VisualStyle::apply("Obsidian"));
        QCOMPARE(qApp->styleSheet(), QString()); // an unknown name keeps the default look
        QVERIFY(VisualStyle::apply("Zircon"));
        QCOMPARE(qApp->styleSheet(), VisualStyle::styleSheet("Zircon"));
        qApp->setStyleSheet(QString());
    }

    void programPictures()
    {
        const ImageList grid = UiPictures::gridImages();
        for (int index : UiPictures::durumIndexes())
            QVERIFY2(!grid.at(index).isNull(), qPrintable(QString::number(index)));
        QCOMPARE(UiPictures::durumIndexes().size(), 6);
        QVERIFY(grid.at(3).isNull()); // unused index of the status list
        for (const auto& flags : {UiPictures::yeniIndexes(), UiPictures::kampanyaIndexes(),
                                  UiPictures::resimIndexes()}) {
            for (int index : flags)
                QVERIFY(!grid.at(index).isNull());
        }
        const ImageList tabs = UiPictures::tabImages();
        for (int index : {0, 8, 3, 1, 10, 6, 5, 7, 12})
            QCOMPARE(tabs.at(index).size(), QSize(32, 32));
        QCOMPARE(UiPictures::logo().size(), QSize(412, 100));
        QCOMPARE(UiPictures::menuIcon().size(), QSize(48, 48));
        QVERIFY(!UiPictures::searchIcon().isNull());
        QImageReader busy(UiPictures::busyAnimation());
        QCOMPARE(busy.format(), QByteArray("gif"));
        QCOMPARE(busy.size(), QSize(28, 27));
        QVERIFY(busy.imageCount() > 1);
    }

    void gifWriterRoundTrip()
    {
        const QList<QImage> frames = ArtworkPainter::busyFrames();
        const QByteArray bytes = GifWriter::encode(frames, 8, Qt::white);
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "gif");
        QCOMPARE(reader.imageCount(), frames.size());
        const QImage first = reader.read();
        QCOMPARE(first.size(), QSize(28, 27));
        QCOMPARE(qAlpha(first.pixel(0, 0)), 0); // transparent background
        QVERIFY(GifWriter::encode({}, 5, Qt::white).isEmpty());
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
