#include "RemoteError.h"
#include "ServerFixture.h"

#include <QtTest>

/// A bad request gets a ProtocolError (or Refused) and loses its connection; the server
/// goes on serving others.
class tst_ServerProtocol : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> f;

    void expectServing()
    {
        QCOMPARE(f->result("AcilisReklamAdet", {}).toInt32(), 3);
    }
    void expectClosedWith(WireClient& c, WireCodec::Kind kind)
    {
        const auto m = c.read();
        QVERIFY(m);
        QCOMPARE(int(m->kind), int(kind));
        QVERIFY(!WireCodec::decodeText(m->body).isEmpty());
        QVERIFY(c.closedBy(5000));
        expectServing();
    }

private slots:
    void initTestCase()
    {
        f = std::make_unique<ServerFixture>(QStringList{"--idle-timeout", "400"});
        QVERIFY2(f->started(), qPrintable(f->error()));
    }

    void handshakeRefusals_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<int>("version");
        QTest::newRow("wrong context") << "rest/" << 1;
        QTest::newRow("wrong version") << "datasnap/" << 2;
    }
    void handshakeRefusals()
    {
        QFETCH(QString, context);
        QFETCH(int, version);
        WireClient c(f->server().port());
        QVERIFY(!c.open(context, quint16(version)));
        QCOMPARE(int(c.lastMessage().kind), int(WireCodec::Kind::Refused));
        QVERIFY(c.closedBy(5000));
        expectServing();
    }

    void garbageBeforeHandshake()
    {
        QTcpSocket s;
        s.connectToHost("127.0.0.1", quint16(f->server().port()));
        QVERIFY(s.waitForConnected(5000));
        s.write("GET / HTTP/1.1\r\n\r\n");
        QVERIFY(s.waitForReadyRead(5000));
        const QByteArray reply = s.readAll();
        QCOMPARE(int(reply.at(4)), int(WireCodec::Kind::ProtocolError));
        QVERIFY(s.state() == QAbstractSocket::UnconnectedState || s.waitForDisconnected(5000));
        expectServing();
    }

    void badMessages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const auto frame = [](int kind, QByteArray body, quint32 length, int flags = 0) {
            QByteArray h(6, '\0');
            std::memcpy(h.data(), &length, 4);
            h[4] = char(kind);
            h[5] = char(flags);
            return h + body;
        };
        QTest::newRow("oversized frame") << frame(4, {}, 200u << 20);
        QTest::newRow("request over the limit") << frame(4, {}, 5u << 20);
        QTest::newRow("unknown kind") << frame(42, "x", 1);
        QTest::newRow("unknown flag") << frame(4, "x", 1, 6);
        QTest::newRow("server kind from client") << frame(5, QByteArray(2, '\0'), 2);
        QTest::newRow("truncated call") << frame(4, QByteArray("\x05\x00TSer", 6), 6);
        QTest::newRow("second hello") << frame(1, WireCodec::encodeHello({}), 
                                               quint32(WireCodec::encodeHello({}).size()));
    }
    void badMessages()
    {
        QFETCH(QByteArray, bytes);
        WireClient c(f->server().port());
        QVERIFY(c.open());
        c.sendRaw(bytes);
        expectClosedWith(c, WireCodec::Kind::ProtocolError);
    }

    void unknownMethod()
    {
        WireClient c(f->server().port());
        QVERIFY(c.open());
        QVERIFY_THROWS_EXCEPTION(RemoteError, c.call("Nope", {}));
        QCOMPARE(int(c.lastMessage().kind), int(WireCodec::Kind::ProtocolError));
        QVERIFY(c.closedBy(5000));
        expectServing();
    }

    void wrongParameters_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<int>("count");
        QTest::newRow("text for an integer") << "SepetVer2" << 0;
        QTest::newRow("null for an integer") << "SiparisAyrintisi2" << 1;
        QTest::newRow("record of another class") << "SepetSayisi" << 2;
        QTest::newRow("malformed record json") << "SepetHepsiniSil" << 3;
    }
    void wrongParameters()
    {
        QFETCH(QString, method);
        QFETCH(int, count);
        WireClient c(f->server().port());
        QVERIFY(c.open());
        std::vector<WireValue> in;
        if (count == 0)
            in = {WireValue::string("1200")};
        else if (count == 1)
            in = {WireValue::int32(1200)};
        else if (count == 2)
            in = {WireValue::record(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})")};
        else
            in = {WireValue::record("{not json")};
        try {
            c.call(method, in); // the wrong values are sent as they are
            QFAIL("the call should have failed");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Protocol);
        }
        QVERIFY(c.closedBy(5000));
        expectServing();
    }
    void doubleForInteger()
    {
        WireClient c(f->server().port());
        QVERIFY(c.open());
        try {
            c.call("SepetVer2", {WireValue::real(1.5)});
            QFAIL("accepted a Double for an Integer");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Protocol);
        }
        QVERIFY(c.closedBy(5000));
        expectServing();
    }

    void severalCallsOnOneConnection()
    {
        WireClient c(f->server().port());
        QVERIFY(c.open());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(WireClient::at(c.call("AcilisReklamAdet", {}), 0).toInt32(), 3);
        QVERIFY_THROWS_EXCEPTION(RemoteError, c.call("SepetSecimGuncelle", {WireValue::int32(-5), WireValue::int32(1)}));
        QCOMPARE(int(c.lastMessage().kind), int(WireCodec::Kind::Error));
        QCOMPARE(WireClient::at(c.call("AcilisReklamAdet", {}), 0).toInt32(), 3);
    }

    void idleConnectionIsClosed()
    {
        WireClient c(f->server().port());
        QVERIFY(c.open());
        QVERIFY(c.closedBy(3000));
    }

    void stopsCleanlyOnSigterm()
    {
        ServerFixture other;
        QVERIFY(other.started());
        QCOMPARE(other.result("AcilisReklamAdet", {}).toInt32(), 3);
        // The fixture's destructor terminates the process and waits for it.
    }
};

QTEST_MAIN(tst_ServerProtocol)
#include "tst_ServerProtocol.moc"
