#include "FaultPlan.h"
#include "FrameBuilder.h"
#include "GifEncoder.h"
#include "HttpMessage.h"
#include "PriceMath.h"
#include "TextFold.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtTest>

/// The server's pure pieces: price arithmetic, Turkish folding, fault specs, the GIF
/// encoder, the HTTP request parser and the framing of answers.
class tst_ServerUnits : public QObject
{
    Q_OBJECT

private slots:
    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("half up") << 0.125 << 0.13;
        QTest::newRow("half away from zero") << -0.125 << -0.13;
        QTest::newRow("binary 1.005") << 1.005 << 1.01;
        QTest::newRow("1234.565") << 1234.565 << 1234.57;
        QTest::newRow("below half") << 2.344 << 2.34;
        QTest::newRow("zero") << 0.0 << 0.0;
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(PriceMath::round2(value), rounded);
    }

    void cascadedLine()
    {
        // Price 100, quantity 3, rates 10 and 5, VAT 20.
        const LineAmounts a = PriceMath::line(3, 100, {10, 5, 0, -4}, 20);
        QCOMPARE(a.gross, 300.0);
        QCOMPARE(a.net, 256.5);
        QCOMPARE(a.discount, 43.5);
        QCOMPARE(a.netUnit, 85.5);
        QCOMPARE(a.vat, 51.3);
        QCOMPARE(a.discountText, QStringLiteral("10+5"));
        QCOMPARE(PriceMath::withVat(85.5, 20), 102.6);
        QCOMPARE(PriceMath::discountText({0, 0, 0, 0}), QStringLiteral("0"));
        QCOMPARE(PriceMath::effectiveRate({30, 10, 0, 0}), 37.0);
    }

    void folding()
    {
        QCOMPARE(TextFold::fold(QStringLiteral("şöğüçı İŞ")), QStringLiteral("SOGUCI IS"));
        QCOMPARE(TextFold::searchWords(QStringLiteral(" fren  OK-1234 fren ")),
                 (QStringList{"FREN", "OK1234"}));
        QCOMPARE(TextFold::words(QStringLiteral("OK-100007 DİSKİ")),
                 (QStringList{"OK100007", "OK", "100007", "DISKI"}));
        QCOMPARE(TextFold::prefixEnd(QStringLiteral("FREN")), QStringLiteral("FREO"));
    }

    void faultSpecs_data()
    {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<bool>("valid");
        QTest::newRow("delay") << "delay:StokAraGetir:2000" << true;
        QTest::newRow("error with colons") << "error:SepetVer2:a:b" << true;
        QTest::newRow("short stream") << "short-stream:ResimVer5:48" << true;
        QTest::newRow("short stream of a table") << "short-stream:SepetVer2:48" << false;
        QTest::newRow("refuse") << "refuse:3" << true;
        QTest::newRow("drop") << "drop:SepetVer2" << true;
        QTest::newRow("unknown method") << "delay:Nope:1" << false;
        QTest::newRow("unknown kind") << "melt:SepetVer2" << false;
        QTest::newRow("bad number") << "delay:SepetVer2:x" << false;
    }
    void faultSpecs()
    {
        QFETCH(QString, spec);
        QFETCH(bool, valid);
        QString error;
        QCOMPARE(FaultPlan::parse({spec}, error).has_value(), valid);
    }
    void faultPlanAnswers()
    {
        QString error;
        auto plan = FaultPlan::parse({"refuse:2", "error:SepetVer2:Kapalı: bakım",
                                      "short-stream:ResimVer5:48"},
                                     error);
        QVERIFY(plan);
        QVERIFY(plan->takeRefusal());
        QVERIFY(plan->takeRefusal());
        QVERIFY(!plan->takeRefusal());
        QCOMPARE(plan->errorText("SepetVer2").value(), QStringLiteral("Kapalı: bakım"));
        QCOMPARE(plan->extraAnnounced("ResimVer5"), 48);
        QVERIFY(!plan->errorText("ResimVer5"));
    }

    void gifRoundTrip()
    {
        QList<QImage> frames;
        for (int i = 0; i < 3; ++i) {
            QImage img(200, 80, QImage::Format_RGB32);
            img.fill(i == 1 ? Qt::red : Qt::blue);
            QPainter(&img).fillRect(10 * i, 10, 50, 50, Qt::white);
            frames << img;
        }
        QByteArray gif = GifEncoder::encode(frames, 50);
        QBuffer buffer(&gif);
        QImageReader reader(&buffer, "gif");
        QCOMPARE(reader.imageCount(), 3);
        const QImage first = reader.read();
        QCOMPARE(first.size(), QSize(200, 80));
        QCOMPARE(QColor(first.pixel(100, 70)), QColor(Qt::blue));
        QCOMPARE(QColor(first.pixel(20, 20)), QColor(Qt::white));
        const QImage second = reader.read();
        QCOMPARE(QColor(second.pixel(100, 70)), QColor(Qt::red));
    }
    void gifLargeNoisyPictureSurvivesDictionaryResets()
    {
        QImage img(300, 300, QImage::Format_RGB32);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 300; ++x)
                img.setPixel(x, y, qRgb(x % 6 * 51, y % 6 * 51, (x ^ y) % 6 * 51)); // palette colours
        const QImage back = QImage::fromData(GifEncoder::encode({img}, 0), "GIF");
        QCOMPARE(back.size(), img.size());
        QCOMPARE(QColor(back.pixel(299, 299)), QColor(img.pixel(299, 299)));
        QCOMPARE(QColor(back.pixel(123, 45)), QColor(img.pixel(123, 45)));
    }

    void httpParser_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("state");
        using S = HttpParser::State;
        QTest::newRow("get") << QByteArray("GET /a?id=1 HTTP/1.1\r\nHost: x\r\n\r\n") << int(S::Complete);
        QTest::newRow("incomplete") << QByteArray("GET / HTTP/1.1\r\n") << int(S::Incomplete);
        QTest::newRow("garbage") << QByteArray("\x01\x02 nonsense\r\n\r\n") << int(S::Malformed);
        QTest::newRow("bad header") << QByteArray("GET / HTTP/1.1\r\nnocolon\r\n\r\n") << int(S::Malformed);
        QTest::newRow("body waits") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 5\r\n\r\nab") << int(S::Incomplete);
        QTest::newRow("body too large") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 999999\r\n\r\n") << int(S::TooLarge);
        QTest::newRow("head too large") << QByteArray(20000, 'a') << int(S::TooLarge);
    }
    void httpParser()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, state);
        HttpRequest r;
        QCOMPARE(int(HttpParser::parse(bytes, r)), state);
    }

    void framesCarryTheWholeBody_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<int>("frames");
        const qsizetype max = WireCodec::MaxFrameBody;
        QTest::newRow("empty") << qsizetype(0) << 1;
        QTest::newRow("small") << qsizetype(100) << 1;
        QTest::newRow("exactly one frame") << max << 1;
        QTest::newRow("one byte over") << max + 1 << 2;
        QTest::newRow("three frames") << 2 * max + 12345 << 3;
    }
    void framesCarryTheWholeBody()
    {
        QFETCH(qsizetype, size);
        QFETCH(int, frames);
        QByteArray body(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i)
            body[i] = char(i * 7 + i / 251);
        const QByteArray message = FrameBuilder::message(WireCodec::Kind::Result, body);
        QByteArray joined;
        int seen = 0;
        for (qsizetype at = 0; at < message.size(); ++seen) {
            const auto h = WireCodec::parseFrameHeader(message.constData() + at);
            QCOMPARE(h.kind, WireCodec::Kind::Result);
            QCOMPARE(h.more, seen + 1 < frames);
            joined.append(message.constData() + at + WireCodec::FrameHeaderSize, h.length);
            at += WireCodec::FrameHeaderSize + h.length;
        }
        QCOMPARE(seen, frames);
        QVERIFY(joined == body);
    }
};

QTEST_MAIN(tst_ServerUnits)
#include "tst_ServerUnits.moc"
