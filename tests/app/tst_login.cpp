#include "AnimatedPicture.h"
#include "LoginFixture.h"
#include "ModalWatcher.h"
#include "RemoteConnection.h"
#include "TSonucBilgisi.h"
#include "Tdosyaindir.h"
#include "Tformistekyeni.h"
#include "Tgirisform.h"
#include "VisualStyle.h"
#include "WebEngineTestMain.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QWebEngineView>
#include <QtTest>

namespace {

const QString Refusal = QStringLiteral("Kullanıcı Adı ve Şifre Hatalı Lütfen Tekrar Deneyiniz !");
const QString NoConnection = QStringLiteral("Bağlantı Kurulamadı !");
constexpr int AttemptTimeoutMs = 30000;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// The login window on the main window's connection and session record, shown and active.
struct LoginWindow
{
    RemoteConnection bagc;
    TSonucBilgisi sbilgi;
    Tgirisform form{bagc, sbilgi};
    bool active = false;

    LoginWindow()
    {
        bagc.Port = qEnvironmentVariable("OTOKORVEL_SERVER_PORT");
        form.show();
        form.activateWindow();
        active = QTest::qWaitForWindowActive(&form);
    }

    void type(const QString& name, const QString& password)
    {
        QTest::keyClicks(form.adi, name);
        QTest::keyClicks(form.sifre, password);
    }
};

/// Waits until the attempt has come to its decision: back to idle, closed with OK, or the
/// program ended with no window left open.
bool waitForDecision(LoginWindow& w, const LoginFixture& f)
{
    return QTest::qWaitFor(
        [&] {
            return !w.form.girisSuruyor() ||
                   (!f.seams.exitCodes().isEmpty() && !QApplication::activeModalWidget());
        },
        AttemptTimeoutMs);
}

/// Records the self-update and request windows the login opens and closes them: the
/// self-update once it has ended the program, the request window at once with "Kapat".
struct HandOverWatcher
{
    QStringList shown;
    ModalWatcher watcher;

    HandOverWatcher(const LoginFixture& f)
        : watcher([this, &f](QWidget* modal) {
              const bool settingsExist = QFileInfo::exists(f.settingsPath());
              if (auto* update = qobject_cast<Tdosyaindir*>(modal)) {
                  if (!f.seams.events().contains(QStringLiteral("end")))
                      return;
                  shown << update->windowTitle() + "|" +
                               update->sLabel1->text().section('\n', -1) + "|" +
                               (settingsExist ? "settings" : "no settings");
                  update->done(0); // the real program has ended here
              } else if (auto* request = qobject_cast<Tformistekyeni*>(modal)) {
                  shown << request->windowTitle() + "|" +
                               request->sitem->url().toString(QUrl::FullyEncoded) + "|" +
                               (settingsExist ? "settings" : "no settings");
                  QTest::mouseClick(request->Button1, Qt::LeftButton);
              }
          })
    {
    }
};

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decision_data();
    void decision();
    void nameComparedWithItsCase();
    void unreachableServer();
    void settingsFile_data();
    void settingsFile();
    void unwritableSettingsDoNotKeepTheUserOut();
    void enterKeys();
    void noSecondAttemptWhileOneRuns();
    void cancel();

private:
    QTemporaryDir m_installerDir;
    QString m_installer;
};

void TestLogin::initTestCase()
{
    QVERIFY(VisualStyle::apply(QStringLiteral("Zircon"))); // as the program shows it
    m_installer = m_installerDir.filePath(QStringLiteral("setup.exe"));
    writeFile(m_installer, QByteArray("MZ installer"));
}

