#include "DisplayFormat.h"

#include <QtTest>

class TestDisplayFormat : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        const QString amount = QStringLiteral("#,###,##0.00");
        const QString rounding = QStringLiteral("#,###,##.00");
        QTest::newRow("grouped tr") << amount << 1234.5 << "tr_TR" << "1.234,50";
        QTest::newRow("grouped en") << amount << 1234567.891 << "en_US" << "1,234,567.89";
        QTest::newRow("zero") << amount << 0.0 << "tr_TR" << "0,00";
        QTest::newRow("negative") << amount << -1234.5 << "tr_TR" << "-1.234,50";
        QTest::newRow("half away from zero") << amount << 0.125 << "tr_TR" << "0,13";
        QTest::newRow("negative half") << amount << -0.125 << "tr_TR" << "-0,13";
        QTest::newRow("binary just below half") << amount << 1234.565 << "tr_TR" << "1.234,57";
        QTest::newRow("carry into new digit") << amount << 999.995 << "tr_TR" << "1.000,00";
        QTest::newRow("negative rounds to zero") << amount << -0.001 << "tr_TR" << "0,00";
        QTest::newRow("no whole digit") << rounding << 0.5 << "tr_TR" << ",50";
        QTest::newRow("zero without digit") << rounding << 0.0 << "tr_TR" << ",00";
        QTest::newRow("rounding pattern grouped") << rounding << 1234.565 << "tr_TR" << "1.234,57";
        QTest::newRow("optional decimals") << "0.##" << 2.5 << "en_US" << "2.5";
        QTest::newRow("whole only") << "#,##0" << 1234.5 << "en_US" << "1,235";
        QTest::newRow("tiny") << amount << 1e-20 << "en_US" << "0.00";
        QTest::newRow("large") << amount << 12345678901.0 << "en_US" << "12,345,678,901.00";
    }

    void format()
    {
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(DisplayFormat::format(pattern, value, QLocale(locale)), text);
    }
};

QTEST_GUILESS_MAIN(TestDisplayFormat)
#include "tst_displayformat.moc"
