#include "HeaderPanel.h"

#include "AnimatedPicture.h"
#include "PictureBox.h"
#include "UiPictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

constexpr int Height = 100;

} // namespace

HeaderPanel::HeaderPanel(QWidget* parent)
    : QWidget(parent), Image1(new PictureBox(this)), GridPanel1(buildLabels()),
      RxGIFAnimator1(new AnimatedPicture(this)), Button3(new QToolButton(this)),
      Genelmenu(new QMenu(this))
{
    setObjectName(QStringLiteral("Panel1"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(Height);

    Image1->setFixedSize(412, Height);
    Image1->setPicture(UiPictures::logo().toImage());
    Image1->setCenter(true);
    Image1->setTransparent(true);

    RxGIFAnimator1->setFixedSize(409, Height);
    RxGIFAnimator1->setCenter(true);
    RxGIFAnimator1->setStretch(true);
    RxGIFAnimator1->setTransparent(true);

    buildMenu();
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setIcon(QIcon(UiPictures::menuIcon()));
    Button3->setIconSize(QSize(48, 48));
    Button3->setPopupMode(QToolButton::MenuButtonPopup);
    // Drawn into the dark header: no frame of its own, a white drop-down arrow.
    Button3->setStyleSheet(QStringLiteral(
        "QToolButton { background: transparent; border: none; color: white; padding: 2px; }"
        "QToolButton:hover { background-color: #4e535e; }"
        "QToolButton::menu-button { border: none; border-left: 1px solid #5a5f69;"
        " width: 16px; }"));
    Button3->setMenu(Genelmenu);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 6, 0);
    layout->setSpacing(6);
    layout->addWidget(Image1);
    layout->addWidget(GridPanel1, 1);
    layout->addWidget(RxGIFAnimator1);
    layout->addWidget(Button3);
}

QWidget* HeaderPanel::buildLabels()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("GridPanel1"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setColumnStretch(0, 18);
    grid->setColumnStretch(1, 82);
    const QStringList captions{QStringLiteral("Kullanıcı: "), QStringLiteral("Firma: "),
                               QStringLiteral("Temsilci: ")};
    QList<QLabel*> values;
    for (int row = 0; row < captions.size(); ++row) {
        grid->addWidget(new QLabel(captions[row], panel), row, 0);
        values << new QLabel(panel);
        // Long names are cut at the panel's edge rather than widening the window.
        values.constLast()->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        grid->addWidget(values.constLast(), row, 1);
    }
    kullanicilbl = values[0];
    cariadilbl = values[1];
    saticilbl = values[2];
    return panel;
}

void HeaderPanel::buildMenu()
{
    Genelmenu->setObjectName(QStringLiteral("Genelmenu"));
    M1 = Genelmenu->addAction(QStringLiteral("Mail Gönder"));
    Genelmenu->addSeparator();
    N4 = Genelmenu->addAction(QStringLiteral("Şifre Değiştirme İsteği"));
    Genelmenu->addSeparator();
    WebSitesi1 = Genelmenu->addAction(QString());
    Genelmenu->addSeparator();
    G1 = Genelmenu->addAction(QStringLiteral("Çıkış"));
    Genelmenu->addSeparator();
    R1 = Genelmenu->addAction(QStringLiteral("Raporlar"));
    R1->setVisible(false);
}
