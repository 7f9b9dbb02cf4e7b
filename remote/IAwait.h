#pragma once

#include <functional>

class QObject;

/// A background procedure waiting to be started: `Await` hands it to a worker of the
/// shared pool and returns at once; the completion then runs on the GUI thread.
class IAwait
{
public:
    virtual ~IAwait() = default;
    virtual void Await(std::function<void()> completion) = 0;
    /// As Await, but the completion is skipped when `guard` has been destroyed by then, so a
    /// late result never reaches a closed window. An escaped error is still shown.
    virtual void Await(QObject* guard, std::function<void()> completion) = 0;
};
