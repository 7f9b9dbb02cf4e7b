#pragma once

#include "TickerItem.h"

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>
#include <functional>

/// A scrolling news line: its items move from right to left, one `step` of pixels every
/// `interval` milliseconds while the ticker is on, and start again `loopSpacing` pixels
/// after the last item has passed, without limit unless a loop count is set. Items stand
/// `itemSpacing` pixels apart. Only the ticker itself is repainted.
class Ticker : public QWidget
{
    Q_OBJECT

public:
    /// Fills the bitmap of an owner-drawn item (given empty, at the ticker's height).
    using DrawItem = std::function<void(int index, QImage& bitmap)>;

    explicit Ticker(QWidget* parent = nullptr);

    void addItem(const TickerItem& item);
    void clearItems();
    int itemCount() const { return static_cast<int>(m_items.size()); }
    const TickerItem& item(int index) const { return m_items[index]; }
    void setDrawItem(DrawItem draw);

    void setActive(bool on);
    bool isActive() const { return m_timer.isActive(); }
    void setInterval(int milliseconds);
    int interval() const { return m_timer.interval(); }
    void setStep(int pixels) { m_step = pixels; }
    int step() const { return m_step; }
    void setLoopSpacing(int pixels);
    int loopSpacing() const { return m_loopSpacing; }
    void setItemSpacing(int pixels);
    int itemSpacing() const { return m_itemSpacing; }
    /// Number of passes before the ticker stops by itself; 0 for no limit.
    void setLoopLimit(int loops) { m_loopLimit = loops; }
    int loops() const { return m_loops; }

    /// Pixels moved since the current pass began.
    int offset() const { return m_offset; }
    /// Width of one pass of all items.
    int contentWidth() const { return m_strip.width(); }
    /// Moves by one step (what the timer does).
    void advance();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    QImage render(int index) const;
    QImage renderText(const TickerItem& item) const;
    QImage renderHtml(const TickerItem& item) const;

    QList<TickerItem> m_items;
    DrawItem m_draw;
    QImage m_strip; // all items side by side, drawn once
    QTimer m_timer;
    int m_step = 1;
    int m_loopSpacing = 100;
    int m_itemSpacing = 5;
    int m_loopLimit = 0;
    int m_loops = 0;
    int m_offset = 0;
};
