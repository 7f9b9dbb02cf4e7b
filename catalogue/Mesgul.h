#pragma once

#include "AnimatedPicture.h"

/// Shows a tab's busy animation running, or hides and stops it.
inline void Mesgul(AnimatedPicture& animasyon, bool calisiyor)
{
    animasyon.setAnimate(calisiyor);
    animasyon.setVisible(calisiyor);
}
