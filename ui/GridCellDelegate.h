#pragma once

#include <QStyledItemDelegate>

class GridProxy;
struct GridPaintOptions;
struct CellStyle;

/// Paints the grid's cells by their column's kind — text, check box, icon, picture, memo
/// or custom drawing — in the grid's styles, and the group rows of a grouped grid.
class GridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    GridCellDelegate(const GridProxy* proxy, const GridPaintOptions* options,
                     QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// Width of the expand/collapse mark at the left of a group row.
    static constexpr int groupMarkWidth = 22;
    /// Draws text wrapped when every word fits the width, else as one elided line.
    static void drawFitted(QPainter* p, const QRect& rect, Qt::Alignment alignment,
                           const QString& text, bool wrap);

private:
    void paintDataCell(QPainter* p, const QStyleOptionViewItem& option,
                       const QModelIndex& index) const;
    bool paintCustom(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index,
                     const CellStyle& style) const;
    void paintText(QPainter* p, const QRect& rect, const QModelIndex& index, bool wrap) const;
    void paintCheck(QPainter* p, const QStyleOptionViewItem& option,
                    const QModelIndex& index) const;
    void paintPicture(QPainter* p, const QRect& rect, const QModelIndex& index) const;
    void paintGroupHeader(QPainter* p, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const;
    void paintGroupFooter(QPainter* p, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const;
    void paintGridLines(QPainter* p, const QRect& rect) const;

    const GridProxy* m_proxy;
    const GridPaintOptions* m_options;
};
