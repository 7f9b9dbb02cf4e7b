#include "DayNumber.h"
#include "JsonRecordReader.h"
#include "MethodTable.h"
#include "RemoteError.h"
#include "ServerFixture.h"
#include "TAcilisEkranlariki.h"
#include "TMobilCariBilgisi.h"
#include "TSiparisDipAyrinti.h"
#include "TTusSonuclari.h"

#include <QImage>
#include <QtTest>
#include <cmath>

using F = ServerFixture;

namespace {

WireValue i32(int v) { return WireValue::int32(v); }
WireValue dbl(double v) { return WireValue::real(v); }
WireValue str(const QString& v) { return WireValue::string(v); }

double cascade(double amount, std::initializer_list<double> rates)
{
    for (double r : rates) {
        if (r > 0)
            amount -= amount * r / 100;
    }
    return std::round(amount * 100) / 100;
}

template <class T>
T recordOf(const WireValue& v)
{
    return *JsonRecordReader::read<T>(v.recordJson());
}

} // namespace

/// Every remote method against a real server process, each checked for its meaning.
class tst_ServerMethods : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> f;
    TSonucBilgisi bayi, usta, mehmet, ayse;

    std::vector<WireValue> cartArgs(const TSonucBilgisi& s, int carino, int stokno, double qty,
                                     double price, double ind1, int lineOrK)
    {
        return {F::record(s), i32(carino), i32(stokno), str("X"), str("Y"), dbl(qty), dbl(20),
                dbl(price), dbl(ind1), i32(s.Sirano()), i32(lineOrK), dbl(0), dbl(0), dbl(0)};
    }
    DataTable stock(const QString& text, const TSonucBilgisi& s)
    {
        return f->table("StokAraGetir", {str(text), F::record(s)});
    }
    DataTable cart(int carino) { return f->table("SepetVer2", {i32(carino)}); }

