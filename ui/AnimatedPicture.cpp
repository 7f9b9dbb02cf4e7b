#include "AnimatedPicture.h"

#include <QBuffer>
#include <QFile>
#include <QMovie>

AnimatedPicture::AnimatedPicture(QWidget* parent) : PictureBox(parent)
{
    setCenter(true);
    setTransparent(true);
}

AnimatedPicture::~AnimatedPicture() = default;

bool AnimatedPicture::loadFromBytes(const QByteArray& bytes)
{
    clearAnimation();
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    auto movie = std::make_unique<QMovie>(buffer.get());
    if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentImage().isNull())
        return false;
    m_buffer = std::move(buffer);
    m_movie = std::move(movie);
    connect(m_movie.get(), &QMovie::frameChanged, this, &AnimatedPicture::showFrame);
    showFrame();
    if (m_autoHeight)
        setFixedHeight(picture().height());
    if (m_animate)
        m_movie->start();
    return true;
}

bool AnimatedPicture::loadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        clearAnimation();
        return false;
    }
    return loadFromBytes(file.readAll());
}

void AnimatedPicture::clearAnimation()
{
    m_movie.reset();
    m_buffer.reset();
    clear();
}

void AnimatedPicture::setAnimate(bool on)
{
    m_animate = on;
    if (!m_movie)
        return;
    if (on)
        m_movie->start();
    else
        m_movie->stop();
}

int AnimatedPicture::frameCount() const
{
    return m_movie ? m_movie->frameCount() : 0;
}

bool AnimatedPicture::isRunning() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

void AnimatedPicture::showFrame()
{
    setPicture(m_movie->currentImage());
}
