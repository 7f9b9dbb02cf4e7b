#pragma once

#include <QByteArray>
#include <QSize>

/// Picture files made on the fly for the toolkit tests.
class TestPictures
{
public:
    /// A filled picture of `size` in "JPEG", "PNG", "BMP" or "GIF".
    static QByteArray encoded(const char* format, QSize size);
};
