#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

/// A transparent label whose text is drawn over a shadow of itself, offset by a few pixels.
class ShadowLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ShadowLabel(QWidget* parent = nullptr);

    void setShadow(const QColor& colour, QPoint offset);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_shadowColour = Qt::white;
    QPoint m_shadowOffset{-1, 1};
};
