#pragma once

#include <QString>

/// Application-wide visual styles by name. "Zircon" is the program's own: a calm slate
/// header, tabs with pictures and white captions, and the grid colours of the main window.
class VisualStyle
{
public:
    /// Applies the named style to the running application; returns false, leaving the look
    /// as it was, when there is no application or no style of that name.
    static bool apply(const QString& name);
    /// The style sheet behind a name (empty when unknown).
    static QString styleSheet(const QString& name);
};
