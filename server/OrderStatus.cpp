#include "OrderStatus.h"

QString OrderStatus::name(int status)
{
    switch (status) {
    case Alindi: return QStringLiteral("Sipariş Alındı");
    case Onaylandi: return QStringLiteral("Onaylandı");
    case Goruldu: return QStringLiteral("Görüldü");
    case ParcaliHazirlandi: return QStringLiteral("Parçalı Hazırlandı");
    case Hazirlandi: return QStringLiteral("Hazırlandı");
    case SevkEdildi: return QStringLiteral("Sevk Edildi");
    default: return QStringLiteral("Bilinmiyor");
    }
}

QString OrderStatus::caseExpression(const QString& column)
{
    QString sql = QStringLiteral("CASE %1").arg(column);
    for (int s = First; s <= Last; ++s)
        sql += QStringLiteral(" WHEN %1 THEN '%2'").arg(s).arg(name(s));
    return sql + QStringLiteral(" ELSE '' END");
}
