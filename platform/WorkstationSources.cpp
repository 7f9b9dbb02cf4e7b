#include "WorkstationSources.h"

#ifdef Q_OS_WIN
#include "WindowsWorkstationSources.h"
using SystemSources = WindowsWorkstationSources;
#else
#include "LinuxWorkstationSources.h"
using SystemSources = LinuxWorkstationSources;
#endif

#include <atomic>

namespace {

std::atomic<const WorkstationSources*> installed{nullptr};

} // namespace

void WorkstationSources::install(const WorkstationSources* sources)
{
    installed = sources;
}

const WorkstationSources& WorkstationSources::current()
{
    static const SystemSources system;
    const WorkstationSources* s = installed;
    return s ? *s : system;
}
