#include "LocalHttpServer.h"
#include "RecordingSeams.h"
#include "ScriptedPresenter.h"
#include "Tdosyaindir.h"
#include "TestFiles.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr qint64 MiB = 1024 * 1024;

/// A 4 MiB installer whose bytes differ from position to position.
QByteArray installerBytes()
{
    QByteArray bytes(4 * MiB, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 31 % 251);
    return bytes;
}

/// A download server, a private local application-data folder and recording seams.
struct Fixture
{
    QTemporaryDir dataHome;
    LocalHttpServer server;
    ScriptedPresenter presenter;
    RecordingSeams seams;

    Fixture()
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
        qputenv("OTOKORVEL_DOWNLOAD_BASE", server.baseAddress());
    }
};

const QString Target = QStringLiteral("OtoKorvelSetup.exe");

} // namespace

class TestDosyaindir : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void window_data()
    {
        QTest::addColumn<int>("serverVersion");
        QTest::addColumn<QString>("versionLine");
        QTest::newRow("newer server") << 10 << "Version: 10-9";
        QTest::newRow("older server") << 7 << "Version: 7-9";
    }

    void window()
    {
        QFETCH(int, serverVersion);
        QFETCH(QString, versionLine);
        Fixture f;
        Tdosyaindir w(nullptr, serverVersion);
        QCOMPARE(w.windowTitle(), QStringLiteral("Dosya İndir"));
        QCOMPARE(w.size(), QSize(543, 309));
        QCOMPARE(w.sLabel1->text().split(QLatin1Char('\n')),
                 QStringList({"Oto Korvel B2B Programının", "Yeni versiyonu indirilecektir",
                              "Lütfen Bekleyiniz...!", versionLine}));
        QCOMPARE(w.bilgi->text(), QStringLiteral("bilgi"));
        QCOMPARE(w.ProgressBar1->value(), 0);
        QCOMPARE(Tdosyaindir::downloadAddress().toString(),
                 QString::fromLatin1(f.server.baseAddress() + "exe/OtoKorvelSetup.exe"));
        QCOMPARE(Tdosyaindir::targetPath(), f.dataHome.filePath(Target));
        QVERIFY(f.server.requests().isEmpty()); // nothing starts before activation
    }

    void progress_data()
    {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<qint64>("read");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("barMaximum");
        QTest::addColumn<int>("barValue");
        QTest::newRow("half of 4 MiB")
            << 4 * MiB << 2 * MiB << "Bilgi: %50,00  İndirilen: 2,00/4,00 Mb" << int(4 * MiB)
            << int(2 * MiB);
        QTest::newRow("a third") << 3000LL << 1000LL << "Bilgi: %33,33  İndirilen: 0,00/0,00 Mb"
                                 << 3000 << 1000;
        QTest::newRow("beyond the bar's integers, no grouping")
            << 3072 * MiB << 1536 * MiB << "Bilgi: %50,00  İndirilen: 1536,00/3072,00 Mb"
            << int(3 * MiB) << int(1536 * 1024);
        QTest::newRow("unknown length") << -1LL << 5000LL << "bilgi" << 100 << 0;
        QTest::newRow("zero length") << 0LL << 0LL << "bilgi" << 100 << 0;
    }

    void progress()
    {
        QFETCH(qint64, length);
        QFETCH(qint64, read);
        Fixture f;
        Tdosyaindir w(nullptr, 10);
        w.NetHTTPClient1ReceiveData(length, read);
        QTEST(w.bilgi->text(), "text");
        QTEST(w.ProgressBar1->maximum(), "barMaximum");
        QTEST(w.ProgressBar1->value(), "barValue");
    }

    void downloadsShowsProgressAndStartsInstaller()
    {
        Fixture f;
        const QByteArray installer = installerBytes();
        f.server.respond("200 OK", installer);
        f.server.holdAfter(2 * MiB - 1024);
        writeFile(f.dataHome.filePath(Target), "old installer");

        Tdosyaindir w(nullptr, 10);
        w.FormActivate();
        QTRY_COMPARE(f.server.requests().size(), 1);
        // Qt reports progress at most every 100 ms: let a report fall due, then complete
        // the first half.
        QTest::qWait(300);
        f.server.release(2 * MiB);
        QTRY_COMPARE_WITH_TIMEOUT(w.bilgi->text(),
                                  QStringLiteral("Bilgi: %50,00  İndirilen: 2,00/4,00 Mb"), 10000);
        QCOMPARE(w.ProgressBar1->maximum(), int(4 * MiB));
        QCOMPARE(w.ProgressBar1->value(), int(2 * MiB));
        QVERIFY(!QFile::exists(f.dataHome.filePath(Target))); // the old one is gone
        QVERIFY(f.seams.events().isEmpty());

        f.server.release();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.events(), QStringList({"open", "end"}), 10000);
        QCOMPARE(readAll(f.dataHome.filePath(Target)), installer);
        QCOMPARE(f.seams.opened().first().target, f.dataHome.filePath(Target));
        QCOMPARE(f.seams.opened().first().parameters, QStringList("/silent"));
        QCOMPARE(f.seams.exitCodes(), QList<int>({0}));
        QVERIFY(f.presenter.entries().isEmpty());
    }

    void requestHeaders()
    {
        Fixture f;
        f.server.respond("200 OK", "MZ installer");
        Tdosyaindir w(nullptr, 10);
        w.FormActivate();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.exitCodes().size(), 1, 10000);
        QCOMPARE(f.server.requests().size(), 1);
        const QByteArray head = f.server.requests().first();
        QVERIFY2(head.startsWith("GET /exe/OtoKorvelSetup.exe HTTP/1.1\r\n"), head);
        for (const QByteArray& line :
             {QByteArray("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,"
                         "image/webp,image/apng,*/*;q=0.8"),
              QByteArray("Accept-Encoding: gzip, deflate"),
              QByteArray("Accept-Language: en-US,tr-TR;q=0.8,tr;q=0.6,en;q=0.4"),
              QByteArray("User-Agent: Mozilla/5.0 (Windows NT 10.0; Win64; x64) "
                         "AppleWebKit/537.36 (KHTML, like Gecko) Chrome/60.0.3112.32 "
                         "Safari/537.36")})
            QVERIFY2(head.contains("\r\n" + line + "\r\n"), line);
        QVERIFY(!head.contains("Cookie"));
    }

    void compressedAnswer_data()
    {
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("gzip") << QByteArray("gzip")
                              << QByteArray::fromHex("1f8b0800000000000203f38dd2cdcc2b2e49ccc949"
                                                     "2dd2f51de58c540e003adc048f08020000");
        QTest::newRow("deflate") << QByteArray("deflate")
                                 << QByteArray::fromHex("789cf38dd2cdcc2b2e49ccc9492dd2f51de58c54"
                                                        "0e00b149c059");
    }

    void compressedAnswer()
    {
        QFETCH(QByteArray, encoding);
        QFETCH(QByteArray, body);
        Fixture f;
        f.server.respond("200 OK", body, true, "Content-Encoding: " + encoding + "\r\n");
        Tdosyaindir w(nullptr, 10);
        w.FormActivate();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.events(), QStringList({"open", "end"}), 10000);
        QCOMPARE(readAll(f.dataHome.filePath(Target)), QByteArray("MZ-installer-").repeated(40));
    }

    void noContentLength()
    {
        Fixture f;
        const QByteArray installer = installerBytes().left(512 * 1024);
        f.server.respond("200 OK", installer, false);
        f.server.holdAfter(100 * 1024);
        Tdosyaindir w(nullptr, 10);
        w.FormActivate();
        QTRY_COMPARE(f.server.requests().size(), 1);
        QTest::qWait(300); // let the first part arrive
        QCOMPARE(w.bilgi->text(), QStringLiteral("bilgi"));
        QCOMPARE(w.ProgressBar1->value(), 0);

        f.server.release();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.events(), QStringList({"open", "end"}), 10000);
        QCOMPARE(readAll(f.dataHome.filePath(Target)), installer);
    }

    void failedAnswerIsNeverInstalled_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("headers");
        QTest::addColumn<QString>("error");
        QTest::newRow("error page")
            << QByteArray("404 Not Found") << QByteArray("<html><body>Sayfa yok</body></html>")
            << QByteArray() << "Sunucu yanıtı: HTTP 404 Not Found";
        QTest::newRow("server error")
            << QByteArray("500 Internal Server Error") << QByteArray("<html>hata</html>")
            << QByteArray() << "Sunucu yanıtı: HTTP 500 Internal Server Error";
        QTest::newRow("empty body")
            << QByteArray("200 OK") << QByteArray() << QByteArray() << "Sunucudan boş dosya geldi";
        QTest::newRow("damaged gzip")
            << QByteArray("200 OK") << QByteArray("MZ not gzip")
            << QByteArray("Content-Encoding: gzip\r\n") << "Sıkıştırılmış dosya açılamadı (gzip)";
        QTest::newRow("encoding not asked for")
            << QByteArray("200 OK") << QByteArray("MZ") << QByteArray("Content-Encoding: br\r\n")
            << "Desteklenmeyen içerik kodlaması: br";
    }

    void failedAnswerIsNeverInstalled()
    {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, headers);
        QFETCH(QString, error);
        Fixture f;
        f.server.respond(status, body, true, headers);
        Tdosyaindir w(nullptr, 10);
        w.FormActivate();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.exitCodes(), QList<int>({0}), 10000);
        QVERIFY(f.seams.opened().isEmpty());
        QVERIFY(!QFile::exists(f.dataHome.filePath(Target)));
        QCOMPARE(f.presenter.texts(),
                 QStringList(QStringLiteral("Hata Oluştu !\r\nHata: ") + error));
        QCOMPARE(f.presenter.entries().first().shown, ScriptedPresenter::Shown::Error);
    }

    void unreachableServer()
    {
        Fixture f;
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QByteArray base =
            "http://127.0.0.1:" + QByteArray::number(closed.serverPort()) + "/";
        closed.close();
        qputenv("OTOKORVEL_DOWNLOAD_BASE", base);
        Tdosyaindir w(nullptr, 10);
        w.FormActivate();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.exitCodes(), QList<int>({0}), 10000);
        QVERIFY(f.seams.opened().isEmpty());
        QCOMPARE(f.presenter.entries().size(), 1);
        QVERIFY(f.presenter.texts().first().startsWith(QStringLiteral("Hata Oluştu !\r\nHata: ")));
        QVERIFY(f.presenter.texts().first().size() > 22); // carries the network's reason
    }

    void activationStartsOneDownloadAndHoldsTheWindow()
    {
        Fixture f;
        f.server.respond("200 OK", installerBytes());
        f.server.holdAfter(MiB);
        Tdosyaindir w(nullptr, 10);
        w.show(); // starts even where the window is never activated
        QTRY_COMPARE(f.server.requests().size(), 1);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.FormActivate();
        QTest::qWait(200);
        QCOMPARE(f.server.requests().size(), 1);

        // The window cannot be closed while the transfer runs.
        w.reject();
        w.close();
        QVERIFY(w.isVisible());
        f.server.release();
        QTRY_COMPARE_WITH_TIMEOUT(f.seams.events(), QStringList({"open", "end"}), 10000);
    }

    void unwritableTargetKeepsWindowWithoutRetry()
    {
        Fixture f;
        f.server.respond("200 OK", "MZ installer");
        // A folder in the installer's place cannot be removed or replaced by a file.
        QVERIFY(QDir(f.dataHome.path()).mkpath(Target + QStringLiteral("/busy")));
        Tdosyaindir w(nullptr, 10);
        w.show();
        QTRY_COMPARE_WITH_TIMEOUT(f.presenter.entries().size(), 1, 10000);
        QCOMPARE(f.presenter.entries().first().shown, ScriptedPresenter::Shown::Error);
        QVERIFY2(
            f.presenter.texts().first().startsWith(
                QStringLiteral("\"%1\" dosyası yazılamadı: ").arg(f.dataHome.filePath(Target))),
            qPrintable(f.presenter.texts().first()));
        QVERIFY(f.seams.events().isEmpty());

        w.FormActivate();
        QTest::qWait(100);
        QCOMPARE(f.server.requests().size(), 1);
        w.reject();
        QVERIFY(!w.isVisible()); // closing returns to the login
    }
};

QTEST_MAIN(TestDosyaindir)
#include "tst_dosyaindir.moc"
