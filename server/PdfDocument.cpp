#include "PdfDocument.h"

#include <QBuffer>
#include <QDateTime>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int Dpi = 150;
constexpr int Margin = 90;
constexpr int LineHeight = 34;

} // namespace

PdfDocument::PdfDocument(QString title) : m_title(std::move(title)) {}

void PdfDocument::addLine(const QString& text, bool bold)
{
    m_blocks.append({QStringList{text}, bold});
}

void PdfDocument::addTable(const QStringList& headers, const QList<QStringList>& rows)
{
    m_blocks.append({headers, true});
    for (const QStringList& r : rows)
        m_blocks.append({r, false});
}

QByteArray PdfDocument::render() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(Dpi);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("Oto Korvel B2B"));
    QPainter p(&writer);
    const int width = writer.width() - 2 * Margin;
    const int bottom = writer.height() - Margin;
    QFont normal(QStringLiteral("DejaVu Sans"), 9);
    QFont bold = normal;
    bold.setBold(true);
    QFont title = normal;
    title.setPointSize(15);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(Margin, Margin, width, 60), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    p.setFont(normal);
    p.drawText(QRect(Margin, Margin + 60, width, LineHeight), Qt::AlignLeft,
               QStringLiteral("Oto Korvel Otomotiv Yedek Parça — ") +
                   QDateTime::currentDateTime().toString(u"dd.MM.yyyy HH:mm"));
    int y = Margin + 60 + 2 * LineHeight;
    for (const Block& b : m_blocks) {
        if (y + LineHeight > bottom) {
            writer.newPage();
            y = Margin;
        }
        p.setFont(b.bold ? bold : normal);
        const int cellWidth = width / int(b.cells.size());
        for (int i = 0; i < b.cells.size(); ++i) {
            const QRect cell(Margin + i * cellWidth, y, cellWidth - 6, LineHeight);
            p.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       p.fontMetrics().elidedText(b.cells[i], Qt::ElideRight, cell.width()));
        }
        y += LineHeight;
    }
    p.end();
    return bytes;
}
