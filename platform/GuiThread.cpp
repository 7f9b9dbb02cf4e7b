#include "GuiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

bool GuiThread::isCurrent()
{
    auto* app = QCoreApplication::instance();
    return app == nullptr || QThread::currentThread() == app->thread();
}

void GuiThread::runBlocking(const std::function<void()>& work)
{
    if (isCurrent()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), work, Qt::BlockingQueuedConnection);
}

void GuiThread::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work),
                              Qt::QueuedConnection);
}
