// The web picture control against a local HTTP server: the content-type table, the HTTP
// status ignored, one request per distinct address, and no late picture after destruction.
#include "TAsyncResim.h"
#include "TestPictures.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

/// What the server answers on one path.
struct Route
{
    QByteArray status = "200 OK";
    QByteArray contentType;
    QByteArray body;
    int bodyDelayMs = 0; // headers at once, the body later
};

/// A tiny HTTP/1.0 server: one response per connection, counting requests per path and
/// noticing clients that hang up before the body was sent.
class TinyHttpServer : public QObject
{
public:
    TinyHttpServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &TinyHttpServer::accept);
        m_server.listen(QHostAddress::LocalHost);
    }
    QString url(const QString& path) const
    {
        return QString("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void route(const QByteArray& path, Route r) { m_routes[path] = std::move(r); }
    int requests(const QByteArray& path) const { return m_requests.value(path); }
    int hangUps() const { return m_hangUps; }

private:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }
    void serve(QTcpSocket* socket)
    {
        QByteArray& request = m_pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        const QByteArray path = request.split(' ').value(1);
        m_pending.remove(socket);
        ++m_requests[path];
        const Route r = m_routes.value(path, Route{"404 Not Found", "text/html", "yok"});
        QByteArray head = "HTTP/1.0 " + r.status + "\r\n";
        if (!r.contentType.isEmpty())
            head += "Content-Type: " + r.contentType + "\r\n";
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n\r\n";
        socket->write(head);
        if (r.bodyDelayMs == 0) {
            socket->write(r.body);
            socket->disconnectFromHost();
            return;
        }
        QPointer<QTcpSocket> later(socket);
        QTimer::singleShot(r.bodyDelayMs, this, [this, later, body = r.body] {
            if (!later || later->state() != QAbstractSocket::ConnectedState) {
                ++m_hangUps;
                return;
            }
            later->write(body);
            later->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
    QHash<QByteArray, int> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending;
    int m_hangUps = 0;
};

QImage placeholder()
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

} // namespace

class AsyncResimTest : public QObject
{
    Q_OBJECT

private slots:
    void contentTypeDecides_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("replaced");
        const QSize size(64, 48);
        QTest::newRow("png") << QByteArray("200 OK") << QByteArray("image/png")
                             << TestPictures::encoded("PNG", size) << true;
        QTest::newRow("JPEG upper case") << QByteArray("200 OK") << QByteArray("image/JPEG")
                                         << TestPictures::encoded("JPEG", size) << true;
        QTest::newRow("jpg") << QByteArray("200 OK") << QByteArray("image/jpg")
                             << TestPictures::encoded("JPEG", size) << true;
        QTest::newRow("bmp") << QByteArray("200 OK") << QByteArray("image/bmp")
                             << TestPictures::encoded("BMP", size) << true;
        QTest::newRow("gif not understood") << QByteArray("200 OK") << QByteArray("image/gif")
                                            << TestPictures::encoded("GIF", size) << false;
        QTest::newRow("parameters after the type")
            << QByteArray("200 OK") << QByteArray("image/jpeg; charset=binary")
            << TestPictures::encoded("JPEG", size) << false;
        QTest::newRow("html error page") << QByteArray("200 OK") << QByteArray("text/html")
                                         << QByteArray("<html>hata</html>") << false;
        QTest::newRow("no content type")
            << QByteArray("200 OK") << QByteArray() << TestPictures::encoded("PNG", size) << false;
        QTest::newRow("bytes that do not decode")
            << QByteArray("200 OK") << QByteArray("image/png") << QByteArray("not a picture")
            << false;
        QTest::newRow("png under another type") << QByteArray("200 OK") << QByteArray("image/jpeg")
                                                << TestPictures::encoded("PNG", size) << false;
        QTest::newRow("empty body")
            << QByteArray("200 OK") << QByteArray("image/png") << QByteArray() << false;
        QTest::newRow("status ignored") << QByteArray("404 Not Found") << QByteArray("image/png")
                                        << TestPictures::encoded("PNG", size) << true;
    }

    void contentTypeDecides()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QFETCH(bool, replaced);
        TinyHttpServer server;
        server.route("/resimgoster.ashx?id=42", {status, contentType, body});
        TAsyncResim control;
        control.setPicture(placeholder());
        QSignalSpy done(&control, &TAsyncResim::finished);
        control.SetUrl(server.url("/resimgoster.ashx?id=42"));
        QVERIFY(done.wait(5000));
        QCOMPARE(control.picture().size(), replaced ? QSize(64, 48) : QSize(1, 1));
    }

    void sameAddressTwiceIsOneRequest()
    {
        TinyHttpServer server;
        server.route("/a", {"200 OK", "image/png", TestPictures::encoded("PNG", {8, 8})});
        server.route("/b", {"200 OK", "image/png", TestPictures::encoded("PNG", {9, 9})});
        TAsyncResim control;
        QSignalSpy done(&control, &TAsyncResim::finished);
        control.SetUrl(server.url("/a"));
        control.SetUrl(server.url("/a"));
        QVERIFY(done.wait(5000));
        control.SetUrl(server.url("/a"));
        QTest::qWait(100);
        QCOMPARE(server.requests("/a"), 1);
        QCOMPARE(control.Url(), server.url("/a"));
        control.SetUrl(server.url("/b"));
        QVERIFY(done.wait(5000));
        QCOMPARE(server.requests("/b"), 1);
        QCOMPARE(control.picture().size(), QSize(9, 9));
    }

    void latestAddressWins()
    {
        TinyHttpServer server;
        server.route("/slow", {"200 OK", "image/png", TestPictures::encoded("PNG", {8, 8}), 300});
        server.route("/fast", {"200 OK", "image/png", TestPictures::encoded("PNG", {9, 9})});
        TAsyncResim control;
        QSignalSpy done(&control, &TAsyncResim::finished);
        control.SetUrl(server.url("/slow"));
        QTRY_COMPARE(server.requests("/slow"), 1);
        control.SetUrl(server.url("/fast"));
        QVERIFY(done.wait(5000));
        QTest::qWait(500);
        QCOMPARE(control.picture().size(), QSize(9, 9));
    }

    void destroyedControlGetsNoLatePicture()
    {
        TinyHttpServer server;
        server.route("/slow", {"200 OK", "image/png", TestPictures::encoded("PNG", {8, 8}), 300});
        auto* control = new TAsyncResim;
        int finished = 0;
        connect(control, &TAsyncResim::finished, this, [&finished] { ++finished; });
        control->SetUrl(server.url("/slow"));
        QTRY_COMPARE(server.requests("/slow"), 1);
        delete control; // the dialog closes while the picture is on its way
        QTRY_COMPARE(server.hangUps(), 1);
        QCOMPARE(finished, 0);
    }

    void emptyAddressRequestsNothing()
    {
        TinyHttpServer server;
        TAsyncResim control;
        control.SetUrl("");
        QTest::qWait(50);
        QCOMPARE(server.requests("/"), 0);
        QVERIFY(control.stretch() && control.proportional() && control.center() &&
                control.transparent());
    }
};

QTEST_MAIN(AsyncResimTest)
#include "tst_asyncresim.moc"
