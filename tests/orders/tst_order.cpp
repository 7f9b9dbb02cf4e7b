#include "CartBottomPanel.h"
#include "CartHelpers.h"
#include "CartSelectionStrip.h"
#include "CartTab.h"
#include "CartTotalsPanel.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "MainWindowFixture.h"
#include "ModalWatcher.h"
#include "OptionGroup.h"
#include "OtoKorvelB2B.h"
#include "SearchBar.h"
#include "TForm1.h"
#include "TONAYSIP.h"
#include "TServerMethods1Client.h"
#include "TabSheet.h"
#include "WebEngineTestMain.h"
#include "WorkTabs.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

using Shown = ScriptedPresenter::Shown;

const QStringList DeliveryTypes{"Kargo ile Gönderim", "Depodan Teslim", "Servis Aracı ile"};
const QStringList CargoTypes{"Anlaşmalı Kargo", "Alıcı Ödemeli", "Ambar"};
const QStringList ContractCarriers{" ", "ARAS KARGO", "YURTİÇİ KARGO"};

QStringList optionTexts(const OptionGroup& group)
{
    QStringList texts;
    for (int i = 0; i < group.count(); ++i)
        texts << group.option(i)->text();
    return texts;
}

QStringList comboTexts(const QComboBox& combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

/// The stock numbers of the lines marked with 1, in line order.
QList<int> markedStock(const DataTable& cart)
{
    const QList<int> marks = intsOf(cart, "SEC");
    const QList<int> stock = intsOf(cart, "STOKNO");
    QList<int> marked;
    for (int row = 0; row < marks.size(); ++row) {
        if (marks[row] == 1)
            marked << stock[row];
    }
    return marked;
}

int orderCount(MainWindowFixture& s)
{
    int count = 0;
    onServer(s, [&](TServerMethods1Client& p) {
        count = p.OncekiSiparisler(s.w().sbilgi.CARINO()).Table().rowCount();
    });
    return count;
}

/// Chooses an option with a click on its round button.
void choose(OptionGroup& group, int index)
{
    QRadioButton* option = group.option(index);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

/// A confirmation dialog on the window, shown and active, as "Gönder" would open it.
std::unique_ptr<TONAYSIP> confirmation(TForm1& w)
{
    // The main window first, so that its activation cannot come after the dialog's.
    if (!QTest::qWaitForWindowActive(&w))
        return nullptr;
    auto dialog = std::make_unique<TONAYSIP>(&w, w.bagc, QStringLiteral("uyarı"), w.sbilgi,
                                             QStringLiteral("1.234,56"));
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

} // namespace

/// "Gönder" and the order confirmation, on a main window logged in as the demo dealer.
class TestOrder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }
    void sendOrderEndToEnd();
    void nothingMarkedNothingToSend();
    void cancelledConfirmationSendsNothing();
    void carrierChoice();
    void missingChoices();
    void carriersThatCannotBeLoaded();
};

