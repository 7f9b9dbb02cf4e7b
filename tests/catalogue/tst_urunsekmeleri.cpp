#include "AnimatedPicture.h"
#include "Katalog.h"
#include "KatalogTestleri.h"
#include "OtoKorvelB2B.h"
#include "TabSheet.h"
#include "UrunSekmesi.h"
#include "WebEngineTestMain.h"
#include "WorkTabs.h"

using namespace KatalogTestleri;

namespace {

/// One of the two product tabs with its parts on the main window.
struct Sekme
{
    TabSheet* sheet;
    DataGrid* grid;
    ClientDataSet* veri;
    AnimatedPicture* busy;
    QString name;
};

Sekme sekme(TForm1& w, const QString& which)
{
    if (which == QLatin1String("yeniler"))
        return {w.sPageControl1->syeniler, w.cxGrid6, w.YENILER, w.Panel2->gifyeniler,
                QStringLiteral("Yeni Stoklar")};
    return {w.sPageControl1->skampanyali, w.cxkampanyali, w.kampstok, w.Panel2->gifkampanyali,
            QStringLiteral("Kampanyalı")};
}

/// Shows the tab again: another tab first, then this one.
void yenidenGoster(TForm1& w, TabSheet* sheet)
{
    w.sPageControl1->setActiveSheet(w.sPageControl1->sstoklistesi);
    w.sPageControl1->setActiveSheet(sheet);
}

} // namespace

/// The new-products and campaign tabs against a real server.
class TestUrunSekmeleri : public QObject
{
    Q_OBJECT

private slots:
    void fetchOnEveryShowing_data();
    void fetchOnEveryShowing();
    void showingAgainDuringAFetchStartsNoSecond();
    void failedConnectionKeepsTheList();
    void remoteErrorIsShownAndLeavesTheCaption();
    void campaignListIsAskedForTheUserType_data();
    void campaignListIsAskedForTheUserType();
};

void TestUrunSekmeleri::fetchOnEveryShowing_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QByteArray>("method");
    QTest::newRow("new products") << "yeniler" << QByteArray("YenilerVer2");
    QTest::newRow("campaign products") << "kampanyali" << QByteArray("KampanyaliVer2");
}

void TestUrunSekmeleri::fetchOnEveryShowing()
{
    QFETCH(QString, which);
    QFETCH(QByteArray, method);

    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    const Sekme s = sekme(w, which);
    w.sPageControl1->setActiveSheet(s.sheet);
    QVERIFY(f.bosta());
    const int rows = s.veri->RecordCount();
    QVERIFY(rows > 0);
    QCOMPARE(s.sheet->caption(), QString::number(rows) + "=" + s.name);
    QCOMPARE(s.grid->rowCount(), rows);
    QVERIFY(s.grid->isEnabled());
    QVERIFY(s.grid->isAttached());
    QVERIFY(s.busy->isHidden());
    QCOMPARE(s.veri->DisplayFormat(s.veri->FieldIndex(QStringLiteral("KDVDAHIL"))),
             QStringLiteral("#,###,##0.00"));
    QVERIFY(f.presenter.entries().isEmpty());

    yenidenGoster(w, s.sheet);
    QVERIFY(f.bosta());
    QCOMPARE(cagriSayisi(f.server, method.constData()), 2);
}

void TestUrunSekmeleri::showingAgainDuringAFetchStartsNoSecond()
{
    MainWindowFixture f({QStringLiteral("--fault"), QStringLiteral("delay:YenilerVer2:1500")});
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    const Sekme s = sekme(w, QStringLiteral("yeniler"));
    w.sPageControl1->setActiveSheet(s.sheet);
    QVERIFY(!s.grid->isEnabled());
    QVERIFY(!s.grid->isAttached());
    QVERIFY(s.busy->isVisible());
    yenidenGoster(w, s.sheet);
    QVERIFY(w.katalog->yeniler()->calisiyor());
    QVERIFY(f.bosta());
    QCOMPARE(cagriSayisi(f.server, "YenilerVer2"), 1);
    QCOMPARE(s.sheet->caption(), QString::number(s.veri->RecordCount()) + "=Yeni Stoklar");
    QVERIFY(s.grid->isEnabled());
    QVERIFY(s.grid->isAttached());
    QVERIFY(s.busy->isHidden());
    QVERIFY(!w.katalog->yeniler()->calisiyor());
}

void TestUrunSekmeleri::failedConnectionKeepsTheList()
{
    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    const Sekme s = sekme(w, QStringLiteral("yeniler"));
    w.sPageControl1->setActiveSheet(s.sheet);
    QVERIFY(f.bosta());
    const QString caption = s.sheet->caption();
    const int rows = s.veri->RecordCount();

    w.bagc.Port = QStringLiteral("1"); // nothing listens there
    yenidenGoster(w, s.sheet);
    QVERIFY(f.bosta(30000));
    // Eleven refused attempts, then the tab's own message.
    QCOMPARE(f.presenter.count(ScriptedPresenter::Shown::Message), 11);
    QCOMPARE(f.presenter.texts().last(),
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    QCOMPARE(f.presenter.entries().last().kind, 1);
    QCOMPARE(s.sheet->caption(), caption);
    QCOMPARE(s.veri->RecordCount(), rows);
    QCOMPARE(s.grid->rowCount(), rows);
    QVERIFY(s.grid->isEnabled());
    QVERIFY(s.busy->isHidden());
}

void TestUrunSekmeleri::remoteErrorIsShownAndLeavesTheCaption()
{
    MainWindowFixture f({QStringLiteral("--fault"),
                         QStringLiteral("error:KampanyaliVer2:Kampanya listesi alınamadı")});
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    const Sekme s = sekme(w, QStringLiteral("kampanyali"));
    w.sPageControl1->setActiveSheet(s.sheet);
    QVERIFY(f.bosta());
    QCOMPARE(f.presenter.count(ScriptedPresenter::Shown::Error), 1);
    QVERIFY(f.presenter.texts().first().contains(QStringLiteral("Kampanya listesi alınamadı")));
    QCOMPARE(f.presenter.entries().size(), 1);
    QCOMPARE(s.sheet->caption(), QStringLiteral("Kampanyalı Stoklar"));
    QVERIFY(s.grid->isEnabled());
    QVERIFY(s.grid->isAttached());
    QVERIFY(!s.veri->ControlsDisabled());
    QVERIFY(s.busy->isHidden());
}

void TestUrunSekmeleri::campaignListIsAskedForTheUserType_data()
{
    QTest::addColumn<QString>("workstation");
    QTest::addColumn<bool>("quantities");
    // The server shows stock quantities to salesmen only, by the user type it is sent.
    QTest::newRow("dealer") << "DEMO-BAYI" << false;
    QTest::newRow("salesman") << "DEMO-SATICI" << true;
}

void TestUrunSekmeleri::campaignListIsAskedForTheUserType()
{
    QFETCH(QString, workstation);
    QFETCH(bool, quantities);

    MainWindowFixture f;
    QVERIFY2(f.login(workstation), qPrintable(f.error()));
    f.cariSec(1200);
    TForm1& w = f.w();
    w.sPageControl1->setActiveSheet(w.sPageControl1->skampanyali);
    QVERIFY(f.bosta());
    double kalan = 0;
    for (int row = 0; row < w.kampstok->RecordCount(); ++row)
        kalan += RowValues(w.kampstok, row).number(QStringLiteral("KALAN"));
    QCOMPARE(kalan > 0, quantities);
}

WEBENGINE_TEST_MAIN_WITH(TestUrunSekmeleri, OtoKorvelB2B)
#include "tst_urunsekmeleri.moc"
