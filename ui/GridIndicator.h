#pragma once

#include <QHeaderView>

struct GridPaintOptions;

/// The row indicator: a narrow strip left of the rows in the indicator style, marking the
/// focused row when it is wide enough. It also fixes the grid's row height.
class GridIndicator : public QHeaderView
{
    Q_OBJECT

public:
    explicit GridIndicator(const GridPaintOptions* options, QWidget* parent = nullptr);

    void setIndicatorWidth(int width);
    int indicatorWidth() const { return m_width; }
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const GridPaintOptions* m_options;
    int m_width = 12;
};
