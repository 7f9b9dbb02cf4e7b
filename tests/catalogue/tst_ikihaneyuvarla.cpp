#include "IkiHaneYuvarla.h"

#include <QLocale>
#include <QtTest>

/// The money rounding under the user's locale: whatever its separators, the result is the
/// value rounded to two decimals with halves away from zero.
class TestIkiHaneYuvarla : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void rounds_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");

        // The binary value of 1234.565 lies just below the half; it still goes up.
        QTest::newRow("1234.565 Turkish") << "tr_TR" << 1234.565 << 1234.57;
        QTest::newRow("1234.565 English") << "en_US" << 1234.565 << 1234.57;
        // A narrow no-break space groups the thousands here; it must not stop the reading.
        QTest::newRow("1234.565 French") << "fr_FR" << 1234.565 << 1234.57;
        QTest::newRow("millions grouped twice") << "tr_TR" << 1234567.891 << 1234567.89;
        QTest::newRow("zero writes only ,00") << "tr_TR" << 0.0 << 0.0;
        QTest::newRow("no whole digit") << "tr_TR" << 0.125 << 0.13;
        QTest::newRow("negative half") << "tr_TR" << -0.125 << -0.13;
        QTest::newRow("negative half grouped") << "tr_TR" << -1234.565 << -1234.57;
        QTest::newRow("negative to zero") << "tr_TR" << -0.004 << 0.0;
        QTest::newRow("carry into the whole part") << "tr_TR" << 999.995 << 1000.0;
        QTest::newRow("below the half") << "tr_TR" << 2.344999 << 2.34;
        QTest::newRow("already two decimals") << "tr_TR" << 85.5 << 85.5;
    }

    void rounds()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(double, rounded);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(IkiHaneYuvarla(value), rounded);
    }
};

QTEST_GUILESS_MAIN(TestIkiHaneYuvarla)
#include "tst_ikihaneyuvarla.moc"
