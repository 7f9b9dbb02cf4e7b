#include "CartSelectionStrip.h"

#include "UiPictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

CartSelectionStrip::CartSelectionStrip(QWidget* parent)
    : QWidget(parent),
      Button4(selectButton(QStringLiteral("Hepsini Seç"), UiPictures::selectAllIcon())),
      Button5(selectButton(QStringLiteral("Seçimleri Kaldır"), UiPictures::selectNoneIcon())),
      lbluyarbakiye(new QLabel(this))
{
    setObjectName(QStringLiteral("panelsec"));
    setFixedHeight(StripHeight);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button5->setObjectName(QStringLiteral("Button5"));
    lbluyarbakiye->setObjectName(QStringLiteral("lbluyarbakiye"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(16);
    font.setBold(true);
    lbluyarbakiye->setFont(font);
    // Its own colour, whatever the program's style says about labels.
    lbluyarbakiye->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    lbluyarbakiye->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(Button4);
    layout->addWidget(Button5);
    layout->addWidget(lbluyarbakiye, 1);
}

QPushButton* CartSelectionStrip::selectButton(const QString& text, const QPixmap& picture)
{
    auto* button = new QPushButton(QIcon(picture), text, this);
    button->setFixedWidth(ButtonWidth);
    return button;
}
