#include "AnimatedPicture.h"
#include "AppError.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "DialogPresenter.h"
#include "GuiThread.h"
#include "HeaderPanel.h"
#include "LegendPanel.h"
#include "LoginFixture.h"
#include "MesajDialog.h"
#include "ModalWatcher.h"
#include "OtoKorvelB2B.h"
#include "SearchBar.h"
#include "StartupBatch.h"
#include "TForm1.h"
#include "TabSheet.h"
#include "Tgirisform.h"
#include "Ticker.h"
#include "TickerPanel.h"
#include "VisualStyle.h"
#include "WebEngineTestMain.h"
#include "WorkGrids.h"
#include "WorkTabs.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

namespace {

const QStringList SalesmanColumns{
    "cxGrid1:KALAN",      "cxGrid1:ALINANSIPARIS",      "cxGrid1:VERILENSIPARIS",
    "cxGrid6:KALAN",      "cxGrid6:ALINANSIPARIS",      "cxGrid6:VERILENSIPARIS",
    "cxkampanyali:KALAN", "cxkampanyali:ALINANSIPARIS", "cxkampanyali:VERILENSIPARIS",
    "cxGrid2:KALAN"};
const QStringList CampaignColumns{"cxGrid1:KAMPFIYAT", "cxGrid1:K", "cxGrid6:K",
                                  "cxGrid6:KAMPFIYAT"};
const QStringList CartStatus{"cxGrid2:DURUM"};

DataGrid* gridNamed(TForm1& w, const QString& name)
{
    return w.findChild<DataGrid*>(name);
}

/// "grid:KEY" shown and offered (true) or hidden and withdrawn (false).
bool columnState(TForm1& w, const QString& gridAndKey, bool shown)
{
    DataGrid* grid = gridNamed(w, gridAndKey.section(':', 0, 0));
    const QString key = gridAndKey.section(':', 1);
    return grid->isColumnVisible(key) == shown && WorkGrids::isOffered(*grid, key) == shown;
}

QStringList tabCaptions(const WorkTabs& tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs.count(); ++i)
        captions << tabs.tabText(i);
    return captions;
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

/// The main window shown at a given size, with the stock grid laid out for it.
struct ShownWindow
{
    TForm1 w;

    explicit ShownWindow(int width)
    {
        w.resize(width, 700);
        w.show();
    }
    bool resizeTo(int width)
    {
        w.resize(width, 700);
        return QTest::qWaitFor([&] { return w.cxGrid1->width() > width - 40; });
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(VisualStyle::apply(QStringLiteral("Zircon"))); }
    void partsOfTheWindow();
    void userTypes_data();
    void userTypes();
    void closeConfirmation_data();
    void closeConfirmation();
    void stockGridLayoutFollowsTheWidth();
    void reducedViewPriceColumnsFollowTheWidth();
    void tabPagesHearShowAndHide();
    void startupBatchRunsStepsInOrder();
    void uncaughtErrorEndsTheBatchAfterItsCompletion();
    void errorsEscapingHandlersAreShown();
    void webSiteItem();
    void loginLandsInTheAdaptedWindow();
    void cancelledLoginEndsTheProgram();
};

void TestMainWindow::partsOfTheWindow()
{
    TForm1 w;
    QCOMPARE(
        tabCaptions(*w.sPageControl1),
        QStringList({"Stok Listesi", "Sepet", "Önceki Siparişler", "Cari Ekstre", "Yeni Stoklar",
                     "Kampanyalı Stoklar", "Duyurular", "Bakiyeler", "Sanal Pos"}));
    QCOMPARE(w.sPageControl1->currentWidget(), w.sPageControl1->sstoklistesi);
    QCOMPARE(w.sPageControl1->iconSize(), QSize(32, 32));
    for (int i = 0; i < w.sPageControl1->count(); ++i)
        QVERIFY2(!w.sPageControl1->tabIcon(i).isNull(), qPrintable(w.sPageControl1->tabText(i)));
    QCOMPARE(menuTexts(w.Panel1->Genelmenu),
             QStringList({"Mail Gönder", "-", "Şifre Değiştirme İsteği", "-", "", "-", "Çıkış",
                          "-", "Raporlar"}));
    QVERIFY(!w.Panel1->R1->isVisible());
    QStringList legend;
    for (const QLabel* label : w.Panel3->findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            legend << label->text();
    }
    QCOMPARE(legend,
             QStringList({"Durum Açıklaması:    ", " Stok mevcut  ", " Telefon Açınız  ",
                          " Yolda  ", " Tedarik Sürecinde ", " Özel Sipariş  ", " Yok  "}));
    // Nothing is busy, no banner has arrived, the news line is alone at the bottom.
    for (AnimatedPicture* busy : w.Panel2->busyAnimations())
        QVERIFY(busy->isHidden() && !busy->isRunning());
    QCOMPARE(w.RxGIFAnimator2->height(), 0);
    QCOMPARE(w.Panel5->height(), TickerPanel::NewsHeight);
    QVERIFY(w.Panel5->RealTimeMarquee1->isHidden());
    QVERIFY(w.Panel2->musteritus->isHidden());
    QTest::keyClicks(w.Panel2->araedit, "fren");
    QCOMPARE(w.Panel2->araedit->text(), QStringLiteral("FREN"));
}

void TestMainWindow::userTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("salesman");
    QTest::addColumn<bool>("cartStatus");
    QTest::addColumn<bool>("campaign");

