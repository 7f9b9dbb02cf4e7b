#include "LegendPanel.h"

#include "UiPictures.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

/// Status codes in legend order, with their texts.
const QList<QPair<int, QString>> Entries{
    {1, QStringLiteral(" Stok mevcut  ")},  {2, QStringLiteral(" Telefon Açınız  ")},
    {3, QStringLiteral(" Yolda  ")},        {5, QStringLiteral(" Tedarik Sürecinde ")},
    {4, QStringLiteral(" Özel Sipariş  ")}, {0, QStringLiteral(" Yok  ")},
};

} // namespace

LegendPanel::LegendPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel3"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(27);
    QFont legendFont(QStringLiteral("MS Sans Serif"));
    legendFont.setPixelSize(11);
    legendFont.setBold(true);
    setFont(legendFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(67, 76, 88));
    setPalette(palette);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    "), this));
    const ImageList icons = UiPictures::gridImages();
    const QHash<int, int> indexes = UiPictures::durumIndexes();
    for (const auto& [code, text] : Entries) {
        auto* icon = new QLabel(this);
        icon->setPixmap(icons.at(indexes.value(code))
                            .scaled(20, 20, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        layout->addWidget(icon);
        layout->addWidget(new QLabel(text, this));
    }
    layout->addStretch();
}
