#pragma once

#include "Shell.h"

/// The desktop's own "open": on Windows the shell's open verb; elsewhere an executable
/// file is started with its parameters and anything else is handed to xdg-open.
class SystemShell : public Shell
{
public:
    bool openTarget(const QString& target, const QStringList& parameters) override;
};