void TestLogin::decision_data()
{
    QTest::addColumn<QStringList>("serverArgs");
    QTest::addColumn<QString>("user"); // bound to this workstation; empty: unknown
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("windows"); // "WEB" stands for the web base address
    QTest::addColumn<QList<int>>("exitCodes");
    QTest::addColumn<bool>("settingsWritten");

    const QStringList none;
    QTest::newRow("dealer") << none << "BAYI"
                            << "bayi"
                            << "3333" << true << none << none << QList<int>{} << true;
    QTest::newRow("salesman goes on with the server's account")
        << none << "MEHMET"
        << "mehmet"
        << "1111" << true << none << none << QList<int>{} << true;
    QTest::newRow("wrong password")
        << none << "BAYI"
        << "bayi"
        << "3334" << false << QStringList{Refusal} << none << QList<int>{} << false;
    QTest::newRow("inactive account")
        << none << "PASIF"
        << "pasif"
        << "5555" << false << QStringList{Refusal} << none << QList<int>{} << true;
    QTest::newRow("error during the call")
        << QStringList{"--fault", "error:BuyukGetir:Veritabanı kilitli"} << "BAYI"
        << "bayi"
        << "3333" << false << QStringList{NoConnection} << none << QList<int>{} << false;
    QTest::newRow("unknown workstation")
        << none << ""
        << "bayi"
        << "3333" << false << none
        << QStringList{"Oto Korvel B2B İstek Formu|"
                       "WEBformmailgonder.aspx?carino=0&kullanici=%20&id=LOGINTEST1|"
                       "no settings"}
        << QList<int>{0} << false;
    // The self-update ends the program; should its window ever return, the login goes on.
    for (int version : {10, 7}) {
        QTest::addRow("server expects version %d", version)
            << QStringList{"--client-version", QString::number(version), "--installer",
                           m_installer}
            << "BAYI"
            << "bayi"
            << "3333" << true << none
            << QStringList{QStringLiteral("Dosya İndir|Version: %1-9|no settings").arg(version)}
            << QList<int>{0} << true;
    }
}

void TestLogin::decision()
{
    QFETCH(QStringList, serverArgs);
    QFETCH(QString, user);
    QFETCH(QString, typedName);
    QFETCH(QString, typedPassword);
    QFETCH(bool, accepted);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, windows);
    QFETCH(QList<int>, exitCodes);
    QFETCH(bool, settingsWritten);

    LoginFixture f(serverArgs);
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    if (!user.isEmpty())
        QVERIFY(f.bindTo(user));
    HandOverWatcher handOver(f);
    LoginWindow w;
    w.type(typedName, typedPassword);
    w.form.Button1Click();
    QVERIFY(waitForDecision(w, f));

    QCOMPARE(w.form.result() == QDialog::Accepted, accepted);
    QCOMPARE(f.presenter.texts(), messages);
    windows.replaceInStrings(QStringLiteral("WEB"), qEnvironmentVariable("OTOKORVEL_WEB_BASE"));
    QCOMPARE(handOver.shown, windows);
    QCOMPARE(f.seams.exitCodes(), exitCodes);
    QCOMPARE(QFileInfo::exists(f.settingsPath()), settingsWritten);
    if (!f.presenter.entries().isEmpty()) {
        const ScriptedPresenter::Entry& shown = f.presenter.entries().constLast();
        QCOMPARE(shown.kind, messages.constLast() == Refusal ? 0 : 1);
        QCOMPARE(shown.buttons, 1 << 2);
        QCOMPARE(shown.defaultButton, 2);
        // Back to idle: another attempt may start, from the user name.
        QVERIFY(w.form.Button1->isEnabled());
        QVERIFY(w.form.adi->hasFocus());
        QCOMPARE(w.form.adi->selectedText(), w.form.adi->text());
    }
    if (accepted) {
        // The server's record with this machine's workstation fields.
        QCOMPARE(w.sbilgi.ADI(), user);
        QCOMPARE(w.sbilgi.BILGISAYARID(), QStringLiteral("LOGINTEST1"));
        QCOMPARE(w.sbilgi.BilgiSayarAdi(), QStringLiteral("LOGINPC"));
        QCOMPARE(w.sbilgi.BilgisayarKullanici(), QStringLiteral("tester"));
        QCOMPARE(w.sbilgi.Icip(), QStringLiteral("10.1.2.3"));
        QCOMPARE(w.sbilgi.Disip(), QStringLiteral("127.0.0.1"));
        QVERIFY(w.sbilgi.Varmi());
    }
}

