#pragma once

#include <QWidget>

class PictureBox;
class Ticker;

/// The bottom panel `Panel5`: the news line `kayanyazi` (40 pixels) and, above it, the
/// picture ticker of the bottom banner, hidden until a banner arrives, with the hidden
/// holder of that banner's picture.
class TickerPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TickerPanel(QWidget* parent = nullptr);

    /// Height of the news line, and of the panel while there is no bottom banner.
    static constexpr int NewsHeight = 40;

    Ticker* kayanyazi;
    Ticker* RealTimeMarquee1;
    PictureBox* Image3;
};
