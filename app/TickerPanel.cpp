#include "TickerPanel.h"

#include "PictureBox.h"
#include "Ticker.h"

#include <QVBoxLayout>

namespace {

/// A ticker with the panel's settings: Arial 24 pixels, items 5 pixels apart, off.
Ticker* ticker(QWidget* parent)
{
    auto* t = new Ticker(parent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    t->setFont(font);
    t->setItemSpacing(5);
    return t;
}

} // namespace

TickerPanel::TickerPanel(QWidget* parent)
    : QWidget(parent), kayanyazi(ticker(this)), RealTimeMarquee1(ticker(this)),
      Image3(new PictureBox(this))
{
    setObjectName(QStringLiteral("Panel5"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(NewsHeight);
    kayanyazi->setObjectName(QStringLiteral("kayanyazi"));
    kayanyazi->setFixedHeight(NewsHeight);
    RealTimeMarquee1->setObjectName(QStringLiteral("RealTimeMarquee1"));
    RealTimeMarquee1->setFixedHeight(0);
    RealTimeMarquee1->hide();
    Image3->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(RealTimeMarquee1, 1);
    layout->addWidget(kayanyazi);
}
