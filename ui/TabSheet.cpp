#include "TabSheet.h"

#include <QVBoxLayout>

TabSheet::TabSheet(const QString& caption, int imageIndex, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_imageIndex(imageIndex)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void TabSheet::setCaption(const QString& caption)
{
    m_caption = caption;
    emit tabChanged();
}

void TabSheet::setTabVisible(bool visible)
{
    m_tabVisible = visible;
    emit tabChanged();
}

void TabSheet::setContent(QWidget* content)
{
    delete m_content;
    m_content = content;
    layout()->addWidget(content);
}
