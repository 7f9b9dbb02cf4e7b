#include "TaskPool.h"

#include <QThreadPool>

namespace {

QThreadPool& pool()
{
    static QThreadPool* instance = [] {
        auto* p = new QThreadPool; // lives until process end, like the tasks it may still run
        p->setMaxThreadCount(TaskPool::MaxThreads);
        return p;
    }();
    return *instance;
}

} // namespace

void TaskPool::start(std::function<void()> work)
{
    pool().start(std::move(work));
}

bool TaskPool::waitForDone(int msecs)
{
    return pool().waitForDone(msecs);
}
