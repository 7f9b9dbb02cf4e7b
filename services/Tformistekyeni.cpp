#include "Tformistekyeni.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEngineView>

Tformistekyeni::Tformistekyeni(QWidget* owner)
    : QDialog(owner), sitem(new QWebEngineView(this)), Panel1(new QWidget(this)),
      Button1(new QPushButton(QStringLiteral("Kapat"), Panel1))
{
    resize(780, 555);

    Panel1->setFixedHeight(41);
    Button1->setFixedSize(131, 39);
    Button1->setAutoDefault(false);
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->addWidget(Button1);
    panelLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(sitem, 1);
    layout->addWidget(Panel1);

    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
