#include "CartBottomPanel.h"

#include "CartTotalsPanel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CartBottomPanel::CartBottomPanel(QWidget* parent)
    : QWidget(parent), mesaj(new QGroupBox(QStringLiteral("Mesaj"), this)),
      Panel6(new CartTotalsPanel(mesaj)),
      Button1(new QPushButton(QStringLiteral("Gönder"), mesaj)),
      Button2(new QPushButton(QStringLiteral("Excel Kaydet"), mesaj))
{
    setObjectName(QStringLiteral("Panel4"));
    setFixedHeight(PanelHeight);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* button : {Button1, Button2}) {
        button->setFixedWidth(150);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* inside = new QHBoxLayout(mesaj);
    inside->addStretch(1);
    inside->addWidget(Panel6);
    inside->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 2);
    layout->addWidget(mesaj);
}
