#include "GridHeader.h"

#include "DataSetModel.h"
#include "GridCellDelegate.h"
#include "GridPaintOptions.h"
#include "GridProxy.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int buttonWidth = 16;
constexpr int sortMarkWidth = 12;

} // namespace

GridHeader::GridHeader(const GridProxy* proxy, const GridPaintOptions* options, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), m_proxy(proxy), m_options(options)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setSectionsMovable(false);
    setMouseTracking(true);
}

void GridHeader::setFilterButtonsVisible(bool visible)
{
    m_filterButtons = visible;
    viewport()->update();
}

void GridHeader::setHeight(int height)
{
    m_height = height;
    updateGeometry();
}

QSize GridHeader::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    if (m_height > 0)
        size.setHeight(m_height);
    return size;
}

bool GridHeader::hasFilterButton(int logicalIndex) const
{
    const DataSetModel* model = m_proxy->dataModel();
    if (!m_filterButtons || !model || logicalIndex < 0 || logicalIndex >= model->columnCount())
        return false;
    const GridColumn& c = model->column(logicalIndex);
    return c.filterable && c.kind != CellKind::Custom && c.kind != CellKind::Picture;
}

QRect GridHeader::buttonRect(const QRect& section) const
{
    return QRect(section.right() - buttonWidth, section.top(), buttonWidth, section.height());
}

QRect GridHeader::filterButtonRect(int logicalIndex) const
{
    if (!hasFilterButton(logicalIndex) || isSectionHidden(logicalIndex))
        return {};
    const QRect section(sectionViewportPosition(logicalIndex), 0, sectionSize(logicalIndex),
                        viewport()->height());
    return buttonRect(section);
}

void GridHeader::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const
{
    const CellStyle& style = m_options->styles.header;
    p->save();
    p->fillRect(rect, style.isSet() ? style.background : palette().color(QPalette::Button));
    const QColor text = style.isSet() ? style.text : palette().color(QPalette::ButtonText);
    p->setPen(text.isValid() ? QColor(text.red(), text.green(), text.blue(), 70) : Qt::gray);
    p->drawLine(rect.topRight(), rect.bottomRight());
    QRect captionRect = rect.adjusted(4, 2, -4, -2);
    const bool active = m_proxy->columnFilter(logicalIndex).has_value();
    if (active)
        captionRect.setRight(buttonRect(rect).left() - 1);
    if (isSortIndicatorShown() && sortIndicatorSection() == logicalIndex) {
        paintSortMark(p, QRect(captionRect.right() - sortMarkWidth, rect.top(), sortMarkWidth,
                               rect.height()));
        captionRect.setRight(captionRect.right() - sortMarkWidth);
    }
    p->setFont(style.font.value_or(font()));
    p->setPen(text);
    const auto alignment =
        model() ? model()->headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole).toInt()
                : int(Qt::AlignCenter);
    const QString caption =
        model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    GridCellDelegate::drawFitted(p, captionRect, Qt::Alignment(alignment), caption, true);
    if (hasFilterButton(logicalIndex) && (active || logicalIndex == m_hovered)) {
        // Drawn over the caption on hover, so narrow columns keep their caption.
        const QRect button = buttonRect(rect);
        p->fillRect(button.adjusted(0, 1, 0, -1), style.isSet()
                                                      ? style.background.lighter(125)
                                                      : palette().color(QPalette::Light));
        paintFilterButton(p, button, active);
    }
    p->restore();
}

void GridHeader::paintSortMark(QPainter* p, const QRect& area) const
{
    const QPointF c = QRectF(area).center();
    QPainterPath mark;
    if (sortIndicatorOrder() == Qt::AscendingOrder) {
        mark.moveTo(c + QPointF(-4, 2));
        mark.lineTo(c + QPointF(4, 2));
        mark.lineTo(c + QPointF(0, -3));
    } else {
        mark.moveTo(c + QPointF(-4, -2));
        mark.lineTo(c + QPointF(4, -2));
        mark.lineTo(c + QPointF(0, 3));
    }
    p->setRenderHint(QPainter::Antialiasing);
    p->fillPath(mark, m_options->styles.header.isSet() ? m_options->styles.header.text
                                                       : palette().color(QPalette::ButtonText));
}

void GridHeader::paintFilterButton(QPainter* p, const QRect& button, bool active) const
{
    const QPointF c = QRectF(button).center();
    QPainterPath arrow;
    arrow.moveTo(c + QPointF(-4, -2));
    arrow.lineTo(c + QPointF(4, -2));
    arrow.lineTo(c + QPointF(0, 3));
    p->setRenderHint(QPainter::Antialiasing);
    const QColor normal = m_options->styles.header.isSet() ? m_options->styles.header.text
                                                           : palette().color(QPalette::ButtonText);
    p->fillPath(arrow, active ? QColor(255, 196, 30) : normal);
}

QSize GridHeader::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    const QFont f = m_options->styles.header.font.value_or(font());
    const QString caption =
        model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    size.setWidth(QFontMetrics(f).horizontalAdvance(caption) + 12 + sortMarkWidth);
    return size;
}

void GridHeader::mousePressEvent(QMouseEvent* event)
{
    const int logical = logicalIndexAt(event->position().toPoint());
    const QRect button = filterButtonRect(logical);
    if (event->button() == Qt::LeftButton && button.contains(event->position().toPoint())) {
        m_swallowRelease = true;
        emit filterButtonClicked(logical, mapToGlobal(QPoint(button.right(), height())));
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseMoveEvent(QMouseEvent* event)
{
    const int hovered = logicalIndexAt(event->position().toPoint());
    if (hovered != m_hovered) {
        m_hovered = hovered;
        viewport()->update();
    }
    QHeaderView::mouseMoveEvent(event);
}

void GridHeader::leaveEvent(QEvent* event)
{
    m_hovered = -1;
    viewport()->update();
    QHeaderView::leaveEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_swallowRelease) {
        m_swallowRelease = false;
        event->accept();
        return;
    }
    QHeaderView::mouseReleaseEvent(event);
}