void TestOrder::sendOrderEndToEnd()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    onServer(s, [&](TServerMethods1Client& p) {
        QCOMPARE(p.SepetEkle2(kopya(s.w().sbilgi), 1200, 11, "x", "x", 3, 20, 10, 0,
                              w.sbilgi.Sirano(), 0, 0, 0, 0),
                 1);
    });
    QVERIFY(showCart(w));
    CartTab& cart = cartOf(w);
    QTRY_VERIFY(!cart.panelsec->lbluyarbakiye->text().isEmpty());
    const DataTable before = s.sunucuSepeti();
    QCOMPARE(before.rowCount(), 3);
    const QList<int> marked = markedStock(before);
    QCOMPARE(marked.size(), 2);
    const QString note = QStringLiteral("Cuma öğlene kadar lütfen.\nTeşekkürler");

    QStringList seen;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* d = qobject_cast<TONAYSIP*>(modal);
        if (!d)
            return;
        seen << d->windowTitle() << d->Label2->text() << d->Label3->text()
             << optionTexts(*d->teslimbox).join('|') << QString::number(d->teslimbox->itemIndex())
             << optionTexts(*d->boxkargo).join('|') << QString::number(d->boxkargo->itemIndex());
        choose(*d->boxkargo, 0);
        seen << comboTexts(*d->kargocombo).join('|') << d->kargocombo->currentText()
             << d->uyarikargo->text();
        d->kargocombo->setFocus();
        QTest::keyClick(d->kargocombo, Qt::Key_Down);
        seen << d->uyarikargo->text();
        QTest::keyClick(d->kargocombo, Qt::Key_Down);
        seen << d->kargocombo->currentText() << d->uyarikargo->text();
        d->aciklamagir->setPlainText(note);
        d->Button1->click();
    });
    const QString total = cart.Panel4->Panel6->geneltoplaml->text();
    cart.Panel4->Button1->click();

    QCOMPARE(seen, QStringList({"Sipariş Onay",
                                "Kullanıcı: " + w.sbilgi.ADI() +
                                    "\nCari     : " + w.sbilgi.CariAdi() + "\nTutar    : " + total,
                                cart.panelsec->lbluyarbakiye->text(), DeliveryTypes.join('|'), "1",
                                CargoTypes.join('|'), "-1", ContractCarriers.join('|'), " ", "",
                                "Cumartesi teslimat yapılmaz.", "YURTİÇİ KARGO",
                                "16:00'ya kadar verilen siparişler aynı gün çıkar."}));
    QCOMPARE(s.presenter.texts(), QStringList{"Siparişiniz Gönderildi !"});
    QCOMPARE(s.presenter.entries()[0].kind, 2);
    // The cart was fetched again: only the unmarked line is left.
    QCOMPARE(w.sPageControl1->ssepet->caption(), QStringLiteral("1=Sepet"));
    QCOMPARE(w.sepet->RecordCount(), 1);

    // The newest order of the account holds exactly the marked lines, with the choices.
    onServer(s, [&](TServerMethods1Client& p) {
        RecordSetReader& orders = p.OncekiSiparisler(1200);
        QVERIFY(orders.Next());
        const int idno = orders.Value("IDNO").toInt();
        QCOMPARE(intsOf(p.SiparisAyrintisi2(1200, idno).Table(), "STOKNO"), marked);
        const TSiparisDipAyrinti* dip = p.SiparisAytintisiDip(0, idno);
        QVERIFY(dip);
        QCOMPARE(dip->SizinMesaj(), note);
        QCOMPARE(dip->Kargo(), QStringLiteral("YURTİÇİ KARGO"));
        QCOMPARE(dip->KargoCinsi(), QStringLiteral("Anlaşmalı Kargo"));
        QCOMPARE(dip->TeslimCinsi(), QStringLiteral("Depodan Teslim"));
    });
}

void TestOrder::nothingMarkedNothingToSend()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    bool opened = false;
    ModalWatcher watcher([&](QWidget* modal) {
        opened = true;
        modal->close();
    });
    // Before the cart was ever fetched, and with every line unmarked.
    cartOf(w).Button1Click();
    QVERIFY(showCart(w));
    cartOf(w).panelsec->Button5->click();
    cartOf(w).Panel4->Button1->click();
    QCOMPARE(s.presenter.texts(), QStringList(2, "Gönderilecek Parça Yok "));
    const ScriptedPresenter::Entry& e = s.presenter.entries().last();
    QCOMPARE(e.kind, 0);
    QCOMPARE(e.buttons, 1 << 2);
    QCOMPARE(e.defaultButton, 2);
    QVERIFY(!opened);
}

void TestOrder::cancelledConfirmationSendsNothing()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    TForm1& w = s.w();
    QVERIFY(showCart(w));
    const int orders = orderCount(s);
    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* d = qobject_cast<TONAYSIP*>(modal)) {
            choose(*d->boxkargo, 1);
            d->Button2->click();
        }
    });
    cartOf(w).Panel4->Button1->click();
    QCOMPARE(orderCount(s), orders);
    QCOMPARE(s.sunucuSepeti().rowCount(), 2);
    QVERIFY(s.presenter.entries().isEmpty());
}

