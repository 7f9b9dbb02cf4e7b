#include "TServerMethods1Client.h"

#include "AppError.h"
#include "JsonRecordReader.h"
#include "JsonRecordWriter.h"
#include "RemoteConnection.h"

#include <QBuffer>

namespace {

/// A record set result together with its reader, kept alive as one returned object.
struct KeptRecordSet
{
    explicit KeptRecordSet(DataTable t) : table(std::move(t)), reader(table) {}
    DataTable table;
    RecordSetReader reader;
};

} // namespace

TServerMethods1Client::TServerMethods1Client(RemoteConnection& connection)
    : m_connection(connection)
{
    if (!connection.Connected())
        throw AppError(QStringLiteral(
            "Connection cannot be nil.  Make sure the connection has been opened."));
}

TServerMethods1Client::~TServerMethods1Client() = default;

ServerMethodCommand* TServerMethods1Client::Command(const QString& method) const
{
    return m_commands.value(method).get();
}

ServerMethodCommand& TServerMethods1Client::Invoke(const QString& method,
                                                   std::vector<WireValue> inputs)
{
    auto& command = m_commands[method];
    if (!command) {
        const MethodSignature* signature = MethodCatalogue::find(method);
        if (signature == nullptr) {
            m_commands.remove(method);
            throw AppError(QStringLiteral("Bilinmeyen uzak yöntem: %1").arg(method));
        }
        command = std::make_shared<ServerMethodCommand>(m_connection, *signature);
        command->Prepare();
    }
    command->Execute(std::move(inputs));
    return *command;
}

WireValue TServerMethods1Client::record(std::unique_ptr<TSonucBilgisi> record)
{
    if (!record)
        return WireValue::null();
    return WireValue::record(JsonRecordWriter::write(*record));
}

template <class T> T* TServerMethods1Client::keepRecord(ServerMethodCommand& command)
{
    return command.Keep(JsonRecordReader::read<T>(command.Result().recordJson()));
}

RecordSetReader& TServerMethods1Client::keepReader(ServerMethodCommand& command)
{
    return command.Keep(std::make_unique<KeptRecordSet>(command.Result().takeTable()))->reader;
}

QIODevice* TServerMethods1Client::keepStream(ServerMethodCommand& command, qint64& length)
{
    for (size_t i = 0; i < command.Signature().params.size(); ++i) {
        if (command.Signature().params[i].out)
            length = command.Parameter(static_cast<int>(i)).toInt64();
    }
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(command.Result().streamBytes());
    buffer->open(QIODevice::ReadOnly);
    return command.Keep(std::move(buffer));
}

TSonucBilgisi* TServerMethods1Client::BuyukGetir(const QString& idsi)
{
    return keepRecord<TSonucBilgisi>(
        Invoke(QStringLiteral("BuyukGetir"), {WireValue::string(idsi)}));
}

DataTable TServerMethods1Client::StokAraGetir(const QString& kod,
                                              std::unique_ptr<TSonucBilgisi> bilgi)
{
    return Invoke(QStringLiteral("StokAraGetir"),
                  {WireValue::string(kod), record(std::move(bilgi))})
        .Result()
        .takeTable();
}

DataTable TServerMethods1Client::YenilerVer2(int carino)
{
    return Invoke(QStringLiteral("YenilerVer2"), {WireValue::int32(carino)}).Result().takeTable();
}

DataTable TServerMethods1Client::KampanyaliVer2(int cario, int satici)
{
    return Invoke(QStringLiteral("KampanyaliVer2"),
                  {WireValue::int32(cario), WireValue::int32(satici)})
        .Result()
        .takeTable();
}

QIODevice* TServerMethods1Client::ResimVer5(int stokno, qint64& boy)
{
    return keepStream(Invoke(QStringLiteral("ResimVer5"), {WireValue::int32(stokno)}), boy);
}

DataTable TServerMethods1Client::SepetVer2(int carino)
{
    return Invoke(QStringLiteral("SepetVer2"), {WireValue::int32(carino)}).Result().takeTable();
}

int TServerMethods1Client::SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino,
                                      int stokno, const QString& barkod, const QString& stokadi,
                                      double miktar, double kdv, double fiyat, double ind1,
                                      int verenid, int k, double ind2, double ind3, double ind4)
{
    return Invoke(QStringLiteral("SepetEkle2"),
                  {record(std::move(bilgim)), WireValue::int32(carino), WireValue::int32(stokno),
                   WireValue::string(barkod), WireValue::string(stokadi), WireValue::real(miktar),
                   WireValue::real(kdv), WireValue::real(fiyat), WireValue::real(ind1),
                   WireValue::int32(verenid), WireValue::int32(k), WireValue::real(ind2),
                   WireValue::real(ind3), WireValue::real(ind4)})
        .Result()
        .toInt32();
}

