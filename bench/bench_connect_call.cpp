// Benchmark (c): 64 client threads, each repeating connect – handshake – call – close of a
// small method against a running server on loopback. Prints calls per second and the p50
// and p99 latency of a whole connect–call–close.
//   bench_connect_call --port P [--threads 64] [--seconds 5] [--method AcilisReklamAdet]
#include "BenchClient.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

int option(const QStringList& args, const char* name, int fallback)
{
    const int i = int(args.indexOf(QString::fromLatin1(name)));
    return i >= 0 && i + 1 < args.size() ? args[i + 1].toInt() : fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int port = option(args, "--port", 9090);
    const int threads = option(args, "--threads", 64);
    const int seconds = option(args, "--seconds", 5);
    const int mi = int(args.indexOf(QStringLiteral("--method")));
    const QString method = mi >= 0 ? args[mi + 1] : QStringLiteral("AcilisReklamAdet");

    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    std::vector<std::vector<double>> latencies(threads);
    std::atomic<long> failures{0};
    std::vector<std::thread> workers;
    const auto started = Clock::now();
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            while (Clock::now() < end) {
                const auto t0 = Clock::now();
                try {
                    BenchClient c;
                    if (!c.open(port)) {
                        ++failures;
                        continue;
                    }
                    c.call(method, {});
                } catch (const std::exception&) {
                    ++failures;
                    continue;
                }
                latencies[t].push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
            }
        });
    }
    for (auto& w : workers)
        w.join();
    const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();
    std::vector<double> all;
    for (auto& l : latencies)
        all.insert(all.end(), l.begin(), l.end());
    std::sort(all.begin(), all.end());
    if (all.empty()) {
        std::printf("no call succeeded (%ld failures)\n", failures.load());
        return 1;
    }
    const auto pct = [&](double p) { return all[std::min(all.size() - 1, size_t(p * all.size()))]; };
    std::printf("method %s, %d threads, %.1f s: %zu calls, %.0f calls/s, p50 %.2f ms, "
                "p99 %.2f ms, max %.2f ms, failures %ld\n",
                qPrintable(method), threads, elapsed, all.size(), all.size() / elapsed, pct(0.5),
                pct(0.99), all.back(), failures.load());
    return 0;
}
