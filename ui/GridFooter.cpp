#include "GridFooter.h"

#include "DataSetModel.h"

#include <QHeaderView>
#include <QPainter>
#include <QTableView>

namespace {

constexpr int linePadding = 8;

} // namespace

GridFooter::GridFooter(QTableView* view, const DataSetModel* model, QWidget* parent)
    : QWidget(parent), m_view(view), m_model(model)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void GridFooter::setAlignments(QHash<int, Qt::Alignment> alignments)
{
    m_alignments = std::move(alignments);
    update();
}

Qt::Alignment GridFooter::alignmentOf(int column) const
{
    const auto it = m_alignments.constFind(column);
    return it != m_alignments.cend()
               ? it.value()
               : m_model->column(column).alignment & Qt::AlignHorizontal_Mask;
}

void GridFooter::setTexts(QHash<int, QString> texts)
{
    if (texts == m_texts)
        return;
    m_texts = std::move(texts);
    updateGeometry();
    update();
}

int GridFooter::lineCount() const
{
    int lines = 1;
    for (const QString& text : m_texts)
        lines = std::max(lines, static_cast<int>(text.count(u'\n')) + 1);
    return lines;
}

QSize GridFooter::sizeHint() const
{
    return {100, lineCount() * (fontMetrics().height() + linePadding) + 2};
}

void GridFooter::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(226, 229, 234));
    p.setPen(QColor(190, 195, 204));
    p.drawLine(rect().topLeft(), rect().topRight());
    const QHeaderView* header = m_view->horizontalHeader();
    const int left = mapFromGlobal(m_view->viewport()->mapToGlobal(QPoint(0, 0))).x();
    p.setClipRect(QRect(left, 0, m_view->viewport()->width(), height()));
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        const int column = it.key();
        if (header->isSectionHidden(column) || it.value().isEmpty())
            continue;
        const QRect cell(left + header->sectionViewportPosition(column), 3,
                         header->sectionSize(column), height() - 6);
        p.setPen(QColor(190, 195, 204));
        p.setBrush(QColor(246, 247, 249));
        p.drawRect(cell.adjusted(1, 0, -2, -1));
        p.setPen(QColor(30, 34, 40));
        const QRect textRect = cell.adjusted(4, 0, -4, 0);
        p.setFont(fittingFont(it.value(), textRect.width()));
        p.drawText(textRect, int(alignmentOf(column) | Qt::AlignVCenter), it.value());
    }
}

QFont GridFooter::fittingFont(const QString& text, int width) const
{
    // A sum must be read whole: rather than cut its digits, draw it a little smaller.
    QFont f = font();
    int needed = 0;
    for (const QString& line : text.split(u'\n'))
        needed = std::max(needed, fontMetrics().horizontalAdvance(line));
    if (needed <= width || width <= 0)
        return f;
    const double scale = std::max(double(width) / needed, 0.7);
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(f.pixelSize() * scale)));
    else
        f.setPointSizeF(f.pointSizeF() * scale);
    return f;
}
