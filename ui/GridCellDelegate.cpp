#include "GridCellDelegate.h"

#include "DataSetModel.h"
#include "GridPaintOptions.h"
#include "GridProxy.h"
#include "GridRole.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int padding = 4;

QFont fontOf(const CellStyle& style, const QFont& fallback)
{
    return style.font.value_or(fallback);
}

QColor groupBackground()
{
    return QColor(220, 224, 231);
}

} // namespace

GridCellDelegate::GridCellDelegate(const GridProxy* proxy, const GridPaintOptions* options,
                                   QObject* parent)
    : QStyledItemDelegate(parent), m_proxy(proxy), m_options(options)
{
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    painter->save();
    switch (m_proxy->rowKind(index.row())) {
    case GridProxy::RowKind::GroupHeader:
        paintGroupHeader(painter, option, index);
        break;
    case GridProxy::RowKind::GroupFooter:
        paintGroupFooter(painter, option, index);
        break;
    case GridProxy::RowKind::Data:
        paintDataCell(painter, option, index);
        break;
    }
    painter->restore();
    paintGridLines(painter, option.rect);
}

void GridCellDelegate::paintDataCell(QPainter* p, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const CellStyle& style = m_options->styles.rowStyle(index.row(), selected);
    p->fillRect(option.rect,
                style.isSet() ? style.background : option.palette.color(QPalette::Base));
    if (paintCustom(p, option, index, style))
        return;
    p->setFont(fontOf(style, option.font));
    p->setPen(style.isSet() ? style.text : option.palette.color(QPalette::Text));
    const QRect inner = option.rect.adjusted(padding, 1, -padding, -1);
    const GridColumn& column = m_proxy->dataModel()->column(index.column());
    switch (column.kind) {
    case CellKind::Text:
        paintText(p, inner, index, column.wordWrap);
        break;
    case CellKind::Memo:
        paintText(p, inner, index, true);
        break;
    case CellKind::CheckBox:
        paintCheck(p, option, index);
        break;
    case CellKind::Icon:
    case CellKind::Picture:
        paintPicture(p, inner, index);
        break;
    case CellKind::Custom:
        break;
    }
    if (m_options->focusRect && (option.state & QStyle::State_HasFocus)) {
        p->setPen(QPen(style.text, 1, Qt::DotLine));
        p->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
}

bool GridCellDelegate::paintCustom(QPainter* p, const QStyleOptionViewItem& option,
                                   const QModelIndex& index, const CellStyle& style) const
{
    const auto callback = m_options->customDraw.constFind(index.column());
    if (callback == m_options->customDraw.cend() || !callback.value())
        return false;
    CustomDrawCell cell;
    cell.painter = p;
    cell.rect = option.rect;
    cell.row = RowValues(m_proxy->dataModel()->dataSet(), m_proxy->sourceRow(index.row()));
    cell.selected = option.state & QStyle::State_Selected;
    cell.position = index.row();
    cell.styles = &m_options->styles;
    cell.style = style;
    cell.font = fontOf(style, option.font);
    p->save();
    p->setFont(cell.font);
    p->setPen(style.text);
    callback.value()(cell);
    p->restore();
    return cell.done;
}

void GridCellDelegate::paintText(QPainter* p, const QRect& rect, const QModelIndex& index,
                                 bool wrap) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    p->setClipRect(rect);
    drawFitted(p, rect, alignment, text, wrap);
}

void GridCellDelegate::drawFitted(QPainter* p, const QRect& rect, Qt::Alignment alignment,
                                  const QString& text, bool wrap)
{
    const QFontMetrics metrics = p->fontMetrics();
    if (wrap) {
        const QRect needed = metrics.boundingRect(rect, int(alignment) | Qt::TextWordWrap, text);
        if (needed.width() <= rect.width()) {
            p->drawText(rect, int(alignment) | Qt::TextWordWrap, text);
            return;
        }
    }
    // A word wider than the cell: one line ending in an ellipsis rather than cut letters.
    const QString line =
        metrics.elidedText(QString(text).replace(u'\n', u' '), Qt::ElideRight, rect.width());
    p->drawText(rect, int(alignment) | Qt::TextSingleLine, line);
}

