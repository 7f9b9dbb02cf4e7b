#pragma once

#include "DataTable.h"
#include "RecordSetReader.h"
#include "ServerMethodCommand.h"
#include "TAcilisEkran.h"
#include "TAcilisEkranlariki.h"
#include "TMobilCariBilgisi.h"
#include "TSiparisDipAyrinti.h"
#include "TSonucBilgisi.h"
#include "TTusSonuclari.h"

#include <QHash>
#include <QIODevice>
#include <memory>

class RemoteConnection;

/// Client proxy of the server class TServerMethods1: one operation per remote method, with
/// the method's name, parameters and result.
///
/// Ownership follows the remote-method platform: a record passed in is serialised and then
/// released (callers hand over a fresh Kopyala copy, never the session record itself); a
/// returned record, record set or stream belongs to the proxy and stays valid until the
/// same method is called again on this proxy or the proxy goes. Data packets and scalars
/// are the caller's. Each method's command is prepared on its first call and reused.
class TServerMethods1Client
{
public:
    /// Raises when the connection is not open.
    explicit TServerMethods1Client(RemoteConnection& connection);
    ~TServerMethods1Client();
    TServerMethods1Client(const TServerMethods1Client&) = delete;
    TServerMethods1Client& operator=(const TServerMethods1Client&) = delete;

    /// Calls a method by name with its input parameters in declared order; the generic
    /// path under every operation below.
    ServerMethodCommand& Invoke(const QString& method, std::vector<WireValue> inputs);
    /// The prepared command of a method, or nullptr before its first call.
    ServerMethodCommand* Command(const QString& method) const;
    int PreparedCommandCount() const { return static_cast<int>(m_commands.size()); }

    TSonucBilgisi* BuyukGetir(const QString& idsi);
    DataTable StokAraGetir(const QString& kod, std::unique_ptr<TSonucBilgisi> bilgi);
    DataTable YenilerVer2(int carino);
    DataTable KampanyaliVer2(int cario, int satici);
    QIODevice* ResimVer5(int stokno, qint64& boy);
    DataTable SepetVer2(int carino);
    int SepetEkle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                   const QString& barkod, const QString& stokadi, double miktar, double kdv,
                   double fiyat, double ind1, int verenid, int k, double ind2, double ind3,
                   double ind4);
    int SepetGuncelle2(std::unique_ptr<TSonucBilgisi> bilgim, int carino, int stokno,
                       const QString& barkod, const QString& stokadi, double miktar, double kdv,
                       double fiyat, double ind1, int verenid, int _sepetsirano, double ind2,
                       double ind3, double ind4);
    int SepetSatirSil(std::unique_ptr<TSonucBilgisi> bilgi, int satirno, const QString& aciklamam);
    int SepetHepsiniSil(std::unique_ptr<TSonucBilgisi> bilgi);
    void SepetSecimGuncelle(int sirano, int secim);
    RecordSetReader& TeslimVer();
    RecordSetReader& KargoVer();
    RecordSetReader& KargolarVer(int gn);
    bool SiparisKaydet(std::unique_ptr<TSonucBilgisi> BB, int _carino, int _teslim, int _kargo,
                       const QString& _aciklama, int _verenid, int _kargoyeni);
    RecordSetReader& CariEkstreVer(int carino);
    RecordSetReader& OncekiSiparisler(int carino);
    RecordSetReader& SiparisAyrintisi2(int carino, int idnosu);
    TSiparisDipAyrinti* SiparisAytintisiDip(int carino, int siranosu);
    RecordSetReader& FaturaGetir(int carino, int idnosu);
    RecordSetReader& FaturaAltGetir(int idnosu);
    RecordSetReader& Tahsilat(int idnosu);
    int SanalposSiranoVer(int idnosu);
    QIODevice* SAnalPosPdfVer(int sirano, qint64& boy);
    RecordSetReader& BakiyelerVer2(int carino);
    int BakiyeDuzenle(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                      int siparissirano, double Adet, double Bakiye, const QString& barkod);
    int BakiyeDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                       int siparissirano, double Adet, double Bakiye, const QString& barkod);
    int BakiyeFiyatDegistir(std::unique_ptr<TSonucBilgisi> k, int stokno, int sepetsirano,
                            int siparissirano, double Adet, double Bakiye, const QString& barkod,
                            double fiyat, double ind);
    RecordSetReader& TumSiparislerVer(int carino, int stokno);
    DataTable StokHareketVer(int carino, int stokno);
    RecordSetReader& RaporAlinanSiparisler(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                           double tarih2);
    RecordSetReader& RaporEnCokSatilanStoklar(std::unique_ptr<TSonucBilgisi> bilgi, double tarih1,
                                              double tarih2);
    RecordSetReader& CariAra(std::unique_ptr<TSonucBilgisi> bil, const QString& aranan);
    RecordSetReader& CariSepetVer(std::unique_ptr<TSonucBilgisi> bil, int n);
    int SepetSayisi(std::unique_ptr<TSonucBilgisi> bil);
    TTusSonuclari* TusSonuclariVer(std::unique_ptr<TSonucBilgisi> bil);
    QIODevice* RaporGetir(int raporno, int bolum, int idno, int carino, const QString& saticiadi,
                          double tarih1, double tarih2, qint64& size);
    TAcilisEkranlariki* AcilisEkranlarVer2();
    QString KayanYaziGetir();
    QIODevice* BannerResimVer(qint64& size);
    QIODevice* BannerResimVer2(qint64& size);
    QIODevice* BannerResimVer3(qint64& size);
    RecordSetReader& BalonGetir(std::unique_ptr<TSonucBilgisi> bil);
    int AcilisReklamAdet();
    TAcilisEkran* AcilisREklamVer(int sira);
    QString CariDurumVer(int carino);
    QString CariVadeGunGecmismiBul(int carino);
    TMobilCariBilgisi* MobilCariBilgisiGetir(int sirano, const QString& _idsi);
    int MailGonserCari(const QString& idsi, const QString& baslik, const QString& firmaadi,
                       const QString& adres1, const QString& adres2, const QString& ilce,
                       const QString& sehir, const QString& telefon, const QString& fax,
                       const QString& vd, const QString& vn, const QString& yetkili,
                       const QString& kullaniciadi, const QString& sifre, const QString& mail,
                       const QString& kargoambar);
    int MailGonserCariNormal(const QString& idsi, const QString& baslik, const QString& firmaadi,
                             const QString& adres1, const QString& adres2, const QString& ilce,
                             const QString& sehir, const QString& telefon, const QString& fax,
                             const QString& vd, const QString& vn, const QString& yetkili,
                             const QString& kullaniciadi, const QString& sifre,
                             const QString& mail, const QString& kargoambar, const QString& konu);

private:
    static WireValue record(std::unique_ptr<TSonucBilgisi> record);
    template <class T> T* keepRecord(ServerMethodCommand& command);
    RecordSetReader& keepReader(ServerMethodCommand& command);
    QIODevice* keepStream(ServerMethodCommand& command, qint64& length);

    RemoteConnection& m_connection;
    QHash<QString, std::shared_ptr<ServerMethodCommand>> m_commands;
};