private slots:
    void initTestCase()
    {
        f = std::make_unique<ServerFixture>();
        QVERIFY2(f->started(), qPrintable(f->error()));
        bayi = f->session("DEMO-BAYI");
        usta = f->session("DEMO-USTA");
        mehmet = f->session("DEMO-SATICI");
        ayse = f->session("DEMO-YONETICI");
    }

    void everyMethodHasAHandler() { QCOMPARE(MethodTable::instance().missing(), QStringList()); }

    void login_data()
    {
        QTest::addColumn<QString>("workstation");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("active");
        QTest::addColumn<int>("carino");
        QTest::newRow("salesman") << "DEMO-SATICI" << "MEHMET" << "1111" << 1 << 1 << 0;
        QTest::newRow("manager") << "DEMO-YONETICI" << "AYSE" << "2222" << 2 << 1 << 0;
        QTest::newRow("dealer") << "DEMO-BAYI" << "BAYI" << "3333" << 3 << 1 << 1200;
        QTest::newRow("reduced") << "DEMO-USTA" << "USTA" << "4444" << 4 << 1 << 1201;
        QTest::newRow("inactive") << "DEMO-PASIF" << "PASIF" << "5555" << 3 << 0 << 1202;
    }
    void login()
    {
        QFETCH(QString, workstation);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(int, type);
        QFETCH(int, active);
        QFETCH(int, carino);
        const TSonucBilgisi s = f->session(workstation);
        QVERIFY(s.Varmi());
        QCOMPARE(s.ADI(), name);
        QCOMPARE(s.SIFRE(), password);
        QCOMPARE(s.MusteriTipi(), type);
        QCOMPARE(s.AKTIF(), active);
        QCOMPARE(s.CARINO(), carino);
        QCOMPARE(s.Version(), 9);
        QCOMPARE(s.BILGISAYARID(), workstation);
        QVERIFY(!s.SaticiAdi().isEmpty());
        QVERIFY(s.Sirano() > 0);
    }
    void unknownWorkstationIsNotKnownButCarriesTheVersion()
    {
        const TSonucBilgisi s = f->session("NO-SUCH-PC");
        QVERIFY(!s.Varmi());
        QCOMPARE(s.Version(), 9);
        QVERIFY(s.ADI().isEmpty());
    }

    void stockSearchPricesForTheCustomer()
    {
        const DataTable t = stock("fren balatası", bayi);
        QVERIFY(t.rowCount() > 100);
        for (const char* c : {"STOK_STOKNO", "IND1", "IND4", "FIYAT", "LISTEFIYAT1", "KAMPFIYAT",
                              "NETFIYAT", "KDVDAHIL", "INDIRIMYAZI", "DURUM", "K", "Y", "RESIM"})
            QVERIFY2(t.indexOf(c) >= 0, c);
        QCOMPARE(F::column(t, "NETFIYAT").type(), FieldType::Float);
        QCOMPARE(F::column(t, "STOK_STOKNO").type(), FieldType::Integer);
        for (int r = 0; r < t.rowCount(); ++r) {
            QVERIFY(F::text(t, "ADI", r).startsWith(QStringLiteral("FREN BALATASI")));
            const double net = F::number(t, "NETFIYAT", r);
            QCOMPARE(F::number(t, "KDVDAHIL", r), std::round(net * 120) / 100);
            if (F::number(t, "K", r) == 0) {
                // Account 1200 has 30 and 10 per cent.
                QCOMPARE(F::text(t, "INDIRIMYAZI", r), QStringLiteral("30+10"));
                QVERIFY(qAbs(net - cascade(F::number(t, "FIYAT", r), {30, 10})) < 0.0101);
                QCOMPARE(F::number(t, "FIYAT", r), F::number(t, "LISTEFIYAT1", r));
                QCOMPARE(F::number(t, "KAMPFIYAT", r), 0.0);
            } else {
                QCOMPARE(F::number(t, "FIYAT", r), F::number(t, "KAMPFIYAT", r));
                QCOMPARE(net, F::number(t, "KAMPFIYAT", r));
            }
            QCOMPARE(F::number(t, "KALAN", r), 0.0); // dealers are not shown quantities
        }
    }
    void stockSearchMatchesEveryWordByPrefix()
    {
        QCOMPARE(stock("BOSCH", bayi).rowCount(), 2000); // brand n mod 10 of 20,000 items
        const DataTable both = stock("  bosch fren ", bayi);
        QVERIFY(both.rowCount() > 0 && both.rowCount() < 2000);
        for (int r = 0; r < both.rowCount(); ++r)
            QCOMPARE(F::text(both, "MARKA", r), QStringLiteral("BOSCH"));
        QCOMPARE(stock("OK-100007", bayi).rowCount(), 1);
        QCOMPARE(F::number(stock("OK-100007", bayi), "STOK_STOKNO", 0), 7.0);
        const DataTable none = stock("   ", bayi);
        QCOMPARE(none.rowCount(), 0);
        QVERIFY(none.indexOf("IND1") >= 0);
        const DataTable salesman = stock("BOSCH", mehmet);
        double total = 0;
        for (int r = 0; r < salesman.rowCount(); ++r)
            total += F::number(salesman, "KALAN", r);
        QVERIFY(total > 0);
    }

    void newAndCampaignProducts()
    {
        const DataTable badges = f->table("BalonGetir", {F::record(bayi)});
        const DataTable news = f->table("YenilerVer2", {i32(1200)});
        QVERIFY(news.rowCount() > 0);
        QCOMPARE(double(news.rowCount()), badges.column(1).numberAt(0));
        for (int r = 0; r < news.rowCount(); ++r)
            QCOMPARE(F::number(news, "Y", r), 1.0);
        const DataTable camp = f->table("KampanyaliVer2", {i32(1200), i32(3)});
        QCOMPARE(double(camp.rowCount()), badges.column(2).numberAt(0));
        for (int r = 0; r < camp.rowCount(); ++r) {
            QCOMPARE(F::number(camp, "K", r), 1.0);
            QVERIFY(F::number(camp, "FIYAT", r) < F::number(camp, "ESKIFIYAT", r));
            QCOMPARE(F::number(camp, "KALAN", r), 0.0);
        }
        const DataTable forSalesman = f->table("KampanyaliVer2", {i32(1200), i32(1)});
        QCOMPARE(forSalesman.rowCount(), camp.rowCount());
    }

    void productPictures()
    {
        const DataTable t = stock("OK-10000", bayi);
        int with = -1, without = -1;
        for (int r = 0; r < t.rowCount(); ++r)
            (F::number(t, "RESIM", r) == 1 ? with : without) = int(F::number(t, "STOK_STOKNO", r));
        QVERIFY(with > 0 && without > 0);
        const auto r = f->call("ResimVer5", {i32(with)});
        const QByteArray jpeg = WireClient::at(r, 2).streamBytes();
        QCOMPARE(WireClient::at(r, 1).toInt64(), jpeg.size());
        QVERIFY(!QImage::fromData(jpeg, "JPEG").isNull());
        const auto none = f->call("ResimVer5", {i32(without)});
        QCOMPARE(WireClient::at(none, 1).toInt64(), 0);
    }

    void cartAddChangeOrderAndDelete()
    {
        f->result("SepetHepsiniSil", {F::record(bayi)});
        QCOMPARE(cart(1200).rowCount(), 0);
        const DataTable items = stock("YAG FILTRESI", bayi);
        int a = 0, b = 0;
        for (int r = 0; r < items.rowCount() && !b; ++r) {
            if (F::number(items, "K", r) == 0)
                (a ? b : a) = int(F::number(items, "STOK_STOKNO", r));
        }
        // A dealer's own price and rates do not count: the server prices the line.
        QCOMPARE(f->result("SepetEkle2", cartArgs(bayi, 1200, a, 3, 0.01, 99, 0)).toInt32(), 1);
        QCOMPARE(f->result("SepetEkle2", cartArgs(bayi, 1200, b, 2, 0.01, 99, 0)).toInt32(), 1);
        DataTable c = cart(1200);
        QCOMPARE(c.rowCount(), 2);
        const int row = F::number(c, "STOKNO", 0) == a ? 0 : 1;
        const double list = F::number(stock(QStringLiteral("OK-%1").arg(100000 + a), bayi),
                                      "LISTEFIYAT1", 0);
        QCOMPARE(F::number(c, "BIRIMFIYAT", row), list);
        QCOMPARE(F::number(c, "INDIRIMORANI1", row), 30.0);
        QCOMPARE(F::number(c, "TUTAR", row), std::round(list * 300) / 100);
        QVERIFY(qAbs(F::number(c, "NETTUTAR", row) - cascade(list * 3, {30, 10})) < 0.0101);
        QCOMPARE(F::number(c, "INDIRIMTUTAR", row),
                 std::round((F::number(c, "TUTAR", row) - F::number(c, "NETTUTAR", row)) * 100) / 100);
        QCOMPARE(F::number(c, "VERGITUTARI", row), std::round(F::number(c, "NETTUTAR", row) * 20) / 100);
        QCOMPARE(F::number(c, "SEC", row), 1.0);
        QCOMPARE(F::text(c, "VEREN", row), QStringLiteral("BAYI"));

        // Changing finds the line by its number; stokno is 0.
        const int lineA = int(F::number(c, "SIRANO", row));
        const int lineB = int(F::number(c, "SIRANO", 1 - row));
        QCOMPARE(f->result("SepetGuncelle2", cartArgs(bayi, 1200, 0, 5, 1, 0, lineA)).toInt32(), 1);
        QCOMPARE(F::number(cart(1200), "MIKTAR", row), 5.0);
        QCOMPARE(f->result("SepetGuncelle2", cartArgs(bayi, 1200, 0, 5, 1, 0, 999999)).toInt32(), 0);
        QCOMPARE(f->result("SepetEkle2", cartArgs(bayi, 1200, a, 0, 1, 0, 0)).toInt32(), 0);
        QCOMPARE(f->result("SepetEkle2", cartArgs(bayi, 1201, a, 1, 1, 0, 0)).toInt32(), 0);

        // Only the marked line becomes the order.
        f->call("SepetSecimGuncelle", {i32(lineB), i32(0)});
        f->call("SepetSecimGuncelle", {i32(lineA), i32(0)});
        const auto order = [&](int carrier) {
            return f->result("SiparisKaydet", {F::record(bayi), i32(1200), i32(1), i32(1),
                                               str("Test notu"), i32(bayi.Sirano()), i32(carrier)})
                .toBoolean();
        };
        QVERIFY(!order(1)); // nothing marked
        f->call("SepetSecimGuncelle", {i32(lineA), i32(1)});
        QVERIFY(!order(3)); // carrier of another cargo kind
        QVERIFY(order(1));
        c = cart(1200);
        QCOMPARE(c.rowCount(), 1);
        QCOMPARE(F::number(c, "SIRANO", 0), double(lineB));
        const DataTable orders = f->table("OncekiSiparisler", {i32(1200)});
        const int idno = int(F::number(orders, "IDNO", 0));
        QCOMPARE(F::text(orders, "DURUM", 0), QStringLiteral("Sipariş Alındı"));
        QCOMPARE(F::text(orders, "VERENINNOTU", 0), QStringLiteral("Test notu"));
        const DataTable lines = f->table("SiparisAyrintisi2", {i32(1200), i32(idno)});
        QCOMPARE(lines.rowCount(), 1);
        QCOMPARE(F::number(lines, "STOKNO", 0), double(a));
        QCOMPARE(F::number(lines, "MIKTAR", 0), 5.0);
        QCOMPARE(F::number(orders, "TUTAR", 0), F::number(lines, "TUTAR", 0));
        const auto dip = recordOf<TSiparisDipAyrinti>(
            f->result("SiparisAytintisiDip", {i32(0), i32(idno)}));
        QCOMPARE(dip.Durumu(), QStringLiteral("Sipariş Alındı"));
        QCOMPARE(dip.SizinMesaj(), QStringLiteral("Test notu"));
        QCOMPARE(dip.Kargo(), QStringLiteral("YURTİÇİ KARGO"));
        QCOMPARE(dip.Veren(), QStringLiteral("BAYI"));

        QCOMPARE(f->result("SepetSatirSil", {F::record(bayi), i32(lineB), str("B-X")}).toInt32(), 1);
        QCOMPARE(cart(1200).rowCount(), 0);
    }

    void shippingChoices()
    {
        const DataTable teslim = f->table("TeslimVer", {});
        QCOMPARE(teslim.rowCount(), 3);
        QCOMPARE(teslim.column(0).type(), FieldType::Integer);
        QCOMPARE(teslim.column(1).type(), FieldType::String);
        QCOMPARE(f->table("KargoVer", {}).rowCount(), 3);
        const DataTable one = f->table("KargolarVer", {i32(3)});
        QCOMPARE(one.rowCount(), 1);
        QCOMPARE(F::text(one, "ADI", 0), QStringLiteral("ANKARA AMBARI"));
        QVERIFY(!F::text(one, "UYARI", 0).isEmpty());
        QCOMPARE(f->table("KargolarVer", {i32(1)}).rowCount(), 2);
    }

    void statementInvoiceAndCollection()
    {
        const DataTable e = f->table("CariEkstreVer", {i32(1200)});
        QVERIFY(e.rowCount() > 5);
        QCOMPARE(F::column(e, "BAKIYE").type(), FieldType::Float);
        int invoice = -1, card = -1;
        for (int r = 0; r < e.rowCount(); ++r) {
            QVERIFY(F::column(e, "BAKIYE").isNull(r));
            QCOMPARE(F::text(e, "D", r), QString());
            if (F::text(e, "TURADI", r).contains("Fatura"))
                invoice = r;
            if (F::text(e, "TURADI", r) == "Tahsilat" &&
                f->result("SanalposSiranoVer", {i32(int(F::number(e, "IDNO", r)))}).toInt32() > 0)
                card = r;
        }
        QVERIFY(invoice >= 0 && card >= 0);
        const int idno = int(F::number(e, "IDNO", invoice));
        const DataTable lines = f->table("FaturaGetir", {i32(1200), i32(idno)});
        QVERIFY(lines.rowCount() > 0);
        QCOMPARE(F::text(lines, "EVRAKNO", 0), F::text(e, "EVRAK", invoice));
        const DataTable totals = f->table("FaturaAltGetir", {i32(idno)});
        QCOMPARE(F::number(totals, "KDVDAHIL", 0), F::number(e, "BORC", invoice));
        QCOMPARE(F::number(totals, "MATRAH", 0) + F::number(totals, "KDVTUTAR", 0),
                 F::number(totals, "KDVDAHIL", 0));
        QCOMPARE(f->table("FaturaGetir", {i32(1201), i32(idno)}).rowCount(), 0);

        const int collection = int(F::number(e, "IDNO", card));
        const DataTable tah = f->table("Tahsilat", {i32(collection)});
        QCOMPARE(F::number(tah, "Tutar", 0), F::number(e, "ALACAK", card));
        QCOMPARE(F::text(tah, "Türü", 0), QStringLiteral("Tahsilat"));
        const int pos = f->result("SanalposSiranoVer", {i32(collection)}).toInt32();
        const auto pdf = f->call("SAnalPosPdfVer", {i32(pos)});
        QVERIFY(WireClient::at(pdf, 2).streamBytes().startsWith("%PDF"));
        QCOMPARE(WireClient::at(pdf, 1).toInt64(), WireClient::at(pdf, 2).streamBytes().size());
        QCOMPARE(WireClient::at(f->call("SAnalPosPdfVer", {i32(0)}), 1).toInt64(), 0);
    }

    void orderBalances()
    {
        const DataTable b = f->table("BakiyelerVer2", {i32(1201)});
        QVERIFY(b.rowCount() >= 2);
        for (int r = 0; r < b.rowCount(); ++r)
            QVERIFY(F::number(b, "KALAN", r) > 0);
        const auto keys = [&](int r, const TSonucBilgisi& s) {
            return std::vector<WireValue>{F::record(s), i32(int(F::number(b, "STOK_STOKNO", r))),
                                          i32(int(F::number(b, "SIRANO", r))),
                                          i32(int(F::number(b, "STOKHAR_NO", r))),
                                          dbl(1), dbl(1), str(F::text(b, "BARKOD", r))};
        };
        QCOMPARE(f->result("BakiyeDegistir", keys(0, usta)).toInt32(), 1);
        DataTable after = f->table("BakiyelerVer2", {i32(1201)});
        QCOMPARE(F::number(after, "KALAN", 0), 1.0);
        auto price = keys(1, usta);
        price.push_back(dbl(77.5));
        price.push_back(dbl(10));
        QCOMPARE(f->result("BakiyeFiyatDegistir", price).toInt32(), 0); // not a manager
        TSonucBilgisi manager = ayse;
        manager.SetCARINO(1201);
        price[0] = F::record(manager);
        QCOMPARE(f->result("BakiyeFiyatDegistir", price).toInt32(), 1);
        after = f->table("BakiyelerVer2", {i32(1201)});
        QCOMPARE(F::number(after, "BIRIMFIYAT", 1), 77.5);
        QCOMPARE(F::number(after, "INDIRIMORANI1", 1), 10.0);
        QCOMPARE(f->result("BakiyeDuzenle", keys(0, usta)).toInt32(), 1);
        QCOMPARE(f->table("BakiyelerVer2", {i32(1201)}).rowCount(), b.rowCount() - 1);
        QCOMPARE(f->result("BakiyeDuzenle", keys(0, bayi)).toInt32(), 0); // other account
    }

    void orderLinesAndStockMovements()
    {
        const DataTable all = f->table("TumSiparislerVer", {i32(1202), i32(0)});
        QVERIFY(all.rowCount() > 5);
        const int stokno = int(F::number(all, "STOK_STOKNO", 0));
        const DataTable one = f->table("TumSiparislerVer", {i32(1202), i32(stokno)});
        QVERIFY(one.rowCount() >= 1);
        for (int r = 0; r < one.rowCount(); ++r)
            QCOMPARE(F::number(one, "STOK_STOKNO", r), double(stokno));
        const DataTable moves = f->table("StokHareketVer", {i32(1202), i32(0)});
        QVERIFY(moves.rowCount() > 0);
        QCOMPARE(F::column(moves, "TARIH").type(), FieldType::Date);
        QCOMPARE(F::number(moves, "KDVDAHILTUTAR", 0),
                 F::number(moves, "NETTLTUTAR", 0) + F::number(moves, "TLVERGI", 0));
    }

    void reportsOfSalesmen()
    {
        const double from = DayNumber::fromDate(QDate::currentDate().addYears(-1));
        const double to = DayNumber::fromDate(QDate::currentDate());
        const DataTable orders =
            f->table("RaporAlinanSiparisler", {F::record(ayse), dbl(from), dbl(to)});
        QVERIFY(orders.rowCount() > 100);
        QVERIFY(orders.indexOf("SATICIADI") >= 0);
        const DataTable own = f->table("RaporAlinanSiparisler", {F::record(mehmet), dbl(from), dbl(to)});
        QVERIFY(own.rowCount() > 0 && own.rowCount() < orders.rowCount());
        for (int r = 0; r < own.rowCount(); ++r)
            QCOMPARE(F::text(own, "SATICIADI", r), QStringLiteral("MEHMET YILMAZ"));
        QCOMPARE(f->table("RaporAlinanSiparisler", {F::record(bayi), dbl(from), dbl(to)}).rowCount(), 0);
        const DataTable best = f->table("RaporEnCokSatilanStoklar", {F::record(ayse), dbl(from), dbl(to)});
        QVERIFY(best.rowCount() > 10);
        QVERIFY(F::number(best, "MIKTAR", 0) >= F::number(best, "MIKTAR", best.rowCount() - 1));
        for (int report : {6, 7}) {
            const auto r = f->call("RaporGetir", {i32(report), i32(report), i32(1), i32(1200),
                                                  str("MEHMET YILMAZ"), dbl(from), dbl(to)});
            QVERIFY(WireClient::at(r, 8).streamBytes().startsWith("%PDF"));
            QCOMPARE(WireClient::at(r, 7).toInt64(), WireClient::at(r, 8).streamBytes().size());
        }
        const auto all = f->call("RaporGetir", {i32(6), i32(6), i32(1), i32(0), str("."), dbl(to), dbl(to)});
        QVERIFY(WireClient::at(all, 8).streamBytes().startsWith("%PDF"));
        QVERIFY_THROWS_EXCEPTION(RemoteError, f->call("RaporGetir", {i32(99), i32(99), i32(1), i32(0),
                                                                      str("."), dbl(to), dbl(to)}));
    }

    void salesmanDesk()
    {
        const DataTable found = f->table("CariAra", {F::record(mehmet), str("korkmaz")});
        QVERIFY(found.rowCount() >= 1);
        QCOMPARE(F::text(found, "CARIKOD", 0), QStringLiteral("120.01.001"));
        for (int r = 0; r < found.rowCount(); ++r)
            QCOMPARE(F::text(found, "SATICISI", r), QStringLiteral("MEHMET YILMAZ"));
        QCOMPARE(f->table("CariAra", {F::record(ayse), str("")}).rowCount(), 200);
        QCOMPARE(f->table("CariAra", {F::record(bayi), str("")}).rowCount(), 0);
        const DataTable carts = f->table("CariSepetVer", {F::record(ayse), i32(1)});
        QCOMPARE(double(carts.rowCount()), double(f->result("SepetSayisi", {F::record(ayse)}).toInt32()));
        for (int r = 0; r < carts.rowCount(); ++r)
            QVERIFY(F::number(carts, "SEPET", r) > 0);
        const DataTable received = f->table("CariSepetVer", {F::record(ayse), i32(2)});
        double alindi = 0;
        for (int r = 0; r < received.rowCount(); ++r)
            alindi += F::number(received, "ALINDI", r);
        const auto counts = recordOf<TTusSonuclari>(f->result("TusSonuclariVer", {F::record(ayse)}));
        QCOMPARE(double(counts.Alindi()), alindi);
        QVERIFY(counts.SevkEdildi() > 0 && counts.ParcaliHazirlandi() > 0);
    }

    void noticesAndBadges()
    {
        const auto screens = recordOf<TAcilisEkranlariki>(f->result("AcilisEkranlarVer2", {}));
        QCOMPARE(int(screens.Ekranlar().size()), 5);
        QCOMPARE(screens.Ekranlar()[0].Arama(), QStringLiteral("#KAMPANYA#"));
        QVERIFY(screens.Ekranlar()[0].Resim().startsWith("FFD8"));
        QCOMPARE(f->result("AcilisReklamAdet", {}).toInt32(), 3);
        const auto second = recordOf<TAcilisEkran>(f->result("AcilisREklamVer", {i32(1)}));
        QCOMPARE(second.Arama(), QStringLiteral("#YENİ#"));
        QVERIFY(recordOf<TAcilisEkran>(f->result("AcilisREklamVer", {i32(3)})).Baslik().isEmpty());
        QVERIFY(f->result("KayanYaziGetir", {}).toString().contains("<b>"));
        const char* magic[] = {"GIF89a", "GIF89a", "BM"};
        const char* names[] = {"BannerResimVer", "BannerResimVer2", "BannerResimVer3"};
        for (int i = 0; i < 3; ++i) {
            const auto r = f->call(names[i], {});
            QVERIFY(WireClient::at(r, 1).streamBytes().startsWith(magic[i]));
            QCOMPARE(WireClient::at(r, 0).toInt64(), WireClient::at(r, 1).streamBytes().size());
            QVERIFY(!QImage::fromData(WireClient::at(r, 1).streamBytes()).isNull());
        }
        const DataTable badges = f->table("BalonGetir", {F::record(bayi)});
        QCOMPARE(badges.rowCount(), 1);
        QCOMPARE(badges.columnCount(), 5);
        QCOMPARE(badges.column(0).type(), FieldType::Integer);
        QCOMPARE(badges.column(4).type(), FieldType::Float);
        QCOMPARE(badges.column(3).numberAt(0), 5.0);
    }

    void accountStatus()
    {
        QVERIFY(f->result("CariDurumVer", {i32(1200)}).toString().endsWith(" TL"));
        QCOMPARE(f->result("CariDurumVer", {i32(999999)}).toString(), QString());
        QVERIFY(f->result("CariVadeGunGecmismiBul", {i32(1205)}).toString().contains("Vadesi"));
        QCOMPARE(f->result("CariVadeGunGecmismiBul", {i32(1300)}).toString(), QString());
    }

    void accountCardAndMails()
    {
        const auto card = recordOf<TMobilCariBilgisi>(
            f->result("MobilCariBilgisiGetir", {i32(0), str("DEMO-BAYI")}));
        QCOMPARE(card.CARINO(), 1200);
        QCOMPARE(card.CARIADI(), bayi.CariAdi());
        QCOMPARE(card.KULLANICIADI(), QStringLiteral("BAYI"));
        QVERIFY(!card.ADRES1().isEmpty());
        std::vector<WireValue> mail{str("DEMO-BAYI"), str("Şifre Değiştirme İsteği")};
        for (int i = 0; i < 14; ++i)
            mail.push_back(str(QStringLiteral("alan %1").arg(i)));
        QCOMPARE(f->result("MailGonserCari", mail).toInt32(), 1);
        mail.push_back(str("satır 1,\"satır 2\""));
        mail[1] = str("Konu");
        QCOMPARE(f->result("MailGonserCariNormal", mail).toInt32(), 1);
        QVERIFY(f->server().log().contains("mail queued to mehmet.yilmaz@otokorvel.com.tr"));
    }
};

QTEST_MAIN(tst_ServerMethods)
#include "tst_ServerMethods.moc"
