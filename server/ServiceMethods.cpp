#include "ServiceMethods.h"

#include "AccountLookup.h"
#include "Database.h"
#include "JsonRecordWriter.h"
#include "TMobilCariBilgisi.h"

#include <QDateTime>
#include <cstdio>

namespace {

const QString sessionSelect = QStringLiteral(
    "SELECT u.SIRANO, u.ADI, u.SIFRE, u.AKTIF, u.MUSTERITIPI, u.CARINO, u.MAIL,"
    " COALESCE(c.CARIADI, ''), COALESCE(c.CARIKOD, ''), sa.SATICINO, sa.ADI, sa.TELEFON, sa.MAIL"
    " FROM ISTASYON i JOIN KULLANICI u ON u.SIRANO = i.KULLANICINO"
    " LEFT JOIN CARI c ON c.CARINO = u.CARINO"
    " LEFT JOIN SATICI sa ON sa.SATICINO = CASE WHEN u.SATICINO > 0 THEN u.SATICINO"
    " ELSE c.SATICINO END WHERE i.BILGISAYARID = ?");

const char* const mailFields[] = {"Firma Adı", "Adres", "Adres 2", "İlçe", "Şehir", "Telefon",
                                  "Fax", "Vergi Dairesi", "Vergi No", "Yetkili",
                                  "Kullanıcı Adı", "Şifre", "Mail", "Kargo Ambar"};

/// Stores a request mail in the outbox, addressed to the account's salesman (or the
/// order desk when the workstation is unknown), and logs it.
WireCodec::Result queueMail(MethodContext& ctx, const CallArgs& a, const QString& message)
{
    const QString idsi = a.text(0);
    QString to = QStringLiteral("siparis@otokorvel.com.tr");
    SqlStatement s = ctx.db.query(sessionSelect, {idsi});
    if (s.next() && !s.toString(12).isEmpty())
        to = s.toString(12);
    QString body;
    for (int i = 0; i < 14; ++i)
        body += QStringLiteral("%1: %2\n").arg(QString::fromUtf8(mailFields[i]), a.text(i + 2));
    body += QStringLiteral("Bilgisayar ID: %1\n").arg(idsi);
    if (!message.isEmpty())
        body += QStringLiteral("\n") + message + u'\n';
    ctx.db.exec(QStringLiteral("INSERT INTO POSTA (TARIH, BILGISAYARID, ALICI, KONU, GOVDE) "
                               "VALUES (?, ?, ?, ?, ?)"),
                {SqlDialect::dateTimeText(QDateTime::currentDateTime()), idsi, to,
                 a.text(1).left(200), body});
    std::fprintf(stderr, "mail queued to %s: %s\n", qPrintable(to), qPrintable(a.text(1)));
    return a.result(WireValue::int32(1));
}

} // namespace

void ServiceMethods::registerInto(MethodMap& map)
{
    map.insert(QStringLiteral("BuyukGetir"), &BuyukGetir);
    map.insert(QStringLiteral("MobilCariBilgisiGetir"), &MobilCariBilgisiGetir);
    map.insert(QStringLiteral("MailGonserCari"), &MailGonserCari);
    map.insert(QStringLiteral("MailGonserCariNormal"), &MailGonserCariNormal);
}

// The session record of the workstation. An unknown workstation gets Varmi false, still
// with the expected client version, so that it reaches the registration page.
WireCodec::Result ServiceMethods::BuyukGetir(MethodContext& ctx, const CallArgs& a)
{
    TSonucBilgisi r;
    r.SetBILGISAYARID(a.text(0));
    r.SetVersion(ctx.clientVersion);
    SqlStatement s = ctx.db.query(sessionSelect, {a.text(0)});
    if (s.next()) {
        r.SetVarmi(true);
        r.SetSirano(s.toInt(0));
        r.SetADI(s.toString(1));
        r.SetSIFRE(s.toString(2));
        r.SetAKTIF(s.toInt(3));
        r.SetMusteriTipi(s.toInt(4));
        r.SetCARINO(s.toInt(5));
        r.SetKullanicimail(s.toString(6));
        r.SetCariAdi(s.toString(7));
        r.Setcarikod(s.toString(8));
        r.SetSaticiNo(s.toInt(9));
        r.SetSaticiAdi(s.toString(10));
        r.SetSaticiTelefon(s.toString(11));
        r.SetSaticiMail(s.toString(12));
    }
    return a.result(WireValue::record(JsonRecordWriter::write(r)));
}