    QTest::newRow("1 salesman") << 1 << true << true << true;
    QTest::newRow("2 sales manager") << 2 << true << true << true;
    QTest::newRow("3 dealer") << 3 << false << false << true;
    QTest::newRow("4 reduced view") << 4 << false << true << false;
    QTest::newRow("0 unknown") << 0 << false << true << true;
    QTest::newRow("5 unknown") << 5 << false << true << true;
}

void TestMainWindow::userTypes()
{
    QFETCH(int, type);
    QFETCH(bool, salesman);
    QFETCH(bool, cartStatus);
    QFETCH(bool, campaign);

    TForm1 w;
    w.sbilgi.SetMusteriTipi(type);
    w.KullaniciTipineGoreAyarla();

    QCOMPARE(w.Panel2->musteritus->isVisibleTo(&w), salesman);
    QCOMPARE(w.Panel1->R1->isVisible(), salesman);
    QCOMPARE(w.sPageControl1->isTabVisible(w.sPageControl1->indexOf(w.sPageControl1->skampanyali)),
             campaign);
    for (const QString& column : SalesmanColumns)
        QVERIFY2(columnState(w, column, salesman), qPrintable(column));
    for (const QString& column : CampaignColumns)
        QVERIFY2(columnState(w, column, campaign), qPrintable(column));
    for (const QString& column : CartStatus)
        QVERIFY2(columnState(w, column, cartStatus), qPrintable(column));
}

void TestMainWindow::closeConfirmation_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QList<int>>("exitCodes");

    QTest::newRow("Enter answers Yes") << "Enter" << false << QList<int>{0};
    QTest::newRow("Evet from the menu's Çıkış") << "Evet" << true << QList<int>{0};
    QTest::newRow("Hayır") << "Hayır" << false << QList<int>{};
    QTest::newRow("Escape") << "Escape" << false << QList<int>{};
    QTest::newRow("close box") << "close box" << true << QList<int>{};
}

void TestMainWindow::closeConfirmation()
{
    QFETCH(QString, answer);
    QFETCH(bool, fromMenu);
    QFETCH(QList<int>, exitCodes);

    RecordingSeams seams;
    RecordingSound sound;
    TForm1 w;
    DialogPresenter presenter(&w);
    MessagePresenter::install(&presenter);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QString asked;
    QStringList buttons;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* dialog = qobject_cast<MesajDialog*>(modal);
        if (!dialog || !asked.isEmpty())
            return;
        asked = dialog->windowTitle() + "|" + dialog->textLabel()->text();
        for (QPushButton* button : dialog->buttonsInOrder())
            buttons << button->text();
        if (answer == "Enter" || answer == "Escape")
            QTest::keyClick(QApplication::focusWidget(),
                            answer == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        else if (answer == "close box")
            dialog->close();
        else
            dialog->button(answer == "Evet" ? 0 : 1)->click();
    });
    if (fromMenu)
        w.Panel1->G1->trigger();
    else
        w.close();
    MessagePresenter::install(nullptr);

    QCOMPARE(asked, QStringLiteral("Soru|Programdan Çıkmak İstiyor musunuz ?"));
    QCOMPARE(buttons, QStringList({"Evet", "Hayır"}));
    QCOMPARE(sound.played, QList<unsigned>{32});
    QCOMPARE(seams.exitCodes(), exitCodes);
    QVERIFY(w.isVisible()); // the program ends, or it goes on as it was
}

