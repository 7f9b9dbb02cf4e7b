#include "AdetKutusu.h"
#include "AnimatedPicture.h"
#include "CartBottomPanel.h"
#include "CartHelpers.h"
#include "CartSelectionStrip.h"
#include "CartTab.h"
#include "CartTotalsPanel.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "DisplayFormat.h"
#include "GridProxy.h"
#include "MainWindowFixture.h"
#include "ModalWatcher.h"
#include "OtoKorvelB2B.h"
#include "SaveFileChooser.h"
#include "SearchBar.h"
#include "TForm1.h"
#include "TServerMethods1Client.h"
#include "TabSheet.h"
#include "Tstokayarinti.h"
#include "WebEngineTestMain.h"
#include "WorkTabs.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <QThread>
#include <QtTest>

namespace {

using Entry = ScriptedPresenter::Entry;
using Shown = ScriptedPresenter::Shown;

QLabel& warningLabel(TForm1& w)
{
    return *cartOf(w).panelsec->lbluyarbakiye;
}

CartTotalsPanel& totalsOf(TForm1& w)
{
    return *cartOf(w).Panel4->Panel6;
}

QStringList totalTexts(TForm1& w)
{
    const CartTotalsPanel& t = totalsOf(w);
    return {t.aratoplaml->text(), t.indiriml->text(), t.nettutarl->text(), t.vergil->text(),
            t.geneltoplaml->text()};
}

QString amount(double value)
{
    return DisplayFormat::format(QStringLiteral("#,###,##0.00"), value);
}

QString cartCaption(TForm1& w)
{
    return w.sPageControl1->ssepet->caption();
}

QVariantList columnOf(const DataTable& table, const QString& name)
{
    QVariantList values;
    const int c = table.indexOf(name);
    for (int row = 0; row < table.rowCount(); ++row)
        values << table.column(c).valueAt(row);
    return values;
}

/// Sum of a column over the lines marked with exactly 1.
double markedSum(const DataTable& table, const QString& name)
{
    const QVariantList marks = columnOf(table, QStringLiteral("SEC"));
    const QVariantList values = columnOf(table, name);
    double sum = 0;
    for (int row = 0; row < marks.size(); ++row)
        sum += marks[row].toInt() == 1 ? values[row].toDouble() : 0.0;
    return sum;
}

/// Runs statements on the server's database, beside the running server.
QList<QVariantList> onDatabase(MainWindowFixture& s, const QString& sql,
                               const QVariantList& binds = {})
{
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "cart-test");
        db.setDatabaseName(s.server.databasePath());
        db.open();
        QSqlQuery q(db);
        q.prepare(sql);
        for (const QVariant& b : binds)
            q.addBindValue(b);
        q.exec();
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            rows << row;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cart-test"));
    return rows;
}

void setServerMark(MainWindowFixture& s, int sirano, int sec)
{
    onDatabase(s, QStringLiteral("UPDATE SEPET SET SEC = ? WHERE SIRANO = ?"), {sec, sirano});
}

/// Puts one more item into the account's cart (marked, as the server adds lines).
void addLine(MainWindowFixture& s, int stokno)
{
    onServer(s, [&](TServerMethods1Client& p) {
        QCOMPARE(p.SepetEkle2(kopya(s.w().sbilgi), s.w().sbilgi.CARINO(), stokno, "x", "x", 2, 20,
                              10, 0, s.w().sbilgi.Sirano(), 0, 0, 0, 0),
                 1);
    });
}

int rowWithSirano(ClientDataSet& sepet, int sirano)
{
    return intsOf(sepet.Data(), QStringLiteral("SIRANO")).indexOf(sirano);
}

QPoint cellCentre(DataGrid& grid, int sourceRow, const QString& key)
{
    QTableView* view = grid.view();
    const QModelIndex index =
        view->model()->index(grid.proxy()->rowOfSource(sourceRow), grid.columnIndex(key));
    view->scrollTo(index);
    return view->visualRect(index).center();
}

void clickCell(DataGrid& grid, int sourceRow, const QString& key)
{
    QTest::mouseClick(grid.view()->viewport(), Qt::LeftButton, {},
                      cellCentre(grid, sourceRow, key));
}

void doubleClickCell(DataGrid& grid, int sourceRow, const QString& key)
{
    clickCell(grid, sourceRow, key);
    QTest::mouseDClick(grid.view()->viewport(), Qt::LeftButton, {},
                       cellCentre(grid, sourceRow, key));
}

