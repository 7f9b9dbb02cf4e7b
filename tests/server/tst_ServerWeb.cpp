#include "ServerFixture.h"

#include <QImage>
#include <QTcpSocket>
#include <QTemporaryFile>
#include <QtTest>

/// The web resources on the second port.
class tst_ServerWeb : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> f;
    QTemporaryFile installer;

    struct Reply
    {
        int status = 0;
        QByteArray head;
        QByteArray body;
    };

    Reply get(const QByteArray& request)
    {
        QTcpSocket s;
        s.connectToHost("127.0.0.1", quint16(f->server().httpPort()));
        if (!s.waitForConnected(5000))
            return {};
        s.write(request);
        QByteArray all;
        while (s.waitForReadyRead(5000))
            all += s.readAll();
        all += s.readAll();
        const qsizetype split = all.indexOf("\r\n\r\n");
        Reply r;
        r.head = all.left(split);
        r.body = all.mid(split + 4);
        r.status = all.mid(9, 3).toInt();
        return r;
    }
    Reply get(const QString& target)
    {
        return get("GET " + target.toUtf8() + " HTTP/1.1\r\nHost: localhost\r\n\r\n");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(installer.open());
        installer.write("MZ-installer-bytes");
        installer.flush();
        f = std::make_unique<ServerFixture>(QStringList{"--installer", installer.fileName()});
        QVERIFY2(f->started(), qPrintable(f->error()));
    }

    void mainPage()
    {
        const Reply r = get(QStringLiteral("/"));
        QCOMPARE(r.status, 200);
        QVERIFY(r.body.contains("Oto Korvel"));
    }

    void pictures()
    {
        const Reply r = get(QStringLiteral("/resimgoster.ashx?id=3"));
        const Reply none = get(QStringLiteral("/resimgoster.ashx?id=999999999"));
        QCOMPARE(none.status, 404);
        QCOMPARE(get(QStringLiteral("/resimgoster.ashx?id=abc")).status, 404);
        // Item 3 may have no picture; find one that has.
        for (int id = 1; id < 40; ++id) {
            const Reply p = get(QStringLiteral("/resimgoster.ashx?id=%1").arg(id));
            if (p.status != 200)
                continue;
            QVERIFY(p.head.contains("Content-Type: image/jpeg"));
            QVERIFY(!QImage::fromData(p.body, "JPEG").isNull());
            return;
        }
        QFAIL("no picture among the first items");
        Q_UNUSED(r);
    }

    void paymentPageShowsItsParametersEscaped()
    {
        const Reply r = get(QStringLiteral(
            "/nivakart.html?carino=1200&sube=MERKEZ&firmasi=A&B%20Oto%20%3Cb%3E&bakiye=1.234,50%20TL"));
        QCOMPARE(r.status, 200);
        QVERIFY(r.body.contains("1200"));
        QVERIFY(r.body.contains("MERKEZ"));
        QVERIFY(r.body.contains("1.234,50 TL"));
        QVERIFY(r.body.contains("&lt;b&gt;"));
        QVERIFY(!r.body.contains("<b>"));
    }

    void requestFormAndPost()
    {
        const Reply form = get(QStringLiteral("/formmailgonder.aspx?carino=0&kullanici=%20&id=PC-1"));
        QCOMPARE(form.status, 200);
        QVERIFY(form.body.contains("<form"));
        QVERIFY(form.body.contains("PC-1"));
        const QByteArray body = "id=PC-1&firmaadi=Yeni+Bayi&mesaj=merhaba";
        const Reply posted = get("POST /formmailgonder.aspx HTTP/1.1\r\nContent-Length: " +
                                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
        QCOMPARE(posted.status, 200);
        QVERIFY(f->server().log().contains("web request form stored"));
    }

    void installerDownload()
    {
        const Reply r = get(QStringLiteral("/exe/OtoKorvelSetup.exe"));
        QCOMPARE(r.status, 200);
        QCOMPARE(r.body, QByteArray("MZ-installer-bytes"));
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown page") << QByteArray("GET /yok.html HTTP/1.1\r\n\r\n") << 404;
        QTest::newRow("malformed") << QByteArray("HELLO\r\n\r\n") << 400;
        QTest::newRow("method") << QByteArray("DELETE / HTTP/1.1\r\n\r\n") << 405;
        QTest::newRow("huge body") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 9999999\r\n\r\n") << 413;
    }
    void errors()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QCOMPARE(get(request).status, status);
        QCOMPARE(get(QStringLiteral("/")).status, 200);
    }

    void missingInstallerIs404()
    {
        ServerFixture bare;
        QVERIFY(bare.started());
        QTcpSocket s;
        s.connectToHost("127.0.0.1", quint16(bare.server().httpPort()));
        QVERIFY(s.waitForConnected(5000));
        s.write("GET /exe/OtoKorvelSetup.exe HTTP/1.1\r\n\r\n");
        QVERIFY(s.waitForReadyRead(5000));
        QVERIFY(s.readAll().startsWith("HTTP/1.1 404"));
    }

    void bindWorkstation()
    {
        QCOMPARE(f->server().runTool({"bind-workstation", "NEW-PC-7", "USTA"}), 0);
        QCOMPARE(f->session("NEW-PC-7").ADI(), QStringLiteral("USTA"));
        QVERIFY(f->server().runTool({"bind-workstation", "NEW-PC-8", "NOBODY"}) != 0);
        QVERIFY(!f->session("NEW-PC-8").Varmi());
    }
};

QTEST_MAIN(tst_ServerWeb)
#include "tst_ServerWeb.moc"
