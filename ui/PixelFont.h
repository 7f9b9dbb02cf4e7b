#pragma once

#include <QFont>
#include <QString>

/// A font of the given family and pixel size, as the window designs state them
/// ("Tahoma bold 13 px"); a missing family falls back as Qt chooses.
QFont pixelFont(const QString& family, int pixels, bool bold = false);
