// Benchmark (b): the stock search end to end against a running server, through the client's
// own remote layer: opens a connection, calls StokAraGetir as the demo dealer (account 1200,
// so the server works out his discounted prices) and loads the answer into a client data
// set, as the stock tab does. Prints the best, median and worst latency and the client's
// peak memory. With a server seeded by --seed-stock 1000000, BOSCH finds 100,000 items.
//
// usage: bench_search [--host H] [--port P] [--repeat N] SEARCH_TEXT
#include "ClientDataSet.h"
#include "RemoteConnection.h"
#include "TServerMethods1Client.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::unique_ptr<TSonucBilgisi> dealerSession()
{
    auto session = std::make_unique<TSonucBilgisi>();
    session->SetCARINO(1200);
    session->SetMusteriTipi(3);
    return session;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    RemoteConnection connection;
    int repeat = 5;
    while (args.size() > 1 && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QStringLiteral("--host"))
            connection.HostName = value;
        else if (option == QStringLiteral("--port"))
            connection.Port = value;
        else if (option == QStringLiteral("--repeat"))
            repeat = value.toInt();
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: bench_search [--host H] [--port P] [--repeat N] TEXT\n");
        return 3;
    }
    const long baseKb = peakRssKb();
    std::vector<double> times;
    int rows = 0;
    ClientDataSet stok;
    for (int i = 0; i < repeat; ++i) {
        QElapsedTimer timer;
        timer.start();
        connection.Open();
        {
            TServerMethods1Client proxy(connection);
            stok.DisableControls();
            stok.SetData(proxy.StokAraGetir(args.first(), dealerSession()));
            stok.EnableControls();
        }
        connection.Close();
        times.push_back(timer.nsecsElapsed() / 1e6);
        rows = stok.RecordCount();
    }
    std::sort(times.begin(), times.end());
    std::printf("StokAraGetir '%s': %d rows x %d columns\n", qPrintable(args.first()), rows,
                stok.FieldCount());
    std::printf("latency: best %.0f ms, median %.0f ms, worst %.0f ms (%d runs)\n", times.front(),
                times[times.size() / 2], times.back(), repeat);
    std::printf("client peak memory: %.1f MB (%.1f MB above start)\n", peakRssKb() / 1024.0,
                (peakRssKb() - baseKb) / 1024.0);
    return 0;
}
