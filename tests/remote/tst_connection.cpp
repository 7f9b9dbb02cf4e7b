#include "BaglantiKontrol.h"
#include "RemoteConnection.h"
#include "RemoteError.h"
#include "ScriptedPresenter.h"
#include "StreamRule.h"
#include "TAwait.h"
#include "TServerMethods1Client.h"
#include "TestServer.h"

#include <QTcpServer>
#include <QtTest>

namespace {

/// A loopback port on which nothing listens.
QString deadPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QString::number(probe.serverPort());
}

void pointAt(RemoteConnection& connection, const TestServer& server)
{
    connection.HostName = QStringLiteral("127.0.0.1");
    connection.Port = QString::number(server.port());
}

const QString ConnectionLost = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

} // namespace

class TestConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.started(), qPrintable(m_server.error()));
    }

    void settings()
    {
        RemoteConnection c;
        QCOMPARE(c.ConnectionName, QStringLiteral("DataSnapCONNECTION"));
        QCOMPARE(c.DriverName, QStringLiteral("DataSnap"));
        QCOMPARE(c.LoginPrompt, false);
        QCOMPARE(c.CommunicationProtocol, QStringLiteral("tcp/ip"));
        QCOMPARE(c.Port, QStringLiteral("9090"));
        QCOMPARE(c.DatasnapContext, QStringLiteral("datasnap/"));
        QCOMPARE(c.Filters, QStringLiteral("{}"));
        QCOMPARE(c.DSProxyPort, QStringLiteral("8090"));
        c.HostName = QStringLiteral("sunucu");
        const auto clone = c.Clone();
        QCOMPARE(clone->HostName, QStringLiteral("sunucu"));
        QVERIFY(!clone->Connected());
    }

    void checkOpensReachableServer()
    {
        ScriptedPresenter presenter;
        RemoteConnection c;
        pointAt(c, m_server);
        QVERIFY(BaglantiKontrol(c, true));
        QVERIFY(c.Connected());
        QVERIFY(presenter.entries().isEmpty());
    }

    void checkSucceedsOnSecondAttempt()
    {
        TestServer refusing({QStringLiteral("--fault"), QStringLiteral("refuse:1")});
        QVERIFY2(refusing.started(), qPrintable(refusing.error()));
        ScriptedPresenter presenter;
        RemoteConnection c;
        pointAt(c, refusing);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(BaglantiKontrol(c, true));
        QVERIFY(timer.elapsed() >= 500); // the pause after the failed attempt
        QVERIFY(c.Connected());
        QCOMPARE(presenter.entries().size(), qsizetype(1));
        QCOMPARE(presenter.entries().first().shown, ScriptedPresenter::Shown::Message);
        QVERIFY(!presenter.entries().first().text.isEmpty());
    }

    void checkGivesUpAfterElevenAttempts_data()
    {
        QTest::addColumn<bool>("report");
        QTest::newRow("reporting") << true;
        QTest::newRow("silent") << false;
    }

    void checkGivesUpAfterElevenAttempts()
    {
        QFETCH(bool, report);
        ScriptedPresenter presenter;
        RemoteConnection c;
        c.HostName = QStringLiteral("127.0.0.1");
        c.Port = deadPort();
        QVERIFY(!BaglantiKontrol(c, report));
        QVERIFY(!c.Connected());
        QCOMPARE(presenter.count(ScriptedPresenter::Shown::Message), 11);
        QVERIFY(presenter.entries().first().text.contains(c.Port));
        QCOMPARE(presenter.count(ScriptedPresenter::Shown::Dialog), report ? 1 : 0);
        if (report) {
            const auto& last = presenter.entries().last();
            QCOMPARE(last.shown, ScriptedPresenter::Shown::Dialog);
            QCOMPARE(last.text, ConnectionLost);
            QCOMPARE(last.kind, 1);
            QCOMPARE(last.buttons, 4);
            QCOMPARE(last.defaultButton, 2);
        }
    }

    void checkOnWorkerShowsMessagesOnGuiThread()
    {
        ScriptedPresenter presenter;
        QThread* shownOn = nullptr;
        presenter.onShow([&](const ScriptedPresenter::Entry&) { shownOn = QThread::currentThread(); });
        bool result = true;
        bool done = false;
        const QString port = deadPort();
        Async([&] {
            RemoteConnection c;
            c.HostName = QStringLiteral("127.0.0.1");
            c.Port = port;
            result = BaglantiKontrol(c, false);
        })->Await([&] { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
        QVERIFY(!result);
        QCOMPARE(presenter.count(ScriptedPresenter::Shown::Message), 11);
        QCOMPARE(shownOn, QThread::currentThread());
    }

    void proxyNeedsOpenConnection()
    {
        RemoteConnection c;
        try {
            TServerMethods1Client proxy(c);
            QFAIL("proxy created on a closed connection");
        } catch (const AppError& e) {
            QCOMPARE(e.text(), QStringLiteral(
                                   "Connection cannot be nil.  Make sure the connection has been opened."));
        }
    }

    void commandIsPreparedOnceAndReused()
    {
        RemoteConnection c;
        pointAt(c, m_server);
        c.Open();
        TServerMethods1Client proxy(c);
        QVERIFY(proxy.Command(QStringLiteral("KayanYaziGetir")) == nullptr);
        const QString first = proxy.KayanYaziGetir();
        ServerMethodCommand* command = proxy.Command(QStringLiteral("KayanYaziGetir"));
        QVERIFY(command && command->Prepared());
        QCOMPARE(command->Text, QStringLiteral("TServerMethods1.KayanYaziGetir"));
        QCOMPARE(command->CommandType, QStringLiteral("DataSnap.ServerMethod"));
        QCOMPARE(proxy.KayanYaziGetir(), first);
        QCOMPARE(proxy.Command(QStringLiteral("KayanYaziGetir")), command);
        QCOMPARE(command->ExecutionCount(), 2);
        QCOMPARE(proxy.PreparedCommandCount(), 1);
        QCOMPARE(proxy.AcilisReklamAdet() >= 0, true);
        QCOMPARE(proxy.PreparedCommandCount(), 2);
    }

    void serverErrorKeepsConnectionUsable()
    {
        TestServer failing({QStringLiteral("--fault"), QStringLiteral("error:SepetVer2:Sepet kilitli")});
        QVERIFY2(failing.started(), qPrintable(failing.error()));
        RemoteConnection c;
        pointAt(c, failing);
        c.Open();
        TServerMethods1Client proxy(c);
        try {
            proxy.SepetVer2(1);
            QFAIL("no error raised");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Server);
            QCOMPARE(e.text(), QStringLiteral("Sepet kilitli"));
        }
        QVERIFY(c.Connected());
        QVERIFY(!proxy.KayanYaziGetir().isNull());
    }

    void droppedAnswerClosesConnection()
    {
        TestServer dropping({QStringLiteral("--fault"), QStringLiteral("drop:KayanYaziGetir")});
        QVERIFY2(dropping.started(), qPrintable(dropping.error()));
        RemoteConnection c;
        pointAt(c, dropping);
        c.Open();
        TServerMethods1Client proxy(c);
        try {
            proxy.KayanYaziGetir();
            QFAIL("no error raised");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Connection);
        }
        QVERIFY(!c.Connected());
    }

    void banner_data()
    {
        QTest::addColumn<QStringList>("serverArgs");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("whole") << QStringList() << true;
        QTest::newRow("announced longer than sent")
            << QStringList{QStringLiteral("--fault"), QStringLiteral("short-stream:BannerResimVer:48")}
            << false;
    }

    void banner()
    {
        QFETCH(QStringList, serverArgs);
        QFETCH(bool, accepted);
        TestServer server(serverArgs);
        QVERIFY2(server.started(), qPrintable(server.error()));
        RemoteConnection c;
        pointAt(c, server);
        c.Open();
        TServerMethods1Client proxy(c);
        qint64 size = 0;
        QIODevice* stream = proxy.BannerResimVer(size);
        QVERIFY(size > 0);
        const auto content = StreamRule::take(stream, size);
        QCOMPARE(content.has_value(), accepted);
        if (accepted)
            QVERIFY(content->startsWith("GIF8"));
    }

    void wrongContextIsRefused()
    {
        RemoteConnection c;
        pointAt(c, m_server);
        c.DatasnapContext = QStringLiteral("rest/");
        try {
            c.Open();
            QFAIL("handshake accepted a wrong context");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Connection);
        }
        QVERIFY(!c.Connected());
    }

private:
    TestServer m_server;
};

QTEST_GUILESS_MAIN(TestConnection)
#include "tst_connection.moc"