int TServerMethods1Client::SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino,
                                          int stokno, const QString& barkod,
                                          const QString& stokadi, double miktar, double kdv,
                                          double fiyat, double ind1, int verenid, int _sepetsirano,
                                          double ind2, double ind3, double ind4)
{
    return Invoke(QStringLiteral("SepetGuncelle2"),
                  {record(std::move(bilgim)), WireValue::int32(carino), WireValue::int32(stokno),
                   WireValue::string(barkod), WireValue::string(stokadi), WireValue::real(miktar),
                   WireValue::real(kdv), WireValue::real(fiyat), WireValue::real(ind1),
                   WireValue::int32(verenid), WireValue::int32(_sepetsirano),
                   WireValue::real(ind2), WireValue::real(ind3), WireValue::real(ind4)})
        .Result()
        .toInt32();
}

int TServerMethods1Client::SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno,
                                         const QString& aciklamam)
{
    return Invoke(
               QStringLiteral("SepetSatirSil"),
               {record(std::move(bilgi)), WireValue::int32(satirno), WireValue::string(aciklamam)})
        .Result()
        .toInt32();
}

int TServerMethods1Client::SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi)
{
    return Invoke(QStringLiteral("SepetHepsiniSil"), {record(std::move(bilgi))})
        .Result()
        .toInt32();
}

void TServerMethods1Client::SepetSecimGuncelle(int sirano, int secim)
{
    Invoke(QStringLiteral("SepetSecimGuncelle"),
           {WireValue::int32(sirano), WireValue::int32(secim)});
}

RecordSetReader& TServerMethods1Client::TeslimVer()
{
    return keepReader(Invoke(QStringLiteral("TeslimVer"), {}));
}

RecordSetReader& TServerMethods1Client::KargoVer()
{
    return keepReader(Invoke(QStringLiteral("KargoVer"), {}));
}

RecordSetReader& TServerMethods1Client::KargolarVer(int gn)
{
    return keepReader(Invoke(QStringLiteral("KargolarVer"), {WireValue::int32(gn)}));
}

bool TServerMethods1Client::SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino,
                                          int _teslim, int _kargo, const QString& _aciklama,
                                          int _verenid, int _kargoyeni)
{
    return Invoke(QStringLiteral("SiparisKaydet"),
                  {record(std::move(BB)), WireValue::int32(_carino), WireValue::int32(_teslim),
                   WireValue::int32(_kargo), WireValue::string(_aciklama),
                   WireValue::int32(_verenid), WireValue::int32(_kargoyeni)})
        .Result()
        .toBoolean();
}

RecordSetReader& TServerMethods1Client::CariEkstreVer(int carino)
{
    return keepReader(Invoke(QStringLiteral("CariEkstreVer"), {WireValue::int32(carino)}));
}

RecordSetReader& TServerMethods1Client::OncekiSiparisler(int carino)
{
    return keepReader(Invoke(QStringLiteral("OncekiSiparisler"), {WireValue::int32(carino)}));
}

RecordSetReader& TServerMethods1Client::SiparisAyrintisi2(int carino, int idnosu)
{
    return keepReader(Invoke(QStringLiteral("SiparisAyrintisi2"),
                             {WireValue::int32(carino), WireValue::int32(idnosu)}));
}

TSiparisDipAyrinti* TServerMethods1Client::SiparisAytintisiDip(int carino, int siranosu)
{
    return keepRecord<TSiparisDipAyrinti>(
        Invoke(QStringLiteral("SiparisAytintisiDip"),
               {WireValue::int32(carino), WireValue::int32(siranosu)}));
}

RecordSetReader& TServerMethods1Client::FaturaGetir(int carino, int idnosu)
{
    return keepReader(Invoke(QStringLiteral("FaturaGetir"),
                             {WireValue::int32(carino), WireValue::int32(idnosu)}));
}

RecordSetReader& TServerMethods1Client::FaturaAltGetir(int idnosu)
{
    return keepReader(Invoke(QStringLiteral("FaturaAltGetir"), {WireValue::int32(idnosu)}));
}

RecordSetReader& TServerMethods1Client::Tahsilat(int idnosu)
{
    return keepReader(Invoke(QStringLiteral("Tahsilat"), {WireValue::int32(idnosu)}));
}

int TServerMethods1Client::SanalposSiranoVer(int idnosu)
{
    return Invoke(QStringLiteral("SanalposSiranoVer"), {WireValue::int32(idnosu)})
        .Result()
        .toInt32();
}