bool hasEntry(const ScriptedPresenter& p, const Entry& e)
{
    for (const Entry& x : p.entries()) {
        if (x.shown == e.shown && x.text == e.text && x.kind == e.kind && x.buttons == e.buttons &&
            x.defaultButton == e.defaultButton)
            return true;
    }
    return false;
}

Entry information(const QString& text)
{
    return {Shown::Dialog, text, 2, 1 << 2, 2};
}

Entry question(const QString& text)
{
    return {Shown::Dialog, text, 3, 0b11, 1};
}

/// Answers the save dialog with a fixed path.
class ChosenFile : public SaveFileChooser
{
public:
    explicit ChosenFile(QString path) : m_path(std::move(path)) { install(this); }
    ~ChosenFile() override { install(nullptr); }
    QString chooseSaveFile(QWidget*, const QString& filter, const QString&) override
    {
        askedFilter = filter;
        return m_path;
    }
    QString askedFilter;

private:
    QString m_path;
};

} // namespace

/// The cart tab on a main window logged in as the demo dealer (account 1200, whose cart
/// holds a marked and an unmarked line), against a real server.
class TestCart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void showingTheTabFetchesTheCart();
    void olderFetchNeverReplacesANewerOne();
    void fetchWithoutConnectionKeepsTheCart();
    void fetchErrorIsShownOnceTheTabIsUsable();
    void marksOfAllLines();
    void toggleWithTheSecCell_data();
    void toggleWithTheSecCell();
    void markTheServerRefusesIsTakenBack();
    void otherCellsOpenTheLine();
    void changedLineIsFetchedAgain();
    void deleteLine_data();
    void deleteLine();
    void deleteWholeCart();
    void excelExport();
    void overdueWarning();
    void pendingOverdueWarning();
};

void TestCart::showingTheTabFetchesTheCart()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QCOMPARE(cartCaption(w), QStringLiteral("Sepet"));
    QVERIFY(showCart(w));

    const DataTable cart = s.sunucuSepeti();
    QCOMPARE(cart.rowCount(), 2);
    QCOMPARE(cartCaption(w), QStringLiteral("2=Sepet"));
    QCOMPARE(w.sepet->RecordCount(), 2);
    QCOMPARE(w.cxGrid2->rowCount(), 2);
    QVERIFY(!w.sepet->ControlsDisabled());
    QCOMPARE(w.sepet->DisplayFormat(w.sepet->FieldIndex("NETTUTAR")), "#,###,##0.00");
    // The demo cart: the first line marked, the last not; the totals are the first line's.
    QCOMPARE(intsOf(w.sepet->Data(), "SEC"), QList<int>({1, 0}));
    const double tutar = markedSum(cart, "TUTAR");
    const double indirim = markedSum(cart, "INDIRIMTUTAR");
    const double vergi = markedSum(cart, "VERGITUTARI");
    QVERIFY(tutar > 0 && indirim > 0);
    QCOMPARE(totalTexts(w), QStringList({amount(tutar), amount(indirim), amount(tutar - indirim),
                                         amount(vergi), amount(tutar - indirim + vergi)}));
    QCOMPARE(totalsOf(w).geneltoplaml->text(), amount(markedSum(cart, "NETTUTAR") + vergi));

    // The catalogue's refresh after an add: fetched on the spot, caption and totals anew.
    addLine(s, 7);
    cartOf(w).SepetYenile();
    QCOMPARE(cartCaption(w), QStringLiteral("3=Sepet"));
    QCOMPARE(totalsOf(w).aratoplaml->text(), amount(markedSum(s.sunucuSepeti(), "TUTAR")));
    QVERIFY(s.presenter.entries().isEmpty());
}

void TestCart::olderFetchNeverReplacesANewerOne()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    WorkTabs& tabs = *w.sPageControl1;
    tabs.setActiveSheet(tabs.ssepet);
    // Let the background answer (two lines) arrive without handling its completion yet.
    QElapsedTimer waited;
    waited.start();
    while (!s.server.log().contains("SepetVer2") && waited.elapsed() < 5000)
        QThread::msleep(20);
    QThread::msleep(300);
    addLine(s, 7);
    cartOf(w).SepetYenile();
    QCOMPARE(w.sepet->RecordCount(), 3);
    QTRY_VERIFY(cartFetchEnded(w));
    QCOMPARE(w.sepet->RecordCount(), 3);
    QCOMPARE(cartCaption(w), QStringLiteral("3=Sepet"));
}

