#include "FiyatBilgisi.h"

#include "CustomDrawCell.h"
#include "DisplayFormat.h"
#include "RowValues.h"

#include <QPainter>

namespace {

QString tutar(double value)
{
    return DisplayFormat::format(QStringLiteral("#,###,##0.00"), value);
}

QString satir(const QString& baslik, double value)
{
    return baslik + tutar(value) + QStringLiteral("\r\n");
}

} // namespace

QString FiyatBilgisi::Metin(double liste, double kampanya, double net, double kdvDahil)
{
    QString text = satir(QStringLiteral("Liste Fiyatı: "), liste);
    if (kampanya > 0)
        text += satir(QStringLiteral("Kampanyalı Fiyat: "), kampanya);
    return text + satir(QStringLiteral("NetFiyat: "), net) +
           satir(QStringLiteral("KDV li Fiyat: "), kdvDahil);
}

QString FiyatBilgisi::Metin(const RowValues& row)
{
    return Metin(row.number(QStringLiteral("LISTEFIYAT1")),
                 row.number(QStringLiteral("KAMPFIYAT")), row.number(QStringLiteral("NETFIYAT")),
                 row.number(QStringLiteral("KDVDAHIL")));
}

void FiyatBilgisi::cxGrid1DBTableView1FiyatBilgisiCustomDrawCell(CustomDrawCell& cell)
{
    const CellStyle& style = cell.styles->rowStyle(cell.position, cell.selected);
    if (style.isSet())
        cell.painter->fillRect(cell.rect, style.background);
    // The line breaks end every line; drop the last one so the text centres on its lines.
    QString text = Metin(cell.row);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.chop(1);
    cell.painter->drawText(cell.rect.adjusted(10, 0, -10, 0),
                           Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, text);
    cell.done = true;
}
