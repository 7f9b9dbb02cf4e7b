#include "ReportBuilder.h"

#include "AccountLookup.h"
#include "Database.h"
#include "Money.h"
#include "PdfDocument.h"
#include "ServerError.h"

#include <QLocale>

namespace {

QString dateText(const QDate& d)
{
    return d.toString(u"dd.MM.yyyy");
}

} // namespace

QByteArray ReportBuilder::build(const Request& r)
{
    if (r.number == 6 && r.carino > 0) {
        PdfDocument pdf(QStringLiteral("Cari Özeti"));
        accountSummary(pdf, r);
        return pdf.render();
    }
    if (r.number == 6) {
        PdfDocument pdf(QStringLiteral("Cari Toplu Alacak Vadeleri"));
        receivables(pdf, r);
        return pdf.render();
    }
    if (r.number == 7) {
        PdfDocument pdf(QStringLiteral("Cari Alış Satış Tablosu (Satıcılı)"));
        salesTable(pdf, r);
        return pdf.render();
    }
    throw ServerError(QStringLiteral("Bilinmeyen rapor numarası: %1").arg(r.number));
}

QString ReportBuilder::accountTitle(int carino)
{
    SqlStatement s = m_db.query(QStringLiteral("SELECT CARIKOD, CARIADI FROM CARI WHERE CARINO = ?"),
                                {carino});
    if (!s.next())
        throw ServerError(QStringLiteral("Cari bulunamadı: %1").arg(carino));
    return s.toString(0) + QStringLiteral(" — ") + s.toString(1);
}

void ReportBuilder::accountSummary(PdfDocument& pdf, const Request& r)
{
    pdf.addLine(accountTitle(r.carino), true);
    pdf.addLine(QStringLiteral("Tarih: %1   Temsilci: %2").arg(dateText(r.from), r.salesmanName));
    SqlStatement s = m_db.query(
        QStringLiteral("SELECT TARIH, TURADI, EVRAK, BORC, ALACAK FROM CARIHAREKET "
                       "WHERE CARINO = ? AND TARIH <= ? ORDER BY TARIH, SIRANO"),
        {r.carino, SqlDialect::dateText(r.from)});
    QList<QStringList> rows;
    double balance = 0;
    while (s.next()) {
        balance += s.toDouble(3) - s.toDouble(4);
        rows.append({SqlDialect::toDateTime(s.value(0)).toString(u"dd.MM.yyyy"), s.toString(1),
                     s.toString(2), Money::text(s.toDouble(3)), Money::text(s.toDouble(4)),
                     Money::text(PriceMath::round2(balance))});
    }
    pdf.addTable({QStringLiteral("Tarih"), QStringLiteral("Tür"), QStringLiteral("Evrak"),
                  QStringLiteral("Borç"), QStringLiteral("Alacak"), QStringLiteral("Bakiye")},
                 rows);
    pdf.addLine(QStringLiteral("Bakiye: %1").arg(Money::text(PriceMath::round2(balance))), true);
}

void ReportBuilder::receivables(PdfDocument& pdf, const Request& r)
{
    pdf.addLine(QStringLiteral("Tarih: %1   Temsilci: %2")
                    .arg(dateText(r.from), r.salesmanName == u"." ? QStringLiteral("Tümü")
                                                                   : r.salesmanName));
    SqlStatement s = m_db.query(
        QStringLiteral("SELECT c.CARIKOD, c.CARIADI, sa.ADI, COALESCE(SUM(h.BORC - h.ALACAK), 0)"
                       " FROM CARI c LEFT JOIN SATICI sa ON sa.SATICINO = c.SATICINO"
                       " JOIN CARIHAREKET h ON h.CARINO = c.CARINO AND h.TARIH <= ?"
                       " WHERE (? = '.' OR sa.ADI = ?)"
                       " GROUP BY c.CARIKOD, c.CARIADI, sa.ADI ORDER BY c.CARIKOD"),
        {SqlDialect::dateText(r.from), r.salesmanName, r.salesmanName});
    QList<QStringList> rows;
    double total = 0;
    while (s.next()) {
        total += s.toDouble(3);
        rows.append({s.toString(0), s.toString(1), s.toString(2), Money::text(s.toDouble(3))});
    }
    pdf.addTable({QStringLiteral("Cari Kod"), QStringLiteral("Cari Adı"),
                  QStringLiteral("Temsilci"), QStringLiteral("Bakiye")},
                 rows);
    pdf.addLine(QStringLiteral("Toplam alacak: %1").arg(Money::text(PriceMath::round2(total))), true);
}

void ReportBuilder::salesTable(PdfDocument& pdf, const Request& r)
{
    pdf.addLine(accountTitle(r.carino), true);
    pdf.addLine(QStringLiteral("%1 – %2   Temsilci: %3")
                    .arg(dateText(r.from), dateText(r.to), r.salesmanName));
    SqlStatement s = m_db.query(
        QStringLiteral("SELECT TARIH, BORC, ALACAK FROM CARIHAREKET WHERE CARINO = ? "
                       "AND TARIH >= ? AND TARIH <= ? ORDER BY TARIH"),
        {r.carino, SqlDialect::dateText(r.from), SqlDialect::dateText(r.to)});
    QMap<QString, std::pair<double, double>> months;
    while (s.next()) {
        auto& m = months[SqlDialect::toDateTime(s.value(0)).toString(u"yyyy-MM")];
        m.first += s.toDouble(1);
        m.second += s.toDouble(2);
    }
    QList<QStringList> rows;
    for (auto it = months.cbegin(); it != months.cend(); ++it)
        rows.append({it.key(), Money::text(it->first), Money::text(it->second)});
    pdf.addTable({QStringLiteral("Ay"), QStringLiteral("Satış (Borç)"),
                  QStringLiteral("Tahsilat (Alacak)")},
                 rows);
}
