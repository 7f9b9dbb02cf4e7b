#pragma once

#include <QList>
#include <functional>

class QObject;

/// The start-up batch of the main window: loader steps run one after another on one
/// background task, then the completion on the GUI thread. An error a step does not catch
/// ends the batch there (the later steps do not run); the completion still runs and the
/// error is shown right after it. Steps change the window only through a blocking hand-off
/// to the GUI thread.
class StartupBatch
{
public:
    using Step = std::function<void()>;

    /// Appends a loader; loaders run in the order they were added.
    void add(Step step) { m_steps << std::move(step); }

    /// Starts the steps; `completion` runs afterwards unless `guard` has gone by then.
    void start(QObject* guard, std::function<void()> completion) const;

private:
    QList<Step> m_steps;
};