// The card of the account registered for the workstation (or of account `sirano` when
// it is above 0); an empty card when there is none.
WireCodec::Result ServiceMethods::MobilCariBilgisiGetir(MethodContext& ctx, const CallArgs& a)
{
    TMobilCariBilgisi card;
    card.SetBILGISAYARID(a.text(1));
    SqlStatement s = ctx.db.query(
        QStringLiteral(
            "SELECT c.CARINO, c.CARIKOD, c.CARIADI, c.IL, c.ILCE, c.ULKE, c.ADRES1, c.ADRES2,"
            " c.TEL1, c.TEL2, c.FAX1, c.FAX2, c.GSM, c.EMAIL, c.VERGIDAIRESI, c.VERGINO,"
            " c.YETKILI, c.ANAGRUP, c.ALTGRUP, c.OZELKOD, sa.ADI, sa.MAIL, sa.TELEFON,"
            " COALESCE(u.ADI, ''), COALESCE(u.SIFRE, ''), COALESCE(u.MAIL, c.EMAIL)"
            " FROM CARI c LEFT JOIN SATICI sa ON sa.SATICINO = c.SATICINO"
            " LEFT JOIN ISTASYON i ON i.BILGISAYARID = ?"
            " LEFT JOIN KULLANICI u ON u.SIRANO = i.KULLANICINO"
            " WHERE c.CARINO = CASE WHEN ? > 0 THEN ? ELSE u.CARINO END"),
        {a.text(1), a.integer(0), a.integer(0)});
    if (s.next()) {
        const int carino = s.toInt(0);
        card.SetCARINO(carino);
        card.SetCARIKOD(s.toString(1));
        card.SetCARIADI(s.toString(2));
        card.SetSEHIR(s.toString(3));
        card.SetILCE(s.toString(4));
        card.SetULKE(s.toString(5));
        card.SetADRES1(s.toString(6));
        card.SetADRES2(s.toString(7));
        card.SetTEL1(s.toString(8));
        card.SetTEL2(s.toString(9));
        card.SetFAX1(s.toString(10));
        card.SetFAX2(s.toString(11));
        card.SetGSM(s.toString(12));
        card.SetEMAIL(s.toString(13));
        card.SetVERGIDAIRESI(s.toString(14));
        card.SetVERGINO(s.toString(15));
        card.SetYETKILI(s.toString(16));
        card.SetAnaGrup(s.toString(17));
        card.SetAltGrup(s.toString(18));
        card.SetOzelKod(s.toString(19));
        card.SetSATICIADI(s.toString(20));
        card.SetSATICIMAIL(s.toString(21));
        card.SetSATICITELEFON(s.toString(22));
        card.SetKULLANICIADI(s.toString(23));
        card.SetSIFRE(s.toString(24));
        card.SetMAIL(s.toString(25));
        const double balance = AccountLookup::balance(ctx.db, carino);
        card.SetTLBAKIYE(balance);
        card.SetTLBORC(balance > 0 ? balance : 0);
        card.SetTLALACAK(balance < 0 ? -balance : 0);
    }
    return a.result(WireValue::record(JsonRecordWriter::write(card)));
}

WireCodec::Result ServiceMethods::MailGonserCari(MethodContext& ctx, const CallArgs& a)
{
    return queueMail(ctx, a, QString());
}

WireCodec::Result ServiceMethods::MailGonserCariNormal(MethodContext& ctx, const CallArgs& a)
{
    return queueMail(ctx, a, a.text(16));
}