void TestCart::fetchWithoutConnectionKeepsTheCart()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    const QString totals = totalsOf(w).geneltoplaml->text();

    w.bagc.Port = deadPort();
    WorkTabs& tabs = *w.sPageControl1;
    tabs.setActiveSheet(tabs.sstoklistesi);
    tabs.setActiveSheet(tabs.ssepet);
    QVERIFY(!w.cxGrid2->isEnabled() && w.Panel2->gifsepet->isVisible());
    QVERIFY(!cartOf(w).Panel4->Button1->isEnabled());
    QVERIFY(QTest::qWaitFor([&] { return cartFetchEnded(w); }, 20000));
    // The fetch's check reports; the overdue check is silent beyond its attempts.
    QTRY_COMPARE(s.presenter.count(Shown::Message), 22);
    QCOMPARE(s.presenter.count(Shown::Dialog), 1);
    QVERIFY(hasEntry(s.presenter,
                     {Shown::Dialog, "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", 1, 4, 2}));
    QCOMPARE(w.sepet->RecordCount(), 2);
    QCOMPARE(cartCaption(w), QStringLiteral("2=Sepet"));
    QCOMPARE(totalsOf(w).geneltoplaml->text(), totals);
    QVERIFY(cartOf(w).Panel4->Button1->isEnabled());
    QVERIFY(warningLabel(w).text().isEmpty());
}

void TestCart::fetchErrorIsShownOnceTheTabIsUsable()
{
    MainWindowFixture s(QStringList{"--fault", "error:SepetVer2:Sepet okunamadı"});
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    bool usable = false;
    s.presenter.onShow([&](const Entry&) { usable = cartFetchEnded(w); });
    QVERIFY(showCart(w));
    QTRY_COMPARE(s.presenter.count(Shown::Error), 1);
    QCOMPARE(s.presenter.texts(), QStringList{"Sepet okunamadı"});
    QVERIFY(usable);
    QCOMPARE(cartCaption(w), QStringLiteral("0=Sepet"));
    QCOMPARE(totalTexts(w), QStringList(5, QStringLiteral("0,00")));
}

void TestCart::marksOfAllLines()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    CartTab& cart = cartOf(w);
    w.Panel2->araedit->setText("FREN");

    cart.panelsec->Button5->click();
    QCOMPARE(totalTexts(w), QStringList(5, QStringLiteral("0,00")));
    QCOMPARE(intsOf(w.sepet->Data(), "SEC"), QList<int>({0, 0}));
    QCOMPARE(intsOf(s.sunucuSepeti(), "SEC"), QList<int>({0, 0}));
    QCOMPARE(w.Panel2->araedit->selectedText(), QStringLiteral("FREN"));

    cart.panelsec->Button4->click();
    const DataTable server = s.sunucuSepeti();
    QCOMPARE(intsOf(server, "SEC"), QList<int>({1, 1}));
    QCOMPARE(intsOf(w.sepet->Data(), "SEC"), QList<int>({1, 1}));
    QCOMPARE(totalsOf(w).aratoplaml->text(), amount(markedSum(server, "TUTAR")));
    QVERIFY(s.presenter.entries().isEmpty());
}

void TestCart::toggleWithTheSecCell_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("unmarked becomes marked") << 0 << 1;
    QTest::newRow("marked becomes unmarked") << 1 << 0;
    QTest::newRow("a mark of 2 becomes unmarked") << 2 << 0;
}

void TestCart::toggleWithTheSecCell()
{
    QFETCH(int, before);
    QFETCH(int, after);

    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    const int line = intsOf(s.sunucuSepeti(), "SIRANO").last(); // the unmarked demo line
    setServerMark(s, line, before);
    QVERIFY(showCart(w));
    const int row = rowWithSirano(*w.sepet, line);
    QCOMPARE(w.sepet->Data().column(w.sepet->FieldIndex("SEC")).valueAt(row).toInt(), before);
    const QString counted = amount(markedSum(w.sepet->Data(), "TUTAR"));

    doubleClickCell(*w.cxGrid2, row, "SEC");
    QCOMPARE(w.sepet->Data().column(w.sepet->FieldIndex("SEC")).valueAt(row).toInt(), after);
    const DataTable server = s.sunucuSepeti();
    QCOMPARE(intsOf(server, "SEC").at(row), after);
    // The totals follow at once and never counted the 2.
    QCOMPARE(totalsOf(w).aratoplaml->text(), amount(markedSum(server, "TUTAR")));
    if (before == 2)
        QCOMPARE(totalsOf(w).aratoplaml->text(), counted);
}

