#include "AnimatedPicture.h"
#include "Katalog.h"
#include "KatalogTestleri.h"
#include "OtoKorvelB2B.h"
#include "StokArama.h"
#include "TabSheet.h"
#include "WebEngineTestMain.h"
#include "WorkTabs.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QToolButton>

using namespace KatalogTestleri;

namespace {

const QString Baglanti = QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!");

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

/// The stock search against a real server, driven through the main window's search bar.
class TestStokArama : public QObject
{
    Q_OBJECT

private slots:
    void typedTurkishLetters_data();
    void typedTurkishLetters();
    void pastedTextIsNotConverted();
    void tooShortIsRefused_data();
    void tooShortIsRefused();
    void searchFillsTheList_data();
    void searchFillsTheList();
    void noMatchGivesAnEmptyList();
    void araButtonSearchesAsEnter();
    void whileSearchingAraAndTemizleDoNothing();
    void failedSearchEmptiesTheList();
    void temizle();
    void popupMenu();
};

void TestStokArama::typedTurkishLetters_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("small letters") << "ğüşöçı"
                                   << "GUSOCI";
    QTest::newRow("capitals") << "ĞÜŞİÖÇ"
                              << "GUSIOC";
    QTest::newRow("dotted i is upper-cased plainly") << "fren i"
                                                     << "FREN I";
    QTest::newRow("other letters stay") << "aé-1"
                                        << "AÉ-1";
}

void TestStokArama::typedTurkishLetters()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    TForm1 w;
    harfYaz(w.Panel2->araedit, typed);
    QCOMPARE(w.Panel2->araedit->text(), shown);
}

void TestStokArama::pastedTextIsNotConverted()
{
    TForm1 w;
    QApplication::clipboard()->setText(QStringLiteral("şişe"));
    w.Panel2->araedit->paste();
    QCOMPARE(w.Panel2->araedit->text(), QStringLiteral("ŞIŞE"));
}

void TestStokArama::tooShortIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("two letters") << "ab";
    QTest::newRow("two letters between blanks") << "  ab  ";
    QTest::newRow("blanks only") << "     ";
}

void TestStokArama::tooShortIsRefused()
{
    QFETCH(QString, text);

    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    w.sPageControl1->setActiveSheet(w.sPageControl1->syeniler);
    QVERIFY(f.bosta());
    f.presenter.clear();
    yazVeAra(w, text);
    QCOMPARE(f.presenter.texts(), QStringList{"Lütfen en az 3 harf giriniz !"});
    const ScriptedPresenter::Entry& uyari = f.presenter.entries().first();
    QCOMPARE(uyari.kind, 0);
    QCOMPARE(uyari.buttons, 1 << 2);
    QCOMPARE(uyari.defaultButton, 2);
    // The stock tab came to the front; nothing else changed.
    QCOMPARE(w.sPageControl1->activeSheet(), w.sPageControl1->sstoklistesi);
    QVERIFY(w.Panel2->araedit->isEnabled());
    QVERIFY(w.cxGrid1->isAttached());
    QCOMPARE(cagriSayisi(f.server, "StokAraGetir"), 0);
}

void TestStokArama::searchFillsTheList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("onlyTheBrand");
    QTest::newRow("a brand") << "BOSCH" << true;
    // Three letters with a leading blank search; the text goes as typed.
    QTest::newRow("leading blank") << " BOS" << false;
}

void TestStokArama::searchFillsTheList()
{
    QFETCH(QString, text);
    QFETCH(bool, onlyTheBrand);

    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    QVERIFY(ara(f, text));
    // Every tenth item of the demo catalogue is a BOSCH.
    const int rows = w.stok->RecordCount();
    QVERIFY(onlyTheBrand ? rows == 30 : rows >= 30);
    QCOMPARE(w.sPageControl1->sstoklistesi->caption(), QString::number(rows) + "=Stok Listesi");
    QCOMPARE(w.cxGrid1->rowCount(), rows);
    QVERIFY(f.presenter.entries().isEmpty());
    // Sorted by status; amounts formatted; the box ready for the next search.
    double previous = -1;
    for (int row : w.cxGrid1->orderedRows()) {
        const double durum = w.cxGrid1->rowValues(row).number(QStringLiteral("DURUM"));
        QVERIFY(durum >= previous);
        previous = durum;
    }
    QCOMPARE(w.stok->DisplayFormat(w.stok->FieldIndex(QStringLiteral("NETFIYAT"))),
             QStringLiteral("#,###,##0.00"));
    QVERIFY(w.Panel2->araedit->hasFocus());
    QCOMPARE(w.Panel2->araedit->selectedText(), text);
    QVERIFY(w.Panel2->gifstokara->isHidden());
    // The footer counts the rows under "Oem1" once that column is shown.
    w.cxGrid1->setColumnVisible(QStringLiteral("OEM1"), true);
    QCOMPARE(w.cxGrid1->footerText(QStringLiteral("OEM1")), QString::number(rows));
}

