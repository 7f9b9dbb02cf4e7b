#include "Ticker.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextDocument>

Ticker::Ticker(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent); // the parent never repaints behind the text
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &Ticker::advance);
}

void Ticker::addItem(const TickerItem& item)
{
    m_items << item;
    rebuild();
}

void Ticker::clearItems()
{
    m_items.clear();
    m_offset = 0;
    rebuild();
}

void Ticker::setDrawItem(DrawItem draw)
{
    m_draw = std::move(draw);
    rebuild();
}

void Ticker::setActive(bool on)
{
    if (on) {
        m_loops = 0;
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void Ticker::setInterval(int milliseconds)
{
    m_timer.setInterval(milliseconds);
}

void Ticker::setLoopSpacing(int pixels)
{
    m_loopSpacing = pixels;
    update();
}

void Ticker::setItemSpacing(int pixels)
{
    m_itemSpacing = pixels;
    rebuild();
}

void Ticker::advance()
{
    if (m_strip.isNull())
        return;
    m_offset += m_step;
    // One pass: the strip enters at the right edge and has gone, plus the loop spacing.
    if (m_offset >= width() + m_strip.width() + m_loopSpacing) {
        m_offset = 0;
        ++m_loops;
        if (m_loopLimit > 0 && m_loops >= m_loopLimit)
            m_timer.stop();
    }
    update();
}

void Ticker::rebuild()
{
    QList<QImage> pictures;
    int width = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        pictures << render(i);
        width += pictures.back().width() + (i > 0 ? m_itemSpacing : 0);
    }
    if (width == 0) {
        m_strip = QImage();
        update();
        return;
    }
    m_strip = QImage(width, height(), QImage::Format_ARGB32_Premultiplied);
    m_strip.fill(Qt::transparent);
    QPainter p(&m_strip);
    int x = 0;
    for (int i = 0; i < pictures.size(); ++i) {
        const Qt::Alignment v = m_items[i].alignment & Qt::AlignVertical_Mask;
        const int free = height() - pictures[i].height();
        const int y = v == Qt::AlignTop ? 0 : v == Qt::AlignBottom ? free : free / 2;
        p.drawImage(x, y, pictures[i]);
        x += pictures[i].width() + m_itemSpacing;
    }
    update();
}

QImage Ticker::render(int index) const
{
    const TickerItem& item = m_items[index];
    switch (item.style) {
    case TickerItem::Style::PlainText:
        return renderText(item);
    case TickerItem::Style::Html:
        return renderHtml(item);
    case TickerItem::Style::OwnerDraw:
        break;
    }
    QImage bitmap;
    if (m_draw)
        m_draw(index, bitmap);
    return bitmap;
}

QImage Ticker::renderText(const TickerItem& item) const
{
    const QFontMetrics metrics(font());
    const int w = std::max(1, metrics.horizontalAdvance(item.text));
    QImage image(w, std::max(1, height()), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setFont(font());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, item.text);
    return image;
}

QImage Ticker::renderHtml(const TickerItem& item) const
{
    QTextDocument document;
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    document.setHtml(item.text);
    document.setTextWidth(document.idealWidth());
    const QSize size = document.size().toSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
    document.documentLayout()->draw(&p, context);
    return image;
}

void Ticker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(backgroundRole()));
    if (m_strip.isNull())
        return;
    p.drawImage(width() - m_offset, 0, m_strip);
}

void Ticker::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuild();
}

void Ticker::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        rebuild();
}