void TestCart::markTheServerRefusesIsTakenBack()
{
    MainWindowFixture s(QStringList{"--fault", "error:SepetSecimGuncelle:Sepet satırı kilitli"});
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    const QStringList totals = totalTexts(w);

    doubleClickCell(*w.cxGrid2, 0, "SEC");
    QCOMPARE(intsOf(w.sepet->Data(), "SEC"), QList<int>({1, 0}));
    QCOMPARE(totalTexts(w), totals);
    cartOf(w).panelsec->Button5->click();
    QCOMPARE(intsOf(w.sepet->Data(), "SEC"), QList<int>({1, 0}));
    QCOMPARE(totalTexts(w), totals);
    // One refusal per attempt: the rest of "Seçimleri Kaldır" is not tried.
    QCOMPARE(s.presenter.count(Shown::Error), 2);
    QVERIFY(s.presenter.texts().first().contains("Sepet satırı kilitli"));
}

void TestCart::otherCellsOpenTheLine()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    CartTab& cart = cartOf(w);
    QList<int> opened;
    cart.satirDegistir = [&](int sirano) { opened << sirano; };
    const QList<int> lines = intsOf(w.sepet->Data(), "SIRANO");

    doubleClickCell(*w.cxGrid2, 1, "STOKADI");
    QCOMPARE(opened, QList<int>{lines[1]});
    QCOMPARE(w.sepet->FieldByName("SIRANO").AsInteger(), lines[1]);
    clickCell(*w.cxGrid2, 0, "MIKTAR");
    cart.Deitir1->trigger();
    QCOMPARE(opened, QList<int>({lines[1], lines[0]}));
    QCOMPARE(intsOf(s.sunucuSepeti(), "SEC"), QList<int>({1, 0})); // no mark changed

    // While a fetch runs the grid takes no double-click.
    WorkTabs& tabs = *w.sPageControl1;
    tabs.setActiveSheet(tabs.sstoklistesi);
    tabs.setActiveSheet(tabs.ssepet);
    cart.Deitir1Click(); // as the menu would, were it reachable
    QCOMPARE(opened.size(), 2);
    QTRY_VERIFY(cartFetchEnded(w));
}

void TestCart::changedLineIsFetchedAgain()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    const int line = intsOf(w.sepet->Data(), "SIRANO").first();
    bool opened = false;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* d = qobject_cast<Tstokayarinti*>(modal);
        if (!d || opened)
            return;
        opened = true;
        d->adet->selectAll();
        QTest::keyClick(d->adet, Qt::Key_Backspace);
        QTest::keyClicks(d->adet, "5");
        d->ParcaliTus1->click();
    });
    // The catalogue's stock detail dialog, reached through the main window's wiring.
    doubleClickCell(*w.cxGrid2, 0, "STOKADI");
    QVERIFY(opened);
    const DataTable server = s.sunucuSepeti();
    QCOMPARE(intsOf(server, "MIKTAR").first(), 5);
    QCOMPARE(intsOf(w.sepet->Data(), "MIKTAR").first(), 5);
    QCOMPARE(intsOf(w.sepet->Data(), "SIRANO").first(), line);
    QCOMPARE(totalsOf(w).aratoplaml->text(), amount(markedSum(server, "TUTAR")));
}

void TestCart::deleteLine_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("Evet") << 6 << true;
    QTest::newRow("Hayır") << 7 << false;
    QTest::newRow("close box") << 2 << false;
}

