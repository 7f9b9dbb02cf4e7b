#include "RemoteError.h"
#include "ServerFixture.h"

#include <QElapsedTimer>
#include <QtTest>

/// The injected faults behave as documented.
class tst_ServerFaults : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> f;

private slots:
    void initTestCase()
    {
        f = std::make_unique<ServerFixture>(
            QStringList{"--fault", "delay:KayanYaziGetir:700", "--fault", "error:SepetVer2:Bakımda",
                        "--fault", "short-stream:BannerResimVer:48", "--fault", "drop:KargoVer",
                        "--fault", "refuse:2"});
        QVERIFY2(f->started(), qPrintable(f->error()));
    }

    void firstConnectionsAreRefused()
    {
        for (int i = 0; i < 2; ++i) {
            WireClient c(f->server().port());
            QVERIFY(!c.open());
        }
        WireClient c(f->server().port());
        QVERIFY(c.open());
    }

    void delayedMethod()
    {
        QElapsedTimer t;
        t.start();
        QVERIFY(!f->result("KayanYaziGetir", {}).toString().isEmpty());
        QVERIFY(t.elapsed() >= 650);
        t.restart();
        f->result("AcilisReklamAdet", {});
        QVERIFY(t.elapsed() < 650);
    }

    void failingMethodKeepsTheConnection()
    {
        WireClient c(f->server().port());
        QVERIFY(c.open());
        try {
            c.call("SepetVer2", {WireValue::int32(1200)});
            QFAIL("no error");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Server);
            QCOMPARE(e.text(), QStringLiteral("Bakımda"));
        }
        QCOMPARE(WireClient::at(c.call("AcilisReklamAdet", {}), 0).toInt32(), 3);
    }

    void streamAnnouncedLongerThanDelivered()
    {
        const auto r = f->call("BannerResimVer", {});
        QCOMPARE(WireClient::at(r, 0).toInt64(), WireClient::at(r, 1).streamBytes().size() + 48);
        const auto fine = f->call("BannerResimVer2", {});
        QCOMPARE(WireClient::at(fine, 0).toInt64(), WireClient::at(fine, 1).streamBytes().size());
    }

    void connectionDroppedMidAnswer()
    {
        WireClient c(f->server().port());
        QVERIFY(c.open());
        try {
            c.call("KargoVer", {});
            QFAIL("answer arrived whole");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Connection);
        }
        QCOMPARE(f->result("AcilisReklamAdet", {}).toInt32(), 3);
        QVERIFY(f->server().log().contains("call KargoVer"));
    }

    void everyCallIsLogged()
    {
        const QByteArray log = f->server().log();
        QVERIFY(log.contains("call AcilisReklamAdet"));
        QVERIFY(log.contains(" ms ok"));
        QVERIFY(log.contains("call SepetVer2") && log.contains("error: Bakımda"));
    }
};

QTEST_MAIN(tst_ServerFaults)
#include "tst_ServerFaults.moc"