QIODevice* TServerMethods1Client::SAnalPosPdfVer(int sirano, qint64& boy)
{
    return keepStream(Invoke(QStringLiteral("SAnalPosPdfVer"), {WireValue::int32(sirano)}), boy);
}

RecordSetReader& TServerMethods1Client::BakiyelerVer2(int carino)
{
    return keepReader(Invoke(QStringLiteral("BakiyelerVer2"), {WireValue::int32(carino)}));
}

int TServerMethods1Client::BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno,
                                         int sepetsirano, int siparissirano, double Adet,
                                         double Bakiye, const QString& barkod)
{
    return Invoke(QStringLiteral("BakiyeDuzenle"),
                  {record(std::move(k)), WireValue::int32(stokno), WireValue::int32(sepetsirano),
                   WireValue::int32(siparissirano), WireValue::real(Adet), WireValue::real(Bakiye),
                   WireValue::string(barkod)})
        .Result()
        .toInt32();
}

int TServerMethods1Client::BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno,
                                          int sepetsirano, int siparissirano, double Adet,
                                          double Bakiye, const QString& barkod)
{
    return Invoke(QStringLiteral("BakiyeDegistir"),
                  {record(std::move(k)), WireValue::int32(stokno), WireValue::int32(sepetsirano),
                   WireValue::int32(siparissirano), WireValue::real(Adet), WireValue::real(Bakiye),
                   WireValue::string(barkod)})
        .Result()
        .toInt32();
}

int TServerMethods1Client::BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno,
                                               int sepetsirano, int siparissirano, double Adet,
                                               double Bakiye, const QString& barkod, double fiyat,
                                               double ind)
{
    return Invoke(QStringLiteral("BakiyeFiyatDegistir"),
                  {record(std::move(k)), WireValue::int32(stokno), WireValue::int32(sepetsirano),
                   WireValue::int32(siparissirano), WireValue::real(Adet), WireValue::real(Bakiye),
                   WireValue::string(barkod), WireValue::real(fiyat), WireValue::real(ind)})
        .Result()
        .toInt32();
}

RecordSetReader& TServerMethods1Client::TumSiparislerVer(int carino, int stokno)
{
    return keepReader(Invoke(QStringLiteral("TumSiparislerVer"),
                             {WireValue::int32(carino), WireValue::int32(stokno)}));
}

DataTable TServerMethods1Client::StokHareketVer(int carino, int stokno)
{
    return Invoke(QStringLiteral("StokHareketVer"),
                  {WireValue::int32(carino), WireValue::int32(stokno)})
        .Result()
        .takeTable();
}

RecordSetReader& TServerMethods1Client::RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi,
                                                              double tarih1, double tarih2)
{
    return keepReader(
        Invoke(QStringLiteral("RaporAlinanSiparisler"),
               {record(std::move(bilgi)), WireValue::real(tarih1), WireValue::real(tarih2)}));
}

RecordSetReader&
TServerMethods1Client::RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi,
                                                double tarih1, double tarih2)
{
    return keepReader(
        Invoke(QStringLiteral("RaporEnCokSatilanStoklar"),
               {record(std::move(bilgi)), WireValue::real(tarih1), WireValue::real(tarih2)}));
}

RecordSetReader& TServerMethods1Client::CariAra(std::unique_ptr<TSonucBilgisi> bil,
                                                const QString& aranan)
{
    return keepReader(
        Invoke(QStringLiteral("CariAra"), {record(std::move(bil)), WireValue::string(aranan)}));
}

RecordSetReader& TServerMethods1Client::CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n)
{
    return keepReader(
        Invoke(QStringLiteral("CariSepetVer"), {record(std::move(bil)), WireValue::int32(n)}));
}

int TServerMethods1Client::SepetSayisi(std::unique_ptr<TSonucBilgisi> bil)
{
    return Invoke(QStringLiteral("SepetSayisi"), {record(std::move(bil))}).Result().toInt32();
}

TTusSonuclari* TServerMethods1Client::TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil)
{
    return keepRecord<TTusSonuclari>(
        Invoke(QStringLiteral("TusSonuclariVer"), {record(std::move(bil))}));
}

QIODevice* TServerMethods1Client::RaporGetir(int raporno, int bolum, int idno, int carino,
                                             const QString& saticiadi, double tarih1,
                                             double tarih2, qint64& size)
{
    return keepStream(
        Invoke(QStringLiteral("RaporGetir"),
               {WireValue::int32(raporno), WireValue::int32(bolum), WireValue::int32(idno),
                WireValue::int32(carino), WireValue::string(saticiadi), WireValue::real(tarih1),
                WireValue::real(tarih2)}),
        size);
}

