#include "SystemShell.h"

#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>

bool SystemShell::openTarget(const QString& target, const QStringList& parameters)
{
    const QString params = parameters.join(QLatin1Char(' '));
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(target.utf16()),
                      params.isEmpty() ? nullptr : reinterpret_cast<LPCWSTR>(params.utf16()),
                      nullptr, SW_SHOWNORMAL));
    return result > 32; // values up to 32 are the shell's error codes
}

#else

bool SystemShell::openTarget(const QString& target, const QStringList& parameters)
{
    const QFileInfo file(target);
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(file.absoluteFilePath(), parameters);
    return QProcess::startDetached(QStringLiteral("xdg-open"), {target});
}

#endif