void TestLogin::nameComparedWithItsCase()
{
    LoginFixture f;
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    QVERIFY(f.bindTo(QStringLiteral("BAYI")));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "case");
        db.setDatabaseName(f.server.databasePath());
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec("UPDATE KULLANICI SET ADI = 'Bayi' WHERE ADI = 'BAYI'"));
    }
    QSqlDatabase::removeDatabase("case");

    LoginWindow w;
    w.type("Bayi", "3333"); // the edit makes it BAYI
    QCOMPARE(w.form.adi->text(), QStringLiteral("BAYI"));
    w.form.Button1Click();
    QVERIFY(waitForDecision(w, f));
    QCOMPARE(f.presenter.texts(), QStringList{Refusal});
    QCOMPARE(w.form.result(), int(QDialog::Rejected));
    QCOMPARE(w.sbilgi.ADI(), QStringLiteral("Bayi")); // the server's data is kept
    QVERIFY(!QFileInfo::exists(f.settingsPath()));
}

void TestLogin::unreachableServer()
{
    LoginFixture f;
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    qputenv("OTOKORVEL_SERVER_PORT", QByteArray::number(port));

    LoginWindow w;
    w.type("bayi", "3333");
    w.form.Button1Click();
    QVERIFY(waitForDecision(w, f));
    // Eleven attempts, each with its own plain message, then the login's own error.
    QCOMPARE(f.presenter.count(ScriptedPresenter::Shown::Message), 11);
    QCOMPARE(f.presenter.count(ScriptedPresenter::Shown::Dialog), 1);
    QCOMPARE(f.presenter.entries().constLast().text, NoConnection);
    QCOMPARE(f.presenter.entries().constLast().kind, 1);
    QVERIFY(w.form.Button1->isEnabled());
    QCOMPARE(w.form.Button1->text(), QStringLiteral("Giriş!"));
    QVERIFY(w.form.RxGIFAnimator1->isHidden());
    QVERIFY(!w.form.RxGIFAnimator1->isRunning());
}

void TestLogin::settingsFile_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("remembered"); // the "hatırla" line after the login

    const QByteArray key = "hat\xc4\xb1rla";
    QTest::newRow("missing") << QByteArray() << true << ""
                             << "" << key + "=1";
    QTest::newRow("remembered") << "[kullanici]\r\nisim=BAYI\r\nsifre=3333\r\n" + key + "=1\r\n"
                                << true << "BAYI"
                                << "3333" << key + "=1";
    QTest::newRow("not remembered") << "[kullanici]\nisim=BAYI\nsifre=3333\n" + key + "=0\n"
                                    << false << ""
                                    << "" << key + "=0";
    QTest::newRow("key missing counts as remembered")
        << QByteArray("[kullanici]\nisim=BAYI\nsifre=3333\n") << true << "BAYI"
        << "3333" << key + "=1";
}

void TestLogin::settingsFile()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, checked);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QByteArray, remembered);

    LoginFixture f;
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    QVERIFY(f.bindTo(QStringLiteral("BAYI")));
    if (!file.isEmpty())
        writeFile(f.settingsPath(), file);

    LoginWindow w;
    QCOMPARE(w.form.benihatirla->isChecked(), checked);
    QCOMPARE(w.form.adi->text(), name);
    QCOMPARE(w.form.sifre->text(), password);
    if (name.isEmpty())
        w.type("bayi", "3333");
    w.form.Button1Click();
    QVERIFY(waitForDecision(w, f));
    QCOMPARE(w.form.result(), int(QDialog::Accepted));

    const QList<QByteArray> lines = readFile(f.settingsPath()).split('\n');
    QVERIFY(lines.contains("[kullanici]"));
    QVERIFY(lines.contains("isim=BAYI"));
    QVERIFY(lines.contains("sifre=3333"));
    QVERIFY2(lines.contains(remembered), readFile(f.settingsPath()).constData());
}

void TestLogin::unwritableSettingsDoNotKeepTheUserOut()
{
    LoginFixture f;
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    QVERIFY(f.bindTo(QStringLiteral("BAYI")));
    // A folder where the file should be: the settings cannot be written.
    QVERIFY(QDir().mkpath(f.settingsPath()));

    LoginWindow w;
    w.type("bayi", "3333");
    w.form.Button1Click();
    QVERIFY(waitForDecision(w, f));
    QCOMPARE(f.presenter.count(ScriptedPresenter::Shown::Error), 1);
    QCOMPARE(w.form.result(), int(QDialog::Accepted));
}

