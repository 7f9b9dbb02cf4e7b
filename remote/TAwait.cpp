#include "TAwait.h"

#include "AppError.h"
#include "GuiThread.h"
#include "MessagePresenter.h"
#include "TaskPool.h"

#include <exception>

namespace {

QString errorText(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const AppError& e) {
        return e.text();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Bilinmeyen hata");
    }
}

} // namespace

std::shared_ptr<IAwait> Async(std::function<void()> proc)
{
    return std::make_shared<TAwait>(std::move(proc));
}

void TAwait::Await(std::function<void()> completion)
{
    start(nullptr, false, std::move(completion));
}

void TAwait::Await(QObject* guard, std::function<void()> completion)
{
    start(guard, true, std::move(completion));
}

void TAwait::start(QPointer<QObject> guard, bool guarded, std::function<void()> completion)
{
    TaskPool::start([proc = FProc, guard, guarded, completion = std::move(completion)] {
        std::exception_ptr error;
        try {
            proc();
        } catch (...) {
            error = std::current_exception();
        }
        GuiThread::post([guard, guarded, completion, error] {
            if (completion && (!guarded || guard))
                completion();
            if (error)
                MessagePresenter::error(errorText(error));
        });
    });
}
