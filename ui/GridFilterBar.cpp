#include "GridFilterBar.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

GridFilterBar::GridFilterBar(QWidget* parent) : QWidget(parent), m_label(new QLabel)
{
    setObjectName(QStringLiteral("GridFilterBar"));
    setAutoFillBackground(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* clear = new QPushButton(QStringLiteral("Filtreyi Temizle"));
    clear->setObjectName(QStringLiteral("clearFilterButton"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(m_label, 1);
    layout->addWidget(clear);
    connect(clear, &QPushButton::clicked, this, &GridFilterBar::clearRequested);
}

void GridFilterBar::setDescription(const QString& text)
{
    m_label->setText(text);
    m_label->setToolTip(text);
}

QString GridFilterBar::description() const
{
    return m_label->text();
}
