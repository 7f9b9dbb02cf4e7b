#pragma once

#include <functional>

/// The shared pool of worker threads behind Async. Sized for waiting on the network rather
/// than for computing: several tab fetches and the start-up batch may block at once.
class TaskPool
{
public:
    static constexpr int MaxThreads = 8;

    static void start(std::function<void()> work);
    /// Waits until every started task has finished (for orderly shutdown and tests).
    static bool waitForDone(int msecs = -1);
};