void TestMainWindow::stockGridLayoutFollowsTheWidth()
{
    ShownWindow s(1300);
    TForm1& w = s.w;
    DataGrid& grid = *w.cxGrid1;
    const QStringList prices{"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"};
    grid.setColumnVisible("OEM1", true); // as the user may show it

    for (int width : {1153, 1152, 1153}) {
        QVERIFY(s.resizeTo(width));
        const bool wide = width > TForm1::WideWidth;
        for (const QString& price : prices)
            QCOMPARE(grid.isColumnVisible(price), wide);
        QCOMPARE(grid.isColumnVisible(WorkGrids::FiyatBilgisi), !wide);
        QCOMPARE(grid.rowHeight(), wide ? 60 : 100);

        // Weighted widths: unit = (grid width − 30) / sum of the visible weights.
        int weights = 0;
        for (int c : grid.visibleColumns())
            weights += grid.columns()[c].Tag;
        const int unit = (grid.width() - 30) / weights;
        QCOMPARE(grid.columnWidth("ADI"), 3 * unit);
        QCOMPARE(grid.columnWidth("BARKOD"), 2 * unit);
        QCOMPARE(grid.columnWidth("OEM1"), wide ? 2 * unit : 80);
        QCOMPARE(grid.columnWidth(wide ? "KDVDAHIL" : WorkGrids::FiyatBilgisi),
                 wide ? 3 * unit : 150);
    }

    // While a search runs the layout waits.
    w.Panel2->araedit->setEnabled(false);
    QVERIFY(s.resizeTo(1000));
    QCOMPARE(grid.rowHeight(), 60);
    QVERIFY(grid.isColumnVisible("KDVDAHIL"));
}

void TestMainWindow::reducedViewPriceColumnsFollowTheWidth()
{
    ShownWindow s(1000);
    s.w.sbilgi.SetMusteriTipi(4);
    s.w.KullaniciTipineGoreAyarla();
    QVERIFY(!s.w.cxGrid1->isColumnVisible("KAMPFIYAT"));
    for (int width : {1300, 1000, 1300}) {
        QVERIFY(s.resizeTo(width));
        const bool wide = width > TForm1::WideWidth;
        QCOMPARE(s.w.cxGrid1->isColumnVisible("KAMPFIYAT"), wide);
        QCOMPARE(s.w.cxGrid1->isColumnVisible("NETFIYAT"), wide);
    }
    QVERIFY(!s.w.cxGrid1->columns()[s.w.cxGrid1->columnIndex("KAMPFIYAT")].offered);
}

void TestMainWindow::tabPagesHearShowAndHide()
{
    TForm1 w;
    WorkTabs& tabs = *w.sPageControl1;
    QSignalSpy cartShown(tabs.ssepet, &TabSheet::Show);
    QSignalSpy cartHidden(tabs.ssepet, &TabSheet::Hide);
    QSignalSpy stockHidden(tabs.sstoklistesi, &TabSheet::Hide);
    tabs.setActiveSheet(tabs.ssepet);
    QCOMPARE(cartShown.count(), 1);
    QCOMPARE(stockHidden.count(), 1);
    tabs.setActiveSheet(tabs.sonceki);
    QCOMPARE(cartHidden.count(), 1);
    QCOMPARE(tabs.activeSheet(), tabs.sonceki);

    // A count in a caption is shown as written.
    tabs.ssepet->setCaption(QStringLiteral("12=Sepet"));
    QCOMPARE(tabs.tabText(tabs.indexOf(tabs.ssepet)), QStringLiteral("12=Sepet"));
    // A hidden tab cannot be chosen.
    tabs.skampanyali->setTabVisible(false);
    tabs.setActiveSheet(tabs.skampanyali);
    QCOMPARE(tabs.activeSheet(), tabs.sonceki);
}

void TestMainWindow::startupBatchRunsStepsInOrder()
{
    StartupBatch batch;
    QStringList ran;
    QList<QThread*> threads;
    for (const QString name : {"a", "b", "c"}) {
        batch.add([&, name] {
            GuiThread::runBlocking([&, name] { ran << name; });
            threads << QThread::currentThread();
        });
    }
    QObject guard;
    bool done = false;
    batch.start(&guard, [&] { done = true; });
    QTRY_VERIFY(done);
    QCOMPARE(ran, QStringList({"a", "b", "c"}));
    QCOMPARE(threads.size(), 3);
    QVERIFY(threads[0] != QThread::currentThread());
    QVERIFY(threads[0] == threads[1] && threads[1] == threads[2]);
}

