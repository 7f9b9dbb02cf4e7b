#include "MethodCatalogue.h"
#include "RemoteConnection.h"
#include "RemoteError.h"
#include "StreamRule.h"
#include "TServerMethods1Client.h"
#include "TestServer.h"

#include <QtTest>
#include <functional>

/// Every typed operation of the proxy reaches the method of its own name with parameters of
/// the declared types, and hands the result over in the declared form.
class TestProxy : public QObject
{
    Q_OBJECT

    using Operation = std::function<void(TServerMethods1Client&)>;

    std::unique_ptr<TSonucBilgisi> copy() const
    {
        auto s = std::make_unique<TSonucBilgisi>();
        s->Kopyala(m_session);
        return s;
    }

    std::vector<std::pair<QString, Operation>> operations()
    {
        // Values are captured by copy; `size` receives the stream lengths.
        const int carino = m_session.CARINO();
        const double today = QDate::currentDate().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
        const QString s = QStringLiteral("x");
        qint64& size = m_size;
        auto stream = [](QIODevice* d) { QVERIFY(d != nullptr); };
        return {
            {"BuyukGetir", [=, this, &size](auto& p) { QVERIFY(p.BuyukGetir("DEMO-BAYI")->Varmi()); }},
            {"StokAraGetir", [=, this, &size](auto& p) { QVERIFY(p.StokAraGetir("FREN", copy()).columnCount() > 0); }},
            {"YenilerVer2", [=, this, &size](auto& p) { p.YenilerVer2(carino); }},
            {"KampanyaliVer2", [=, this, &size](auto& p) { p.KampanyaliVer2(carino, 3); }},
            {"ResimVer5", [=, this, &size](auto& p) { stream(p.ResimVer5(1, size)); }},
            {"SepetVer2", [=, this, &size](auto& p) { p.SepetVer2(carino); }},
            {"SepetEkle2", [=, this, &size](auto& p) { p.SepetEkle2(copy(), carino, 1, s, s, 1, 20, 10, 0, m_session.Sirano(), 0, 0, 0, 0); }},
            {"SepetGuncelle2", [=, this, &size](auto& p) { p.SepetGuncelle2(copy(), carino, 0, s, s, 1, 20, 10, 0, m_session.Sirano(), 0, 0, 0, 0); }},
            {"SepetSatirSil", [=, this, &size](auto& p) { p.SepetSatirSil(copy(), 0, s); }},
            {"SepetHepsiniSil", [=, this, &size](auto& p) { p.SepetHepsiniSil(copy()); }},
            {"SepetSecimGuncelle", [=, this, &size](auto& p) { p.SepetSecimGuncelle(0, 1); }},
            {"TeslimVer", [=, this, &size](auto& p) { QVERIFY(p.TeslimVer().ColumnCount() >= 2); }},
            {"KargoVer", [=, this, &size](auto& p) { QVERIFY(p.KargoVer().ColumnCount() >= 2); }},
            {"KargolarVer", [=, this, &size](auto& p) { p.KargolarVer(1); }},
            {"SiparisKaydet", [=, this, &size](auto& p) { p.SiparisKaydet(copy(), carino, 1, 1, s, m_session.Sirano(), 1); }},
            {"CariEkstreVer", [=, this, &size](auto& p) { p.CariEkstreVer(carino); }},
            {"OncekiSiparisler", [=, this, &size](auto& p) { p.OncekiSiparisler(carino); }},
            {"SiparisAyrintisi2", [=, this, &size](auto& p) { p.SiparisAyrintisi2(carino, 1); }},
            {"SiparisAytintisiDip", [=, this, &size](auto& p) { p.SiparisAytintisiDip(0, 1); }},
            {"FaturaGetir", [=, this, &size](auto& p) { p.FaturaGetir(carino, 1); }},
            {"FaturaAltGetir", [=, this, &size](auto& p) { p.FaturaAltGetir(1); }},
            {"Tahsilat", [=, this, &size](auto& p) { p.Tahsilat(1); }},
            {"SanalposSiranoVer", [=, this, &size](auto& p) { p.SanalposSiranoVer(1); }},
            {"SAnalPosPdfVer", [=, this, &size](auto& p) { stream(p.SAnalPosPdfVer(1, size)); }},
            {"BakiyelerVer2", [=, this, &size](auto& p) { p.BakiyelerVer2(carino); }},
            {"BakiyeDuzenle", [=, this, &size](auto& p) { p.BakiyeDuzenle(copy(), 0, 0, 0, 0, 0, s); }},
            {"BakiyeDegistir", [=, this, &size](auto& p) { p.BakiyeDegistir(copy(), 0, 0, 0, 0, 0, s); }},
            {"BakiyeFiyatDegistir", [=, this, &size](auto& p) { p.BakiyeFiyatDegistir(copy(), 0, 0, 0, 0, 0, s, 0, 0); }},
            {"TumSiparislerVer", [=, this, &size](auto& p) { p.TumSiparislerVer(carino, 1); }},
            {"StokHareketVer", [=, this, &size](auto& p) { p.StokHareketVer(carino, 1); }},
            {"RaporAlinanSiparisler", [=, this, &size](auto& p) { p.RaporAlinanSiparisler(copy(), today - 30, today); }},
            {"RaporEnCokSatilanStoklar", [=, this, &size](auto& p) { p.RaporEnCokSatilanStoklar(copy(), today - 30, today); }},
            {"CariAra", [=, this, &size](auto& p) { p.CariAra(copy(), "oto"); }},
            {"CariSepetVer", [=, this, &size](auto& p) { p.CariSepetVer(copy(), 1); }},
            {"SepetSayisi", [=, this, &size](auto& p) { p.SepetSayisi(copy()); }},
            {"TusSonuclariVer", [=, this, &size](auto& p) { p.TusSonuclariVer(copy()); }},
            {"RaporGetir", [=, this, &size](auto& p) { stream(p.RaporGetir(1, 1, 1, carino, s, today - 30, today, size)); }},
            {"AcilisEkranlarVer2", [=, this, &size](auto& p) { QVERIFY(p.AcilisEkranlarVer2() != nullptr); }},
            {"KayanYaziGetir", [=, this, &size](auto& p) { QVERIFY(!p.KayanYaziGetir().isEmpty()); }},
            {"BannerResimVer", [=, this, &size](auto& p) { stream(p.BannerResimVer(size)); }},
            {"BannerResimVer2", [=, this, &size](auto& p) { stream(p.BannerResimVer2(size)); }},
            {"BannerResimVer3", [=, this, &size](auto& p) { stream(p.BannerResimVer3(size)); }},
            {"BalonGetir", [=, this, &size](auto& p) { p.BalonGetir(copy()); }},
            {"AcilisReklamAdet", [=, this, &size](auto& p) { QVERIFY(p.AcilisReklamAdet() >= 0); }},
            {"AcilisREklamVer", [=, this, &size](auto& p) { p.AcilisREklamVer(0); }},
            {"CariDurumVer", [=, this, &size](auto& p) { p.CariDurumVer(carino); }},
            {"CariVadeGunGecmismiBul", [=, this, &size](auto& p) { p.CariVadeGunGecmismiBul(carino); }},
            {"MobilCariBilgisiGetir", [=, this, &size](auto& p) { p.MobilCariBilgisiGetir(0, "DEMO-BAYI"); }},
            {"MailGonserCari", [=, this, &size](auto& p) { p.MailGonserCari(s, s, s, s, s, s, s, s, s, s, s, s, s, s, s, s); }},
            {"MailGonserCariNormal", [=, this, &size](auto& p) { p.MailGonserCariNormal(s, s, s, s, s, s, s, s, s, s, s, s, s, s, s, s, s); }},
        };
    }

private slots:
    void everyOperationReachesItsMethod()
    {
        TestServer server;
        QVERIFY2(server.started(), qPrintable(server.error()));
        RemoteConnection connection;
        connection.HostName = QStringLiteral("127.0.0.1");
        connection.Port = QString::number(server.port());
        connection.Open();
        TServerMethods1Client proxy(connection);
        m_session.Kopyala(*proxy.BuyukGetir(QStringLiteral("DEMO-BAYI")));

        const auto list = operations();
        QCOMPARE(list.size(), MethodCatalogue::all().size());
        for (const auto& [name, operation] : list) {
            try {
                operation(proxy);
            } catch (const RemoteError& e) {
                // The server refusing made-up keys still proves the call reached the method
                // with parameters it could read.
                QVERIFY2(e.kind() == RemoteError::Kind::Server, qPrintable(name + ": " + e.text()));
            }
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(name));
            const ServerMethodCommand* command = proxy.Command(name);
            QVERIFY2(command != nullptr, qPrintable(name));
            QCOMPARE(command->Text, QStringLiteral("TServerMethods1.") + name);
        }
        QCOMPARE(proxy.PreparedCommandCount(), int(MethodCatalogue::all().size()));
    }

private:
    TSonucBilgisi m_session;
    qint64 m_size = 0;
};

QTEST_GUILESS_MAIN(TestProxy)
#include "tst_proxy.moc"
