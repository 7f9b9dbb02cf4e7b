#include "CartTotalsPanel.h"

#include "CartTotals.h"
#include "DisplayFormat.h"

#include <QGridLayout>
#include <QLabel>

namespace {

const QString AmountFormat = QStringLiteral("#,###,##0.00");

QString amount(double value)
{
    return DisplayFormat::format(AmountFormat, value);
}

} // namespace

CartTotalsPanel::CartTotalsPanel(QWidget* parent)
    : QWidget(parent), m_layout(new QGridLayout(this))
{
    setObjectName(QStringLiteral("Panel6"));
    setFixedWidth(PanelWidth);
    m_layout->setContentsMargins(6, 0, 6, 0);
    m_layout->setVerticalSpacing(1);
    aratoplaml = addPair(QStringLiteral("Toplam:"), false);
    indiriml = addPair(QStringLiteral("İndirim Toplam:"), false);
    nettutarl = addPair(QStringLiteral("Ara Toplam:"), false);
    vergil = addPair(QStringLiteral("Vergi:"), false);
    geneltoplaml = addPair(QStringLiteral("Genel Toplam:"), true);
    goster(CartTotals{});
}

QLabel* CartTotalsPanel::addPair(const QString& caption, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    font.setBold(bold);
    auto* name = new QLabel(caption, this);
    // Set on the label itself, so the program's style does not recolour it.
    name->setStyleSheet(QStringLiteral("color: rgb(67, 76, 88);"));
    auto* value = new QLabel(this);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* label : {name, value})
        label->setFont(font);
    const int row = m_layout->count() / 2;
    m_layout->addWidget(name, row, 0);
    m_layout->addWidget(value, row, 1);
    return value;
}

void CartTotalsPanel::goster(const CartTotals& totals)
{
    aratoplaml->setText(amount(totals.Toplam));
    indiriml->setText(amount(totals.IndirimToplam));
    nettutarl->setText(amount(totals.AraToplam));
    vergil->setText(amount(totals.Vergi));
    geneltoplaml->setText(amount(totals.GenelToplam));
}
