#pragma once

#include "IAwait.h"

#include <QPointer>
#include <memory>

/// Holds the background procedure until Await.
class TAwait : public IAwait
{
public:
    explicit TAwait(std::function<void()> proc) : FProc(std::move(proc)) {}

    void Await(std::function<void()> completion) override;
    void Await(QObject* guard, std::function<void()> completion) override;

private:
    void start(QPointer<QObject> guard, bool guarded, std::function<void()> completion);

    std::function<void()> FProc;
};

/// `Async(work)->Await(done)`: runs `work` on a worker thread, then `done` on the GUI
/// thread. An error escaping `work` is caught; `done` still runs and right after it the
/// error is shown by the standard display of uncaught errors. No cancellation, no limit.
std::shared_ptr<IAwait> Async(std::function<void()> proc);
