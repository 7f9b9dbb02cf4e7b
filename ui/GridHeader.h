#pragma once

#include <QHeaderView>

class GridProxy;
struct GridPaintOptions;

/// Column headers in the grid's header style, with the sort mark and, on filterable
/// columns, a header filter button that opens the column's value list.
class GridHeader : public QHeaderView
{
    Q_OBJECT

public:
    GridHeader(const GridProxy* proxy, const GridPaintOptions* options, QWidget* parent = nullptr);

    void setFilterButtonsVisible(bool visible);
    bool filterButtonsVisible() const { return m_filterButtons; }
    /// Fixed header height; 0 follows the captions.
    void setHeight(int height);
    /// The filter button of a section in viewport coordinates (empty when it has none).
    QRect filterButtonRect(int logicalIndex) const;

    QSize sizeHint() const override;

signals:
    /// The filter button of a column was pressed; `below` is where its list should open.
    void filterButtonClicked(int logicalIndex, QPoint below);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hasFilterButton(int logicalIndex) const;
    QRect buttonRect(const QRect& section) const;
    void paintSortMark(QPainter* p, const QRect& section) const;
    void paintFilterButton(QPainter* p, const QRect& button, bool active) const;

    const GridProxy* m_proxy;
    const GridPaintOptions* m_options;
    bool m_filterButtons = true;
    bool m_swallowRelease = false;
    int m_hovered = -1; // filter buttons show on the hovered column and on filtered ones
    int m_height = 0;
};