void GridCellDelegate::paintCheck(QPainter* p, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionViewItem box = option;
    const int side = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget);
    box.rect = QRect(0, 0, side, side);
    box.rect.moveCenter(option.rect.center());
    box.state &= ~QStyle::State_HasFocus;
    const auto state = Qt::CheckState(index.data(Qt::CheckStateRole).toInt());
    box.state |= state == Qt::Checked     ? QStyle::State_On
                 : state == Qt::Unchecked ? QStyle::State_Off
                                          : QStyle::State_NoChange;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, p, widget);
}

void GridCellDelegate::paintPicture(QPainter* p, const QRect& rect, const QModelIndex& index) const
{
    const QVariant picture = index.data(Qt::DecorationRole);
    QImage image = picture.typeId() == QMetaType::QPixmap ? picture.value<QPixmap>().toImage()
                                                          : picture.value<QImage>();
    if (image.isNull())
        return;
    QSize size = image.size();
    if (size.width() > rect.width() || size.height() > rect.height())
        size.scale(rect.size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), size);
    target.moveCenter(rect.center());
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->drawImage(target, image);
}

void GridCellDelegate::paintGroupHeader(QPainter* p, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const CellStyle& selection = m_options->styles.selection;
    p->fillRect(option.rect,
                selected && selection.isSet() ? selection.background : groupBackground());
    const int g = m_proxy->groupOf(index.row());
    const QRect mark(option.rect.left(), option.rect.top(), groupMarkWidth, option.rect.height());
    QPainterPath triangle;
    const QPointF c = QRectF(mark).center();
    if (m_proxy->isGroupExpanded(g)) {
        triangle.moveTo(c + QPointF(-5, -3));
        triangle.lineTo(c + QPointF(5, -3));
        triangle.lineTo(c + QPointF(0, 4));
    } else {
        triangle.moveTo(c + QPointF(-3, -5));
        triangle.lineTo(c + QPointF(4, 0));
        triangle.lineTo(c + QPointF(-3, 5));
    }
    p->setRenderHint(QPainter::Antialiasing);
    p->fillPath(triangle, QColor(61, 65, 74));
    QFont font = option.font;
    font.setBold(true);
    p->setFont(font);
    p->setPen(QColor(30, 34, 40));
    const QRect text = option.rect.adjusted(groupMarkWidth + padding, 0, -padding, 0);
    p->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
}

void GridCellDelegate::paintGroupFooter(QPainter* p, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    p->fillRect(option.rect, QColor(232, 235, 240));
    QFont font = option.font;
    font.setBold(true);
    p->setFont(font);
    p->setPen(QColor(30, 34, 40));
    // Summaries are numbers: they line up on the right like amounts.
    p->drawText(option.rect.adjusted(padding, 0, -padding, 0), Qt::AlignRight | Qt::AlignVCenter,
                index.data(Qt::DisplayRole).toString());
}

void GridCellDelegate::paintGridLines(QPainter* p, const QRect& rect) const
{
    if (!m_options->gridLines)
        return;
    p->save();
    p->setPen(m_options->gridLineColor);
    p->drawLine(rect.topRight(), rect.bottomRight());
    p->drawLine(rect.bottomLeft(), rect.bottomRight());
    p->restore();
}

QSize GridCellDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const GridProxy::RowKind kind = m_proxy->rowKind(index.row());
    if (kind == GridProxy::RowKind::GroupHeader)
        return {0, option.fontMetrics.height()};
    const GridColumn& column = m_proxy->dataModel()->column(index.column());
    QFont font = option.font;
    font.setBold(kind == GridProxy::RowKind::GroupFooter); // footers are painted bold
    const QFontMetrics metrics(font);
    int width = 0;
    if (kind == GridProxy::RowKind::GroupFooter || column.kind == CellKind::Text ||
        column.kind == CellKind::Memo) {
        for (const QString& line : index.data(Qt::DisplayRole).toString().split(u'\n'))
            width = std::max(width, metrics.horizontalAdvance(line));
    } else if (column.kind == CellKind::CheckBox) {
        width = 16;
    } else if (column.kind != CellKind::Custom) {
        const QVariant picture = index.data(Qt::DecorationRole);
        width = picture.typeId() == QMetaType::QPixmap ? picture.value<QPixmap>().width()
                                                       : picture.value<QImage>().width();
    }
    return {width + 2 * padding + 2, metrics.height() + 2};
}
