#include "SearchBar.h"

#include "AnimatedPicture.h"
#include "UiPictures.h"
#include "UpperCaseValidator.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

SearchBar::SearchBar(QWidget* parent)
    : QWidget(parent), Image2(new PictureBox(this)), araedit(new QLineEdit(this)),
      SpeedButton2(speedButton(QStringLiteral("Ara"), QStringLiteral("Ara"))),
      SpeedButton1(speedButton(QStringLiteral("Temizle"), QStringLiteral("Temizle"))),
      musteritus(new QPushButton(QStringLiteral("Başka Cari Seç"), this)),
      gifstokara(busyAnimation(QStringLiteral("gifstokara"))),
      gifyeniler(busyAnimation(QStringLiteral("gifyeniler"))),
      gifkampanyali(busyAnimation(QStringLiteral("gifkampanyali"))),
      gifduyuru(busyAnimation(QStringLiteral("gifduyuru"))),
      gifoncekiler(busyAnimation(QStringLiteral("gifoncekiler"))),
      gifsepet(busyAnimation(QStringLiteral("gifsepet"))),
      gifekstre(busyAnimation(QStringLiteral("gifekstre")))
{
    setObjectName(QStringLiteral("Panel2"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(35);

    Image2->setFixedSize(32, 32);
    Image2->setPicture(UiPictures::searchIcon().toImage());
    Image2->setCenter(true);
    Image2->setTransparent(true);

    araedit->setObjectName(QStringLiteral("araedit"));
    araedit->setFixedWidth(340);
    araedit->setValidator(new UpperCaseValidator(araedit));
    QFont searchFont(QStringLiteral("Tahoma"));
    searchFont.setPixelSize(20);
    araedit->setFont(searchFont);
    SpeedButton2->setIcon(QIcon(UiPictures::searchIcon()));
    musteritus->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(4);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Image2, araedit, SpeedButton2, SpeedButton1, musteritus})
        layout->addWidget(w);
    for (AnimatedPicture* busy : busyAnimations())
        layout->addWidget(busy);
    layout->addStretch();
}

QList<AnimatedPicture*> SearchBar::busyAnimations() const
{
    return {gifstokara, gifyeniler, gifkampanyali, gifduyuru, gifoncekiler, gifsepet, gifekstre};
}

QToolButton* SearchBar::speedButton(const QString& hint, const QString& text)
{
    auto* button = new QToolButton(this);
    button->setToolTip(hint);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

AnimatedPicture* SearchBar::busyAnimation(const QString& name)
{
    auto* busy = new AnimatedPicture(this);
    busy->setObjectName(name);
    busy->setFixedSize(28, 27);
    busy->setAnimate(false); // runs only while its tab fetches
    busy->loadFromFile(UiPictures::busyAnimation());
    busy->setTransparent(true);
    busy->hide();
    return busy;
}