void TestOrder::carrierChoice()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    auto d = confirmation(s.w());
    QVERIFY(d);
    QCOMPARE(d->Label3->text(), QStringLiteral("uyarı"));
    QVERIFY(d->Label2->text().endsWith("Tutar    : 1.234,56"));
    QVERIFY(d->Label2->font().fixedPitch());

    // A lone carrier is chosen at once, with its warning.
    choose(*d->boxkargo, 1);
    QCOMPARE(comboTexts(*d->kargocombo), QStringList({" ", "MNG KARGO"}));
    QCOMPARE(d->kargocombo->currentIndex(), 1);
    QCOMPARE(d->uyarikargo->text(),
             QStringLiteral("Alıcı ödemeli gönderilerde ücret kapıda ödenir."));
    // Another cargo type: the warning goes, the list is reloaded, the blank stays chosen.
    choose(*d->boxkargo, 0);
    QCOMPARE(comboTexts(*d->kargocombo), ContractCarriers);
    QCOMPARE(d->kargocombo->currentIndex(), 0);
    QVERIFY(d->uyarikargo->text().isEmpty());
    // Back to the blank: no warning.
    d->kargocombo->setFocus();
    QTest::keyClick(d->kargocombo, Qt::Key_Down);
    QVERIFY(!d->uyarikargo->text().isEmpty());
    QTest::keyClick(d->kargocombo, Qt::Key_Up);
    QVERIFY(d->uyarikargo->text().isEmpty());

    choose(*d->boxkargo, 2);
    d->Button1->click();
    QCOMPARE(d->result(), int(QDialog::Accepted));
    QCOMPARE(d->td, 2);
    QCOMPARE(d->kt, 3);
    QCOMPARE(d->KN, 4); // ANKARA AMBARI, the lone carrier of "Ambar"
    QVERIFY(s.presenter.entries().isEmpty());
}

void TestOrder::missingChoices()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    auto d = confirmation(s.w());
    QVERIFY(d);
    d->Button1->click();
    choose(*d->boxkargo, 0);
    d->Button1->click();
    QVERIFY(d->isVisible());
    QCOMPARE(d->focusWidget(), d->kargocombo);
    QCOMPARE(s.presenter.texts(),
             QStringList({"Lütfen Kargo Türünü Seçiniz !", "Lütfen Kargo  Seçiniz !"}));
    for (const ScriptedPresenter::Entry& e : s.presenter.entries())
        QCOMPARE(e.kind, 0);
    // The choices made so far are kept.
    QCOMPARE(d->teslimbox->itemIndex(), 1);
    QCOMPARE(d->boxkargo->itemIndex(), 0);
}

void TestOrder::carriersThatCannotBeLoaded()
{
    MainWindowFixture s;
    QVERIFY2(s.login("DEMO-BAYI"), qPrintable(s.error()));
    auto d = confirmation(s.w());
    QVERIFY(d);
    choose(*d->boxkargo, 0);
    QCOMPARE(comboTexts(*d->kargocombo), ContractCarriers);

    s.w().bagc.Port = deadPort();
    choose(*d->boxkargo, 1);
    QCOMPARE(s.presenter.count(Shown::Message), 11);
    QCOMPARE(s.presenter.texts().last(),
             QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
    // The carriers of the other cargo type are not offered for this one.
    QCOMPARE(d->kargocombo->count(), 0);
    QVERIFY(d->uyarikargo->text().isEmpty());
    d->Button1->click();
    QCOMPARE(s.presenter.texts().last(), QStringLiteral("Lütfen Kargo  Seçiniz !"));
    QVERIFY(d->isVisible());
}

WEBENGINE_TEST_MAIN_WITH(TestOrder, OtoKorvelB2B)
#include "tst_order.moc"