void TestCart::deleteLine()
{
    QFETCH(int, answer);
    QFETCH(bool, deleted);

    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    const int line = w.sepet->Data().column(w.sepet->FieldIndex("SIRANO")).valueAt(0).toInt();
    w.sepet->First();
    const QString note = w.sepet->FieldByName("BARKOD").DisplayText() + "-" +
                         w.sepet->FieldByName("STOKADI").DisplayText();
    clickCell(*w.cxGrid2, 0, "BARKOD");

    s.presenter.answer({answer});
    cartOf(w).SatrSil1->trigger();
    QCOMPARE(s.presenter.entries().first().text, QStringLiteral("Satırı silmek istiyor musunuz "));
    QVERIFY(hasEntry(s.presenter, question("Satırı silmek istiyor musunuz ")));
    QCOMPARE(s.presenter.entries().size(), deleted ? 2 : 1);
    QCOMPARE(s.sunucuSepeti().rowCount(), deleted ? 1 : 2);
    if (!deleted) {
        QCOMPARE(cartCaption(w), QStringLiteral("2=Sepet"));
        return;
    }
    QCOMPARE(s.presenter.entries().last().text, QStringLiteral("Satır silindi !"));
    QVERIFY(hasEntry(s.presenter, information("Satır silindi !")));
    QCOMPARE(cartCaption(w), QStringLiteral("1=Sepet"));
    QCOMPARE(rowWithSirano(*w.sepet, line), -1);
    // The deleted line was the marked one.
    QCOMPARE(totalTexts(w), QStringList(5, QStringLiteral("0,00")));
    const auto log =
        onDatabase(s, "SELECT ACIKLAMA FROM SEPET_SILINEN WHERE SEPETSIRANO = ?", {line});
    QCOMPARE(log.size(), 1);
    QCOMPARE(log[0][0].toString(), note);
}

void TestCart::deleteWholeCart()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    CartTab& cart = cartOf(w);

    s.presenter.answer({7});
    cart.HepsiniSil1->trigger();
    QCOMPARE(s.sunucuSepeti().rowCount(), 2);

    s.presenter.answer({6});
    cart.HepsiniSil1->trigger();
    QCOMPARE(s.presenter.texts(),
             QStringList({"Tüm Sepeti Silmek İstiyor musunuz ",
                          "Tüm Sepeti Silmek İstiyor musunuz ", "Sepet Silindi !"}));
    QVERIFY(hasEntry(s.presenter, question("Tüm Sepeti Silmek İstiyor musunuz ")));
    QVERIFY(hasEntry(s.presenter, information("Sepet Silindi !")));
    QCOMPARE(s.sunucuSepeti().rowCount(), 0);
    QCOMPARE(cartCaption(w), QStringLiteral("0=Sepet"));
    QCOMPARE(totalTexts(w), QStringList(5, QStringLiteral("0,00")));

    // An empty cart: nothing asked, nothing done.
    cart.HepsiniSil1->trigger();
    cart.SatrSil1->trigger();
    QCOMPARE(s.presenter.entries().size(), 3);
}

void TestCart::excelExport()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    QVERIFY(showCart(s.w()));
    QTemporaryDir dir;
    ChosenFile chosen(dir.filePath("sepet.xls"));
    cartOf(s.w()).Panel4->Button2->click();
    QCOMPARE(chosen.askedFilter, QStringLiteral("Excel|*.xls*"));
    QFile file(dir.filePath("sepet.xlsx"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("PK")); // a workbook is a zip archive
    QVERIFY(s.presenter.entries().isEmpty());
}

void TestCart::overdueWarning()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QString expected;
    onServer(s, [&](TServerMethods1Client& p) { expected = p.CariVadeGunGecmismiBul(1200); });
    QVERIFY(expected.startsWith("Vadesi geçmiş borcunuz"));
    QVERIFY(showCart(w));
    QTRY_COMPARE(warningLabel(w).text(), expected);

    // An account without overdue debts: the label is emptied and stays empty.
    w.sbilgi.SetCARINO(1390);
    s.server.log();
    QVERIFY(showCart(w));
    QVERIFY(warningLabel(w).text().isEmpty());
    QTRY_VERIFY(s.server.log().contains("CariVadeGunGecmismiBul"));
    QTest::qWait(200);
    QVERIFY(warningLabel(w).text().isEmpty());
}

void TestCart::pendingOverdueWarning()
{
    auto s = std::make_unique<MainWindowFixture>(
        QStringList{"--fault", "delay:CariVadeGunGecmismiBul:400"});
    QVERIFY2(s->login("DEMO-BAYI"), qPrintable(s->error()));
    TForm1& w = s->w();
    QVERIFY(showCart(w));
    QVERIFY(warningLabel(w).text().isEmpty());
    QTRY_VERIFY(!warningLabel(w).text().isEmpty());
    // Shown again: empty while the new answer is pending, then written.
    QVERIFY(showCart(w));
    QVERIFY(warningLabel(w).text().isEmpty());
    QTRY_VERIFY(!warningLabel(w).text().isEmpty());

    // A late answer finds the window gone and goes nowhere.
    QVERIFY(showCart(w));
    s.reset();
    QTest::qWait(700);
}

WEBENGINE_TEST_MAIN_WITH(TestCart, OtoKorvelB2B)
#include "tst_cart.moc"