void TestStokArama::noMatchGivesAnEmptyList()
{
    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    QVERIFY(ara(f, QStringLiteral("BOSCH")));
    QVERIFY(ara(f, QStringLiteral("XQZWV")));
    QCOMPARE(w.sPageControl1->sstoklistesi->caption(), QStringLiteral("0=Stok Listesi"));
    QCOMPARE(w.cxGrid1->rowCount(), 0);
    QVERIFY(f.presenter.entries().isEmpty());
}

void TestStokArama::araButtonSearchesAsEnter()
{
    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    QTest::keyClicks(w.Panel2->araedit, "VALEO");
    w.Panel2->SpeedButton2->click();
    QVERIFY(f.bosta());
    QCOMPARE(w.sPageControl1->sstoklistesi->caption(), QStringLiteral("30=Stok Listesi"));
}

void TestStokArama::whileSearchingAraAndTemizleDoNothing()
{
    MainWindowFixture f({QStringLiteral("--fault"), QStringLiteral("delay:StokAraGetir:1500")});
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    yazVeAra(w, QStringLiteral("MANN"));
    QVERIFY(!w.Panel2->araedit->isEnabled());
    QVERIFY(w.Panel2->gifstokara->isVisible());
    QVERIFY(w.Panel2->gifstokara->isRunning());
    QVERIFY(!w.cxGrid1->isAttached());
    QVERIFY(w.katalog->calisiyor());
    w.Panel2->SpeedButton2->click();
    w.Panel2->SpeedButton1->click();
    QCOMPARE(w.Panel2->araedit->text(), QStringLiteral("MANN"));
    QVERIFY(f.bosta());
    QCOMPARE(cagriSayisi(f.server, "StokAraGetir"), 1);
    QCOMPARE(w.sPageControl1->sstoklistesi->caption(), QStringLiteral("30=Stok Listesi"));
    QVERIFY(w.Panel2->gifstokara->isHidden());
    QVERIFY(!w.Panel2->gifstokara->isRunning());
    QVERIFY(!w.katalog->calisiyor());
}

void TestStokArama::failedSearchEmptiesTheList()
{
    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    QVERIFY(ara(f, QStringLiteral("BOSCH")));
    QCOMPARE(w.cxGrid1->rowCount(), 30);
    // The next search reaches a server whose search fails.
    TestServer bozuk({QStringLiteral("--seed-stock"), QStringLiteral("50"),
                      QStringLiteral("--fault"),
                      QStringLiteral("error:StokAraGetir:Arama servisi kapalı")});
    QVERIFY2(bozuk.started(), qPrintable(bozuk.error()));
    w.bagc.Port = QString::number(bozuk.port());
    QVERIFY(ara(f, QStringLiteral("BOSCH")));
    QCOMPARE(f.presenter.texts(), QStringList{Baglanti});
    QCOMPARE(f.presenter.entries().first().kind, 1);
    QCOMPARE(w.stok->RecordCount(), 0);
    QCOMPARE(w.cxGrid1->rowCount(), 0);
    QCOMPARE(w.sPageControl1->sstoklistesi->caption(), QStringLiteral("Stok Listesi"));
    QVERIFY(w.Panel2->araedit->isEnabled());
}

void TestStokArama::temizle()
{
    MainWindowFixture f;
    QVERIFY2(f.login(QStringLiteral("DEMO-BAYI")), qPrintable(f.error()));
    TForm1& w = f.w();
    QVERIFY(ara(f, QStringLiteral("BOSCH")));
    w.sPageControl1->setActiveSheet(w.sPageControl1->ssepet);
    w.Panel2->SpeedButton1->click();
    QCOMPARE(w.stok->RecordCount(), 0);
    QCOMPARE(w.sPageControl1->sstoklistesi->caption(), QStringLiteral("Stok Listesi"));
    QCOMPARE(w.sPageControl1->activeSheet(), w.sPageControl1->sstoklistesi);
    QVERIFY(w.Panel2->araedit->text().isEmpty());
    QVERIFY(w.Panel2->araedit->hasFocus());
}

void TestStokArama::popupMenu()
{
    TForm1 w;
    QCOMPARE(menuTexts(w.katalog->stokArama()->popstok),
             QStringList({"Sepete Ekle", "-", "Sipariş Bakiyeleriniz", "-", "Siparişleri Göster",
                          "-", "Stok Hareketleri"}));
}

WEBENGINE_TEST_MAIN_WITH(TestStokArama, OtoKorvelB2B)
#include "tst_stokarama.moc"