TAcilisEkranlariki* TServerMethods1Client::AcilisEkranlarVer2()
{
    return keepRecord<TAcilisEkranlariki>(Invoke(QStringLiteral("AcilisEkranlarVer2"), {}));
}

QString TServerMethods1Client::KayanYaziGetir()
{
    return Invoke(QStringLiteral("KayanYaziGetir"), {}).Result().toString();
}

QIODevice* TServerMethods1Client::BannerResimVer(qint64& size)
{
    return keepStream(Invoke(QStringLiteral("BannerResimVer"), {}), size);
}

QIODevice* TServerMethods1Client::BannerResimVer2(qint64& size)
{
    return keepStream(Invoke(QStringLiteral("BannerResimVer2"), {}), size);
}

QIODevice* TServerMethods1Client::BannerResimVer3(qint64& size)
{
    return keepStream(Invoke(QStringLiteral("BannerResimVer3"), {}), size);
}

RecordSetReader& TServerMethods1Client::BalonGetir(std::unique_ptr<TSonucBilgisi> bil)
{
    return keepReader(Invoke(QStringLiteral("BalonGetir"), {record(std::move(bil))}));
}

int TServerMethods1Client::AcilisReklamAdet()
{
    return Invoke(QStringLiteral("AcilisReklamAdet"), {}).Result().toInt32();
}

TAcilisEkran* TServerMethods1Client::AcilisREklamVer(int sira)
{
    return keepRecord<TAcilisEkran>(
        Invoke(QStringLiteral("AcilisREklamVer"), {WireValue::int32(sira)}));
}

QString TServerMethods1Client::CariDurumVer(int carino)
{
    return Invoke(QStringLiteral("CariDurumVer"), {WireValue::int32(carino)}).Result().toString();
}

QString TServerMethods1Client::CariVadeGunGecmismiBul(int carino)
{
    return Invoke(QStringLiteral("CariVadeGunGecmismiBul"), {WireValue::int32(carino)})
        .Result()
        .toString();
}

TMobilCariBilgisi* TServerMethods1Client::MobilCariBilgisiGetir(int sirano, const QString& _idsi)
{
    return keepRecord<TMobilCariBilgisi>(
        Invoke(QStringLiteral("MobilCariBilgisiGetir"),
               {WireValue::int32(sirano), WireValue::string(_idsi)}));
}

int TServerMethods1Client::MailGonserCari(const QString& idsi, const QString& baslik,
                                          const QString& firmaadi, const QString& adres1,
                                          const QString& adres2, const QString& ilce,
                                          const QString& sehir, const QString& telefon,
                                          const QString& fax, const QString& vd, const QString& vn,
                                          const QString& yetkili, const QString& kullaniciadi,
                                          const QString& sifre, const QString& mail,
                                          const QString& kargoambar)
{
    return Invoke(QStringLiteral("MailGonserCari"),
                  {WireValue::string(idsi), WireValue::string(baslik), WireValue::string(firmaadi),
                   WireValue::string(adres1), WireValue::string(adres2), WireValue::string(ilce),
                   WireValue::string(sehir), WireValue::string(telefon), WireValue::string(fax),
                   WireValue::string(vd), WireValue::string(vn), WireValue::string(yetkili),
                   WireValue::string(kullaniciadi), WireValue::string(sifre),
                   WireValue::string(mail), WireValue::string(kargoambar)})
        .Result()
        .toInt32();
}

int TServerMethods1Client::MailGonserCariNormal(
    const QString& idsi, const QString& baslik, const QString& firmaadi, const QString& adres1,
    const QString& adres2, const QString& ilce, const QString& sehir, const QString& telefon,
    const QString& fax, const QString& vd, const QString& vn, const QString& yetkili,
    const QString& kullaniciadi, const QString& sifre, const QString& mail,
    const QString& kargoambar, const QString& konu)
{
    return Invoke(QStringLiteral("MailGonserCariNormal"),
                  {WireValue::string(idsi), WireValue::string(baslik), WireValue::string(firmaadi),
                   WireValue::string(adres1), WireValue::string(adres2), WireValue::string(ilce),
                   WireValue::string(sehir), WireValue::string(telefon), WireValue::string(fax),
                   WireValue::string(vd), WireValue::string(vn), WireValue::string(yetkili),
                   WireValue::string(kullaniciadi), WireValue::string(sifre),
                   WireValue::string(mail), WireValue::string(kargoambar),
                   WireValue::string(konu)})
        .Result()
        .toInt32();
}
