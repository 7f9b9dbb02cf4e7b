#include "StreamRule.h"

#include <QBuffer>
#include <QtTest>

class TestStreamRule : public QObject
{
    Q_OBJECT

private slots:
    void take_data()
    {
        QTest::addColumn<int>("delivered");
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("exactly one block") << 1024 << qint64(1024) << true;
        QTest::newRow("two blocks and a bit") << 2100 << qint64(2100) << true;
        QTest::newRow("shorter than announced") << 2000 << qint64(2048) << false;
        QTest::newRow("longer than announced") << 2048 << qint64(2000) << false;
        QTest::newRow("announced zero") << 0 << qint64(0) << false;
        QTest::newRow("announced zero, bytes sent") << 10 << qint64(0) << false;
        QTest::newRow("announced, nothing sent") << 0 << qint64(10) << false;
    }

    void take()
    {
        QFETCH(int, delivered);
        QFETCH(qint64, announced);
        QFETCH(bool, accepted);
        QByteArray bytes(delivered, '\0');
        for (int i = 0; i < delivered; ++i)
            bytes[i] = static_cast<char>(i * 7);
        QBuffer stream(&bytes);
        stream.open(QIODevice::ReadOnly);
        stream.seek(delivered); // the rule rewinds first
        int blocks = 0;
        const auto content = StreamRule::take(&stream, announced, [&] { ++blocks; });
        QCOMPARE(content.has_value(), accepted);
        if (accepted) {
            QCOMPARE(*content, bytes);
            QCOMPARE(blocks, delivered / 1024 + 1); // the last read is the short one
        }
    }

    void absentStream() { QVERIFY(!StreamRule::take(nullptr, 10)); }
};

QTEST_GUILESS_MAIN(TestStreamRule)
#include "tst_streamrule.moc"
