// The data grid with 100,000 stock rows × 35 columns: time to the first screen after
// attaching, sorting, header filters, scrolling, incremental search and footer sums, and
// the process's peak memory.
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "GridProxy.h"
#include "SampleData.h"
#include "UiPictures.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <iostream>
#include <sys/resource.h>

namespace {

constexpr int rows = 100000;

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long currentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0; // resident pages of 4 KiB
}

/// The stock data set and a shown grid over it, made once for every benchmark.
struct Scene
{
    ClientDataSet data;
    DataGrid grid;
    long dataKilobytes = 0;

    Scene()
    {
        const long before = currentKilobytes();
        data.SetData(SampleData::stock(rows));
        for (int c = 0; c < data.FieldCount(); ++c) {
            if (data.Data().column(c).type() == FieldType::Float)
                data.SetDisplayFormat(c, QStringLiteral("#,###,##0.00"));
        }
        dataKilobytes = currentKilobytes() - before;
        QList<GridColumn> columns;
        for (const QString& field : data.FieldNames())
            columns << GridColumn{.fieldName = field, .caption = field};
        columns[0].kind = CellKind::Icon;
        columns[0].imageIndexes = UiPictures::durumIndexes();
        grid.setColumns(columns);
        grid.setImageList(UiPictures::gridImages());
        grid.setRowHeight(60);
        grid.setHeaderHeight(40);
        grid.setFooterSummaries({{"OEM1", SummaryKind::Count}, {"KDVDAHIL", SummaryKind::Sum}});
        grid.setDataSet(&data);
        grid.resize(1400, 800);
        grid.show();
        grid.applyWeightedWidths();
        QApplication::processEvents();
    }

    void paint()
    {
        QApplication::processEvents();
        grid.repaint();
    }
};

Scene* scene = nullptr;

void BM_AttachFirstScreen(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        scene->grid.detachDataSet();
        scene->paint();
        state.ResumeTiming();
        scene->grid.attachDataSet();
        scene->paint();
    }
}
BENCHMARK(BM_AttachFirstScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

void sortBenchmark(benchmark::State& state, const QString& key)
{
    bool descending = false;
    for (auto _ : state) {
        scene->grid.sortBy(key, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        scene->paint();
        descending = !descending;
    }
    scene->grid.clearSort();
}

void BM_SortText(benchmark::State& state)
{
    sortBenchmark(state, QStringLiteral("ADI"));
}
BENCHMARK(BM_SortText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SortNumber(benchmark::State& state)
{
    sortBenchmark(state, QStringLiteral("NETFIYAT"));
}
BENCHMARK(BM_SortNumber)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HeaderFilterApply(benchmark::State& state)
{
    for (auto _ : state) {
        scene->grid.setColumnFilter(QStringLiteral("MARKA"), {"BOSCH", "MANN"});
        scene->paint();
        state.PauseTiming();
        scene->grid.clearFilter();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HeaderFilterApply)->Unit(benchmark::kMillisecond)->UseRealTime();

void filterValuesBenchmark(benchmark::State& state, const QString& key)
{
    qsizetype values = 0;
    for (auto _ : state)
        values = scene->grid.filterValues(key).size();
    state.counters["values"] = static_cast<double>(values);
}

void BM_HeaderFilterListFewValues(benchmark::State& state)
{
    filterValuesBenchmark(state, QStringLiteral("MARKA"));
}
BENCHMARK(BM_HeaderFilterListFewValues)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HeaderFilterListDistinctValues(benchmark::State& state)
{
    filterValuesBenchmark(state, QStringLiteral("BARKOD"));
}
BENCHMARK(BM_HeaderFilterListDistinctValues)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ScrollPage(benchmark::State& state)
{
    QScrollBar* bar = scene->grid.view()->verticalScrollBar();
    bar->setValue(0);
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep());
        if (bar->value() >= bar->maximum())
            bar->setValue(0);
        scene->paint();
    }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IncrementalSearchWholeTable(benchmark::State& state)
{
    scene->grid.focusRow(0);
    for (auto _ : state) {
        scene->grid.typeSearch(QStringLiteral("#")); // no row starts with it: every row read
        benchmark::DoNotOptimize(scene->grid.focusedRow());
    }
}
BENCHMARK(BM_IncrementalSearchWholeTable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FooterSums(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(scene->grid.footerText(QStringLiteral("KDVDAHIL")));
}
BENCHMARK(BM_FooterSums)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const long start = currentKilobytes();
    Scene built;
    scene = &built;
    const long afterScene = currentKilobytes();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::cout << "rows " << rows << ", columns " << built.data.FieldCount() << '\n'
              << "data set resident KiB " << built.dataKilobytes << '\n'
              << "data set + grid shown resident KiB " << afterScene - start << '\n'
              << "resident KiB after the benchmarks " << currentKilobytes() - start << '\n'
              << "peak resident KiB of the process " << peakKilobytes() << '\n';
    scene = nullptr;
    return 0;
}
