#include "CallCommand.h"
#include "TestServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QtTest>

namespace {

struct Run
{
    int code = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

Run call(const QStringList& args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = CallCommand::run(args, out, err);
    out.flush();
    err.flush();
    return r;
}

QStringList at(const TestServer& server, const QStringList& rest)
{
    return QStringList{"--host", "127.0.0.1", "--port", QString::number(server.port())} + rest;
}

} // namespace

/// The command-line caller: parameters from text, the answer as JSON, exit codes.
class TestCallCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_server.started(), qPrintable(m_server.error())); }

    void recordResult()
    {
        const Run r = call(at(m_server, {"BuyukGetir", "DEMO-BAYI"}));
        QCOMPARE(r.code, 0);
        const QJsonObject result = r.json().value("result").toObject();
        QCOMPARE(result.value("type").toString(), QStringLiteral("baglantiu.TSonucBilgisi"));
        QCOMPARE(result.value("fields").toObject().value("FVarmi"), QJsonValue(true));
    }

    void recordParameterAndTable()
    {
        const QString session = QString::fromUtf8(
            QJsonDocument(call(at(m_server, {"BuyukGetir", "DEMO-BAYI"})).json().value("result")
                              .toObject())
                .toJson(QJsonDocument::Compact));
        const Run r = call(at(m_server, {"StokAraGetir", "FREN", session}));
        QCOMPARE(r.code, 0);
        const QJsonObject table = r.json().value("result").toObject();
        QStringList names;
        for (const auto c : table.value("columns").toArray())
            names << c.toObject().value("name").toString();
        QVERIFY(names.contains("IND1") && names.contains("NETFIYAT"));
        QVERIFY(!table.value("rows").toArray().isEmpty());
    }

    void streamShowsBothLengths()
    {
        const Run r = call(at(m_server, {"BannerResimVer"}));
        QCOMPARE(r.code, 0);
        const QJsonObject result = r.json().value("result").toObject();
        QVERIFY(result.value("delivered").toDouble() > 0);
        QCOMPARE(result.value("announced"), result.value("delivered"));
        QCOMPARE(result.value("sha256").toString().size(), 64);
        QCOMPARE(r.json().value("out").toObject().value("size"), result.value("announced"));
    }

    void serverErrorExitsOne()
    {
        TestServer failing({"--fault", "error:KayanYaziGetir:Yazı yok"});
        QVERIFY2(failing.started(), qPrintable(failing.error()));
        const Run r = call(at(failing, {"KayanYaziGetir"}));
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.trimmed(), QStringLiteral("Yazı yok"));
        QVERIFY(r.out.isEmpty());
    }

    void connectionFailureExitsTwo()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const QString port = QString::number(probe.serverPort());
        probe.close();
        const Run r = call({"--host", "127.0.0.1", "--port", port, "AcilisReklamAdet"});
        QCOMPARE(r.code, 2);
        QVERIFY(!r.err.isEmpty());
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no method") << QStringList{};
        QTest::newRow("unknown method") << QStringList{"Nope"};
        QTest::newRow("method name case") << QStringList{"kayanyazigetir"};
        QTest::newRow("missing parameter") << QStringList{"SepetVer2"};
        QTest::newRow("extra parameter") << QStringList{"SepetVer2", "1", "2"};
        QTest::newRow("text for an integer") << QStringList{"SepetVer2", "bir"};
        QTest::newRow("not a boolean") << QStringList{"SepetSecimGuncelle", "1", "yes"};
        QTest::newRow("malformed record") << QStringList{"SepetSayisi", "{\"type\":1}"};
    }

    void badUsage()
    {
        QFETCH(QStringList, args);
        const Run r = call(at(m_server, args));
        QCOMPARE(r.code, 3);
        QVERIFY(!r.err.isEmpty());
    }

private:
    TestServer m_server;
};

QTEST_GUILESS_MAIN(TestCallCommand)
#include "tst_callcommand.moc"
