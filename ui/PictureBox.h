#pragma once

#include <QImage>
#include <QWidget>

/// A picture control: shows one picture stretched to its area or at its own size, keeping
/// its proportions or not, centred or at the top left, on its own background or
/// transparently over what lies below it.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void clear() { setPicture(QImage()); }

    void setStretch(bool on);
    void setProportional(bool on);
    void setCenter(bool on);
    /// A transparent control paints nothing but its picture.
    void setTransparent(bool on);
    bool stretch() const { return m_stretch; }
    bool proportional() const { return m_proportional; }
    bool center() const { return m_center; }
    bool transparent() const { return m_transparent; }

    /// Where a picture of `size` is drawn inside `area` under these settings.
    static QRect placement(QSize size, const QRect& area, bool stretch, bool proportional,
                           bool center);

signals:
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_center = false;
    bool m_transparent = false;
};
