#pragma once

#include <QPixmap>

/// The login window's background picture (350 × 540): the wholesaler's emblem and name on a
/// dark field where the check box and the labels stand, and a light field below for the
/// contact lines.
class LoginBackground
{
public:
    static constexpr int Width = 350;
    static constexpr int Height = 540;
    /// Where the light field of the contact lines begins.
    static constexpr int LightTop = 408;

    static QPixmap paint();

private:
    static void paintEmblem(class QPainter& painter, QPointF centre, qreal radius);
};
