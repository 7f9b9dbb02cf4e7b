#pragma once

#include "PictureBox.h"

#include <memory>

class QBuffer;
class QMovie;

/// An animated picture (GIF) shown from bytes or a resource: banners and busy animations.
/// Centred, stretched to its area or sizing its height to the picture; the animation runs
/// on its own timer while switched on.
class AnimatedPicture : public PictureBox
{
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget* parent = nullptr);
    ~AnimatedPicture() override;

    /// Loads an animation; false (and an empty control) when the bytes are no animation.
    bool loadFromBytes(const QByteArray& bytes);
    /// Loads an animation from a file or a resource path.
    bool loadFromFile(const QString& path);
    /// Drops the animation; the height stays as it is.
    void clearAnimation();

    void setAnimate(bool on);
    bool animate() const { return m_animate; }
    /// The control sets its own height to the picture's height on every load.
    void setAutoHeight(bool on) { m_autoHeight = on; }
    int frameCount() const;
    bool isRunning() const;

private:
    void showFrame();

    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QMovie> m_movie;
    bool m_animate = true;
    bool m_autoHeight = false;
};
