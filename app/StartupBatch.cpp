#include "StartupBatch.h"

#include "TAwait.h"

void StartupBatch::start(QObject* guard, std::function<void()> completion) const
{
    Async([steps = m_steps] {
        for (const Step& step : steps)
            step();
    })->Await(guard, std::move(completion));
}