void TestLogin::enterKeys()
{
    LoginFixture f;
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    QVERIFY(f.bindTo(QStringLiteral("BAYI")));
    LoginWindow w;
    QVERIFY(w.active);
    QVERIFY(w.form.adi->hasFocus());

    // Empty or blank user name: warned, the focus stays.
    for (const QString blank : {"", "   "}) {
        w.form.adi->setText(blank);
        QTest::keyClick(w.form.adi, Qt::Key_Return);
        QCOMPARE(f.presenter.texts().constLast(),
                 QStringLiteral("Lütfen kullanıcı adını giriniz !"));
        QCOMPARE(f.presenter.entries().constLast().shown, ScriptedPresenter::Shown::Message);
        QCOMPARE(f.sound.played.takeFirst(), 16u);
        QVERIFY(w.form.adi->hasFocus());
        QCOMPARE(w.form.adi->selectedText(), blank);
    }
    QTest::keyClicks(w.form.adi, "bayi");
    QCOMPARE(w.form.adi->text(), QStringLiteral("BAYI"));
    w.form.sifre->setText("33");
    QTest::keyClick(w.form.adi, Qt::Key_Enter);
    QVERIFY(w.form.sifre->hasFocus());
    QCOMPARE(w.form.sifre->selectedText(), QStringLiteral("33"));

    // Empty password: warned, nothing starts.
    f.presenter.clear();
    w.form.sifre->clear();
    QTest::keyClick(w.form.sifre, Qt::Key_Return);
    QCOMPARE(f.presenter.texts(), QStringList{"Lütfen kullanıcı şifresini giriniz !"});
    QCOMPARE(f.sound.played, QList<unsigned>{16});
    QVERIFY(!w.form.girisSuruyor());
    QVERIFY(w.form.sifre->hasFocus());

    QTest::keyClicks(w.form.sifre, "3333");
    QCOMPARE(w.form.sifre->text(), QStringLiteral("3333"));
    QCOMPARE(w.form.sifre->displayText(), QStringLiteral("****"));
    QTest::keyClick(w.form.sifre, Qt::Key_Return);
    QVERIFY(w.form.girisSuruyor());
    QVERIFY(waitForDecision(w, f));
    QCOMPARE(w.form.result(), int(QDialog::Accepted));
}

void TestLogin::noSecondAttemptWhileOneRuns()
{
    LoginFixture f({"--fault", "delay:BuyukGetir:800"});
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    QVERIFY(f.bindTo(QStringLiteral("BAYI")));
    LoginWindow w;
    QVERIFY(w.active);
    w.type("bayi", "3333");

    QTest::mouseClick(w.form.Button1, Qt::LeftButton);
    QCOMPARE(w.form.Button1->text(), QStringLiteral("Bağlanıyor..."));
    QVERIFY(!w.form.Button1->isEnabled());
    QVERIFY(w.form.RxGIFAnimator1->isVisible());
    QVERIFY(w.form.RxGIFAnimator1->isRunning());
    QTest::mouseClick(w.form.Button1, Qt::LeftButton);
    w.form.Button1Click();
    QTest::keyClick(w.form.sifre, Qt::Key_Return);
    QTRY_COMPARE(w.form.Button1->text(), QStringLiteral("Giriş!"));
    // The edits stay usable while the call runs; Enter still starts nothing.
    QVERIFY(w.form.adi->isEnabled() && w.form.sifre->isEnabled());
    QVERIFY(!w.form.Button1->isEnabled());
    QTest::keyClick(w.form.sifre, Qt::Key_Return);
    QVERIFY(waitForDecision(w, f));

    QCOMPARE(w.form.result(), int(QDialog::Accepted));
    QCOMPARE(f.server.log().count(" BuyukGetir "), 1);
}

void TestLogin::cancel()
{
    LoginFixture f;
    LoginWindow w;
    QTest::mouseClick(w.form.Button2, Qt::LeftButton);
    QCOMPARE(f.seams.exitCodes(), QList<int>{0});

    // Escape does not close the window; the close box closes it without OK, and the opener
    // then ends the program.
    QTest::keyClick(&w.form, Qt::Key_Escape);
    QVERIFY(w.form.isVisible());
    QVERIFY(w.form.close());
    QCOMPARE(w.form.result(), int(QDialog::Rejected));
    QCOMPARE(f.seams.exitCodes(), QList<int>{0});
}

WEBENGINE_TEST_MAIN(TestLogin)
#include "tst_login.moc"
