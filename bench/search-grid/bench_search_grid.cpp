// A stock search on the real main window against a running server: the time from Enter in
// the search box to the list on screen (completion run and the grid painted), the longest
// stall of the GUI thread meanwhile (how responsive the window stays), and the client's
// peak memory.
//
// usage: bench_search_grid --port P [--host H] [--workstation DEMO-BAYI] [--repeat N] TEXT
// Run under a display (Xvfb) or with QT_QPA_PLATFORM=offscreen.
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "Katalog.h"
#include "OtoKorvelB2B.h"
#include "SearchBar.h"
#include "StokArama.h"
#include "TForm1.h"
#include "TServerMethods1Client.h"
#include "VisualStyle.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

struct Options
{
    QString host = QStringLiteral("127.0.0.1");
    QString port;
    QString workstation = QStringLiteral("DEMO-BAYI");
    int repeat = 5;
    QString text;
};

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Options parse(QStringList args)
{
    Options o;
    while (args.size() > 1 && args.first().startsWith(QStringLiteral("--"))) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QStringLiteral("--host"))
            o.host = value;
        else if (option == QStringLiteral("--port"))
            o.port = value;
        else if (option == QStringLiteral("--workstation"))
            o.workstation = value;
        else if (option == QStringLiteral("--repeat"))
            o.repeat = value.toInt();
    }
    if (args.size() == 1)
        o.text = args.first();
    return o;
}

/// The window as the login leaves it for the workstation's user.
bool login(TForm1& w, const Options& o)
{
    w.bagc.HostName = o.host;
    w.bagc.Port = o.port;
    w.bagc.Open();
    {
        TServerMethods1Client proxy(w.bagc);
        w.sbilgi.Kopyala(*proxy.BuyukGetir(o.workstation));
    }
    w.bagc.Close();
    w.sbilgi.SetDisip(QStringLiteral("127.0.0.1"));
    w.KullaniciTipineGoreAyarla();
    w.resize(1350, 700);
    w.show();
    return w.sbilgi.Varmi();
}

struct Measurement
{
    double toGrid = 0;   // Enter → list painted, ms
    double maxStall = 0; // longest gap between 5 ms ticks of the GUI thread, ms
    int rows = 0;
};

Measurement searchOnce(TForm1& w, const QString& text)
{
    QLineEdit* box = w.Panel2->araedit;
    box->setText(text);
    QEventLoop loop;
    QObject::connect(w.katalog->stokArama(), &StokArama::aramaBitti, &loop, &QEventLoop::quit);

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 maxStall = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        maxStall = std::max(maxStall, now - lastTick);
        lastTick = now;
    });
    ticker.start(5);

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    clock.start();
    QCoreApplication::sendEvent(box, &enter);
    loop.exec();
    w.cxGrid1->view()->viewport()->repaint();
    Measurement m;
    m.toGrid = clock.nsecsElapsed() / 1e6;
    m.maxStall = std::max<qint64>(maxStall, clock.elapsed() - lastTick);
    m.rows = w.stok->RecordCount();
    // Let the window settle before the next round.
    QTimer::singleShot(200, &loop, &QEventLoop::quit);
    loop.exec();
    return m;
}

} // namespace

int main(int argc, char** argv)
{
    OtoKorvelB2B::prepare();
    OtoKorvelB2B app(argc, argv);
    const Options o = parse(app.arguments().mid(1));
    if (o.port.isEmpty() || o.text.isEmpty()) {
        std::fprintf(stderr, "usage: bench_search_grid --port P [--host H] [--workstation W] "
                             "[--repeat N] TEXT\n");
        return 3;
    }
    VisualStyle::apply(QStringLiteral("Zircon"));
    TForm1 w;
    if (!login(w, o)) {
        std::fprintf(stderr, "workstation %s unknown to the server\n", qPrintable(o.workstation));
        return 2;
    }
    QCoreApplication::processEvents();
    const long baseKb = peakKilobytes();
    std::vector<double> times;
    for (int i = 0; i < o.repeat; ++i) {
        const Measurement m = searchOnce(w, o.text);
        std::printf("run %d: %d rows, Enter to grid %.0f ms, longest GUI stall %.0f ms\n", i + 1,
                    m.rows, m.toGrid, m.maxStall);
        times.push_back(m.toGrid);
    }
    std::sort(times.begin(), times.end());
    std::printf("median Enter to grid: %.0f ms; peak memory %ld MB (%ld MB before searching)\n",
                times[times.size() / 2], peakKilobytes() / 1024, baseKb / 1024);
    return 0;
}
