#pragma once

#include <functional>

/// Hands work to the GUI thread. Background code changes nothing the windows show except
/// through here or through an Await completion.
class GuiThread
{
public:
    /// True when called on the application's main thread (or when there is no application).
    static bool isCurrent();
    /// Runs `work` on the GUI thread and returns when it has finished; runs it at once when
    /// already there.
    static void runBlocking(const std::function<void()>& work);
    /// Queues `work` to run on the GUI thread from its event loop.
    static void post(std::function<void()> work);
};
