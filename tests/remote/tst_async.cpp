#include "AppError.h"
#include "ScriptedPresenter.h"
#include "TAwait.h"
#include "TaskPool.h"

#include <QThread>
#include <QtTest>

class TestAsync : public QObject
{
    Q_OBJECT

private slots:
    void completionRunsOnGuiThreadAfterWork()
    {
        QThread* worker = nullptr;
        QThread* completedOn = nullptr;
        bool workDone = false;
        bool workDoneAtCompletion = false;
        Async([&] {
            worker = QThread::currentThread();
            QThread::msleep(50);
            workDone = true;
        })->Await([&] {
            completedOn = QThread::currentThread();
            workDoneAtCompletion = workDone;
        });
        QVERIFY(completedOn == nullptr); // Await returned at once
        QTRY_VERIFY(completedOn != nullptr);
        QCOMPARE(completedOn, QThread::currentThread());
        QVERIFY(worker != QThread::currentThread());
        QVERIFY(workDoneAtCompletion);
    }

    void escapedErrorShownAfterCompletion()
    {
        ScriptedPresenter presenter;
        int shownAtCompletion = -1;
        bool completed = false;
        Async([] { throw AppError(QStringLiteral("Sunucu hatası: stok yok")); })->Await([&] {
            shownAtCompletion = static_cast<int>(presenter.entries().size());
            completed = true;
        });
        QTRY_COMPARE(presenter.entries().size(), qsizetype(1));
        QVERIFY(completed);
        QCOMPARE(shownAtCompletion, 0); // the completion ran before the error was shown
        QCOMPARE(presenter.entries().first().shown, ScriptedPresenter::Shown::Error);
        QCOMPARE(presenter.entries().first().text, QStringLiteral("Sunucu hatası: stok yok"));
    }

    void destroyedGuardSkipsCompletionButNotError()
    {
        ScriptedPresenter presenter;
        auto* window = new QObject;
        bool completed = false;
        Async([] {
            QThread::msleep(50);
            throw std::runtime_error("late failure");
        })->Await(window, [&] { completed = true; });
        delete window;
        QTRY_COMPARE(presenter.entries().size(), qsizetype(1));
        QVERIFY(!completed);
        QCOMPARE(presenter.entries().first().text, QStringLiteral("late failure"));
    }

    void workerWaitsForGuiHandOff()
    {
        ScriptedPresenter presenter;
        presenter.answer({7});
        int answer = 0;
        bool done = false;
        Async([&] { answer = MessagePresenter::dialog(QStringLiteral("Soru?"), 3, 3, 1); })
            ->Await([&] { done = true; });
        QTRY_VERIFY(done);
        QCOMPARE(answer, 7);
    }

    void cleanupTestCase() { QVERIFY(TaskPool::waitForDone(5000)); }
};

QTEST_GUILESS_MAIN(TestAsync)
#include "tst_async.moc"
