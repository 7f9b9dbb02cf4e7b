#include "GridIndicator.h"

#include "GridPaintOptions.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QPainterPath>

GridIndicator::GridIndicator(const GridPaintOptions* options, QWidget* parent)
    : QHeaderView(Qt::Vertical, parent), m_options(options)
{
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(1);
    setHighlightSections(false);
}

void GridIndicator::setIndicatorWidth(int width)
{
    m_width = std::max(0, width);
    setVisible(m_width > 0);
    updateGeometry();
}

QSize GridIndicator::sizeHint() const
{
    return {m_width, QHeaderView::sizeHint().height()};
}

void GridIndicator::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    const CellStyle& style = m_options->styles.indicator;
    p->fillRect(rect, style.isSet() ? style.background : palette().color(QPalette::Button));
    const QItemSelectionModel* selection = selectionModel();
    if (!selection || selection->currentIndex().row() != logicalIndex || rect.width() < 8)
        return;
    const QPointF c = QRectF(rect).center();
    QPainterPath mark;
    mark.moveTo(c + QPointF(-2.5, -4));
    mark.lineTo(c + QPointF(2.5, 0));
    mark.lineTo(c + QPointF(-2.5, 4));
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    p->fillPath(mark, style.isSet() ? style.text : palette().color(QPalette::ButtonText));
    p->restore();
}