void TestMainWindow::uncaughtErrorEndsTheBatchAfterItsCompletion()
{
    ScriptedPresenter presenter;
    StartupBatch batch;
    QStringList ran;
    batch.add([&] { GuiThread::runBlocking([&] { ran << "a"; }); });
    batch.add([] { throw AppError(QStringLiteral("Banner okunamadı")); });
    batch.add([&] { GuiThread::runBlocking([&] { ran << "c"; }); });
    QObject guard;
    int messagesAtCompletion = -1;
    batch.start(&guard, [&] { messagesAtCompletion = presenter.entries().size(); });
    QTRY_COMPARE(presenter.entries().size(), 1);
    QCOMPARE(ran, QStringList{"a"});
    QCOMPARE(messagesAtCompletion, 0); // the completion ran first
    QCOMPARE(presenter.entries()[0].shown, ScriptedPresenter::Shown::Error);
    QCOMPARE(presenter.entries()[0].text, QStringLiteral("Banner okunamadı"));
}

void TestMainWindow::errorsEscapingHandlersAreShown()
{
    ScriptedPresenter presenter;
    QTimer::singleShot(0, [] { throw AppError(QStringLiteral("Sunucu hatası: kayıt yok")); });
    QTimer::singleShot(0, [] { throw std::runtime_error("disk full"); });
    QTRY_COMPARE(presenter.texts(), QStringList({"Sunucu hatası: kayıt yok", "disk full"}));
    QCOMPARE(presenter.count(ScriptedPresenter::Shown::Error), 2);
}

void TestMainWindow::webSiteItem()
{
    RecordingSeams seams;
    qputenv("OTOKORVEL_WEB_BASE", "http://www.example.com.tr");
    TForm1 w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.Panel2->araedit->setText("FREN");
    w.Panel1->WebSitesi1->trigger();
    qunsetenv("OTOKORVEL_WEB_BASE");
    QCOMPARE(seams.opened().size(), 1);
    QCOMPARE(seams.opened()[0].target, QStringLiteral("http://www.example.com.tr/"));
    QVERIFY(seams.opened()[0].parameters.isEmpty());
    QVERIFY(w.Panel2->araedit->hasFocus());
    QCOMPARE(w.Panel2->araedit->selectedText(), QStringLiteral("FREN"));
}

void TestMainWindow::loginLandsInTheAdaptedWindow()
{
    LoginFixture f;
    QVERIFY2(f.server.started(), qPrintable(f.server.error()));
    QVERIFY(f.bindTo(QStringLiteral("USTA")));
    ModalWatcher watcher([](QWidget* modal) {
        auto* login = qobject_cast<Tgirisform*>(modal);
        if (!login || login->girisSuruyor())
            return;
        login->adi->setText("USTA");
        login->sifre->setText("4444");
        login->Button1Click();
    });
    TForm1 w;
    QVERIFY(w.FormCreate());

    QCOMPARE(QApplication::applicationName(), QStringLiteral("Oto Korvel B2B"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Oto Korvel B2B Programı"));
    QCOMPARE(MesajDialog::messagePointSize(), 15);
    QCOMPARE(w.Panel1->WebSitesi1->text(), qEnvironmentVariable("OTOKORVEL_WEB_BASE"));
    QCOMPARE(w.bagc.Port, QString::number(f.server.port()));
    QCOMPARE(w.sbilgi.ADI(), QStringLiteral("USTA"));
    QCOMPARE(w.sbilgi.BILGISAYARID(), QStringLiteral("LOGINTEST1"));
    QVERIFY(f.seams.exitCodes().isEmpty());
    // Type 4: no campaign tab.
    QVERIFY(!w.sPageControl1->skampanyali->isTabVisible());
    // The start-up batch writes the header.
    QTRY_COMPARE(w.Panel1->kullanicilbl->text(), QStringLiteral("USTA"));
    QCOMPARE(w.Panel1->cariadilbl->text(), w.sbilgi.CariAdi());
    QVERIFY(!w.sbilgi.CariAdi().isEmpty());
    QCOMPARE(w.Panel1->saticilbl->text(), w.sbilgi.SaticiAdi() +
                                              " Telefonu: " + w.sbilgi.SaticiTelefon() +
                                              " email: " + w.sbilgi.SaticiMail());
}

void TestMainWindow::cancelledLoginEndsTheProgram()
{
    LoginFixture f;
    ModalWatcher watcher([](QWidget* modal) {
        if (auto* login = qobject_cast<Tgirisform*>(modal))
            login->close(); // the close box
    });
    TForm1 w;
    QVERIFY(!w.FormCreate());
    QCOMPARE(f.seams.exitCodes(), QList<int>{0});
    QVERIFY(!w.isVisible());
}

WEBENGINE_TEST_MAIN_WITH(TestMainWindow, OtoKorvelB2B)
#include "tst_mainwindow.moc"
