// Benchmark (b): StokAraGetir end to end against a running server: connect, call with the
// dealer's session, receive and decode the whole data packet. Prints the latency of each
// run, the row count and this client's peak memory.
//   bench_stock_search --port P [--text BOSCH] [--repeat 5]
// With a server seeded by --seed-stock 1000000, the text BOSCH matches exactly 100,000 rows.
#include "BenchClient.h"
#include "JsonRecordWriter.h"
#include "TSonucBilgisi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto value = [&](const char* name, const QString& fallback) {
        const int i = int(args.indexOf(QString::fromLatin1(name)));
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };
    const int port = value("--port", "9090").toInt();
    const QString text = value("--text", "BOSCH");
    const int repeat = value("--repeat", "5").toInt();
    TSonucBilgisi session;
    session.SetCARINO(1200);
    session.SetMusteriTipi(3);
    double best = 1e9;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer timer;
        timer.start();
        BenchClient c;
        if (!c.open(port)) {
            std::printf("cannot connect to port %d\n", port);
            return 1;
        }
        auto result = c.call(QStringLiteral("StokAraGetir"),
                             {WireValue::string(text),
                              WireValue::record(JsonRecordWriter::write(session))});
        const DataTable table = result.values.back().second.takeTable();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        best = std::min(best, ms);
        std::printf("run %d: %d rows x %d columns in %.1f ms\n", i + 1, table.rowCount(),
                    table.columnCount(), ms);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("best %.1f ms; client peak memory %.1f MiB\n", best, usage.ru_maxrss / 1024.0);
    return 0;
}
