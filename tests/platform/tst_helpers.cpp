#include "AppError.h"
#include "BrowserPaths.h"
#include "ClientDataSet.h"
#include "DataSetHelpers.h"
#include "TextHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/// Rows with a Float, an Integer, a Currency and a Bcd amount and the selection column.
DataTable amounts(const QList<int>& sec)
{
    DataTable t;
    t.addColumn(DataColumn(QStringLiteral("TUTAR"), FieldType::Float));
    t.addColumn(DataColumn(QStringLiteral("MIKTAR"), FieldType::Integer));
    t.addColumn(DataColumn(QStringLiteral("BAKIYE"), FieldType::Currency));
    t.addColumn(DataColumn(QStringLiteral("ORAN"), FieldType::Bcd));
    t.addColumn(DataColumn(QStringLiteral("SEC"), FieldType::Integer));
    const double values[] = {1234.5, 0, 1234567.891};
    for (int i = 0; i < sec.size(); ++i)
        t.appendRow({values[i % 3], 1234, 1234.5, 1234.5, sec[i]});
    return t;
}

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void hexCoz_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("mixed case") << "0a0B" << QByteArray("\x0a\x0b");
        QTest::newRow("picture start") << "FFD8" << QByteArray("\xff\xd8");
        QTest::newRow("odd length") << "ABC" << QByteArray("\xab\x0c");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("zero byte") << "00ff" << QByteArray("\x00\xff", 2);
    }

    void hexCoz()
    {
        QFETCH(QString, text);
        QTEST(HexCoz(text), "bytes");
    }

    void hexCozRejectsNonHex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "FFZZ";
        QTest::newRow("sign") << "-1";
        QTest::newRow("blank") << "F F0";
        QTest::newRow("lone bad digit") << "ABG";
        QTest::newRow("non-ASCII digit") << QStringLiteral("١٢");
    }

    void hexCozRejectsNonHex()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(AppError, HexCoz(text));
    }

    void urlKodla_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("company name")
            << QStringLiteral("A&B Oto Ltd. Şti.") << "A&B%20Oto%20Ltd.%20%C5%9Eti.";
        QTest::newRow("existing escape") << "100%25"
                                         << "100%25";
        QTest::newRow("capital dotted I") << QStringLiteral("İ") << "%C4%B0";
        QTest::newRow("reserved pass") << "a=1&b=?/+#"
                                       << "a=1&b=?/+#";
        QTest::newRow("control and tilde") << QStringLiteral("x\ty~") << "x%09y~";
        QTest::newRow("empty") << ""
                               << "";
    }

    void urlKodla()
    {
        QFETCH(QString, text);
        QTEST(UrlKodla(text), "encoded");
    }

    void tutarBicimlendirFormatsFloatColumnsOnly()
    {
        ClientDataSet ds;
        ds.SetData(amounts({0, 0, 0}));
        TutarBicimlendir(ds);
        QCOMPARE(ds.DisplayFormat(0), QStringLiteral("#,###,##0.00"));
        for (int column = 1; column < ds.FieldCount(); ++column)
            QVERIFY2(ds.DisplayFormat(column).isEmpty(),
                     qPrintable(ds.Fields(column).FieldName()));
        QCOMPARE(ds.displayText(0, 0), QStringLiteral("1.234,50"));
        QCOMPARE(ds.displayText(1, 0), QStringLiteral("0,00"));
        QCOMPARE(ds.displayText(2, 0), QStringLiteral("1.234.567,89"));
        QCOMPARE(ds.value(0, 0).toDouble(), 1234.5); // the stored value stays
    }

    void veriVarmi()
    {
        ClientDataSet ds;
        QVERIFY(!VeriVarmi(ds)); // closed
        ds.SetData(amounts({}));
        QVERIFY(!VeriVarmi(ds)); // open, no rows
        ds.SetData(amounts({0}));
        QVERIFY(VeriVarmi(ds));
    }

    void secimVarmi_data()
    {
        QTest::addColumn<QList<int>>("sec");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("recNo");
        QTest::newRow("second row") << QList<int>{0, 1, 1} << true << 2;
        QTest::newRow("first row") << QList<int>{1, 0} << true << 1;
        QTest::newRow("none: after the last") << QList<int>{0, 0, 0} << false << 3;
        QTest::newRow("other values do not count") << QList<int>{2, -1} << false << 2;
        QTest::newRow("empty") << QList<int>{} << false << 0;
    }

    void secimVarmi()
    {
        QFETCH(QList<int>, sec);
        QFETCH(bool, selected);
        ClientDataSet ds;
        ds.SetData(amounts(sec));
        ds.Last();
        QCOMPARE(SecimVarmi(ds), selected);
        QTEST(ds.RecNo(), "recNo");
        QCOMPARE(ds.Eof(), !selected);
    }

    void secimVarmiOnClosedSet()
    {
        ClientDataSet ds;
        QVERIFY(!SecimVarmi(ds));
    }

    void chromeInUserFolder()
    {
        if (!ChromeYoluBul().isEmpty())
            QSKIP("a system-wide Chrome or Chromium is installed here");
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        QCOMPARE(ChromeYoluBul(), QString()); // none of the places holds one
        const QString chrome = home.filePath(QStringLiteral(".local/bin/google-chrome"));
        QVERIFY(QDir().mkpath(QFileInfo(chrome).absolutePath()));
        QFile file(chrome);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(ChromeYoluBul(), chrome);
        qputenv("HOME", savedHome);
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"
