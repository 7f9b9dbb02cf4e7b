#pragma once

#include <QString>
#include <QStringList>

/// The seam of the system shell's "open": documents, web addresses and programs. The real
/// shell is in place from the start; tests install a recording one.
class Shell
{
public:
    virtual ~Shell() = default;

    /// Opens `target` (a file path or a web address) as the desktop would; a program is
    /// started with `parameters`. Returns whether the shell accepted the request.
    virtual bool openTarget(const QString& target, const QStringList& parameters) = 0;

    /// Installs `shell` (not owned; nullptr restores the system shell).
    static void install(Shell* shell);
    /// Opens through the installed shell.
    static bool open(const QString& target, const QStringList& parameters = {});
};
