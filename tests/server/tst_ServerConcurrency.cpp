#include "RemoteError.h"
#include "ServerFixture.h"

#include <QtTest>
#include <atomic>
#include <thread>

using F = ServerFixture;

/// Many clients writing carts at the same time lose no line and no order.
class tst_ServerConcurrency : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ServerFixture> f;
    TSonucBilgisi salesman;

    std::vector<WireValue> add(int carino, int stokno, double qty)
    {
        return {F::record(salesman), WireValue::int32(carino), WireValue::int32(stokno),
                WireValue::string("B"), WireValue::string("N"), WireValue::real(qty),
                WireValue::real(20), WireValue::real(10), WireValue::real(0),
                WireValue::int32(salesman.Sirano()), WireValue::int32(0), WireValue::real(0),
                WireValue::real(0), WireValue::real(0)};
    }

    /// Runs `work(thread, i)` from `threads` threads, `each` times per thread; returns the
    /// number of calls that failed.
    int parallel(int threads, int each, const std::function<void(int, int)>& work)
    {
        std::atomic<int> failures{0};
        std::vector<std::thread> running;
        for (int t = 0; t < threads; ++t) {
            running.emplace_back([&, t] {
                for (int i = 0; i < each; ++i) {
                    try {
                        work(t, i);
                    } catch (const std::exception&) {
                        ++failures;
                    }
                }
            });
        }
        for (auto& r : running)
            r.join();
        return failures;
    }

private slots:
    void initTestCase()
    {
        f = std::make_unique<ServerFixture>();
        QVERIFY2(f->started(), qPrintable(f->error()));
        salesman = f->session("DEMO-YONETICI");
    }

    void concurrentAddsKeepEveryLine()
    {
        // 16 clients add 20 different items each to the same account, and all raise the
        // quantity of one shared item.
        const int carino = 1250;
        salesman.SetCARINO(carino);
        f->result("SepetHepsiniSil", {F::record(salesman)});
        std::atomic<int> notAdded{0};
        const int failures = parallel(16, 20, [&](int t, int i) {
            if (f->result("SepetEkle2", add(carino, 1000 + t * 20 + i, 1)).toInt32() != 1)
                ++notAdded;
            if (f->result("SepetEkle2", add(carino, 999, 2)).toInt32() != 1)
                ++notAdded;
        });
        QCOMPARE(failures, 0);
        QCOMPARE(notAdded.load(), 0);
        const DataTable cart = f->table("SepetVer2", {WireValue::int32(carino)});
        QCOMPARE(cart.rowCount(), 16 * 20 + 1);
        for (int r = 0; r < cart.rowCount(); ++r) {
            if (F::number(cart, "STOKNO", r) == 999)
                QCOMPARE(F::number(cart, "MIKTAR", r), 16 * 20 * 2.0);
        }
    }

    void concurrentOrdersTakeEachLineOnce()
    {
        // The cart of the previous case is ordered by 8 clients at once: exactly one order
        // holds every marked line; the others find nothing left to order.
        const int carino = 1250;
        std::atomic<int> saved{0};
        const int failures = parallel(8, 1, [&](int, int) {
            if (f->result("SiparisKaydet",
                          {F::record(salesman), WireValue::int32(carino), WireValue::int32(1),
                           WireValue::int32(1), WireValue::string("eş zamanlı"),
                           WireValue::int32(salesman.Sirano()), WireValue::int32(1)})
                    .toBoolean())
                ++saved;
        });
        QCOMPARE(failures, 0);
        QCOMPARE(saved.load(), 1);
        QCOMPARE(f->table("SepetVer2", {WireValue::int32(carino)}).rowCount(), 0);
        const DataTable orders = f->table("OncekiSiparisler", {WireValue::int32(carino)});
        const int idno = int(F::number(orders, "IDNO", 0));
        QCOMPARE(f->table("SiparisAyrintisi2", {WireValue::int32(carino), WireValue::int32(idno)})
                     .rowCount(),
                 16 * 20 + 1);
    }
};

QTEST_MAIN(tst_ServerConcurrency)
#include "tst_ServerConcurrency.moc"
