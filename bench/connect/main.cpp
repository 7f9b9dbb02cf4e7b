// Benchmark (c): many clients each doing connect – handshake – call – close of a small
// method against a running server on loopback. Prints calls per second and the p50, p99 and
// worst latency of a whole connect-to-close, all from the same measured window.
//   bench_connect_call --port P [--connections 64] [--seconds 5] [--warmup 1]
//                      [--method AcilisReklamAdet] [--single-source]
#include "ConnectCallLoad.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

QString option(const QStringList& args, const char* name, const QString& fallback)
{
    const int i = int(args.indexOf(QString::fromLatin1(name)));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    ConnectCallLoad::Options o;
    o.port = quint16(option(args, "--port", QStringLiteral("9090")).toUInt());
    o.connections = option(args, "--connections", QStringLiteral("64")).toInt();
    o.seconds = option(args, "--seconds", QStringLiteral("5")).toDouble();
    o.warmupSeconds = option(args, "--warmup", QStringLiteral("1")).toDouble();
    o.method = option(args, "--method", o.method);
    o.singleSource = args.contains(QStringLiteral("--single-source"));
    if (o.port == 0 || o.connections < 1 || o.seconds <= 0) {
        std::fprintf(stderr, "usage: bench_connect_call --port P [--connections N] "
                             "[--seconds S] [--warmup S] [--method NAME] [--single-source]\n");
        return 3;
    }
    ConnectCallLoad::Outcome r;
    try {
        r = ConnectCallLoad(o).run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_connect_call: %s\n", e.what());
        return 1;
    }
    std::vector<double>& all = r.latenciesMs;
    if (all.empty()) {
        std::printf("no call succeeded (%ld failures)\n", r.failures);
        return 1;
    }
    std::sort(all.begin(), all.end());
    const auto pct = [&](double p) {
        return all[std::min(all.size() - 1, size_t(p * double(all.size())))];
    };
    std::printf("connect-call-close %s, %d connections in flight%s, %.1f s: %zu calls, "
                "%.0f calls/s, p50 %.2f ms, p99 %.2f ms, max %.2f ms, failures %ld\n",
                qPrintable(o.method), o.connections, o.singleSource ? " from one address" : "",
                r.seconds, all.size(), all.size() / r.seconds, pct(0.50), pct(0.99), all.back(),
                r.failures);
    return r.failures == 0 ? 0 : 1;
}
