#include "Shell.h"

#include "SystemShell.h"

#include <atomic>

namespace {

std::atomic<Shell*> installed{nullptr};

} // namespace

void Shell::install(Shell* shell)
{
    installed = shell;
}

bool Shell::open(const QString& target, const QStringList& parameters)
{
    static SystemShell system;
    Shell* shell = installed;
    return (shell ? *shell : system).openTarget(target, parameters);
}
