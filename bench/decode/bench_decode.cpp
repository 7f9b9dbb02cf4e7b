// Decoding a large stock result: the client's table decoder against a plain memory copy of
// the same bytes and against JSON.parse in Node.js of the equivalent JSON document (what a
// web portal would parse). Prints MB/s and rows/s; best of several repetitions.
#include "ByteReader.h"
#include "ByteWriter.h"
#include "CallOutput.h"
#include "StockTableMaker.h"
#include "TableCodec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <iostream>

namespace {

double bestSeconds(int repetitions, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

void report(const char* what, double seconds, qsizetype bytes, int rows)
{
    std::printf("%-28s %9.1f ms %9.0f MB/s %12.0f rows/s\n", what, seconds * 1e3,
                bytes / seconds / 1e6, rows / seconds);
}

/// Runs JSON.parse on the file in Node.js; returns the best time in seconds, or -1.
double nodeParseSeconds(const QString& path, int repetitions)
{
    const QString script = QStringLiteral(
        "const fs=require('fs');const s=fs.readFileSync(process.argv[1],'utf8');let b=1e9;"
        "for(let i=0;i<%1;i++){const t=process.hrtime.bigint();const d=JSON.parse(s);"
        "const e=Number(process.hrtime.bigint()-t)/1e9;if(d.rows.length<0)throw 0;"
        "b=Math.min(b,e);}console.log(b);").arg(repetitions);
    QProcess node;
    node.start(QStringLiteral("node"), {QStringLiteral("-e"), script, path});
    if (!node.waitForFinished(600000) || node.exitCode() != 0)
        return -1;
    return node.readAllStandardOutput().trimmed().toDouble();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int repetitions = 5;

    const DataTable table = StockTableMaker::make(rows);
    QByteArray body;
    ByteWriter out(body);
    TableCodec::write(out, table);
    std::printf("stock result: %d rows x %d columns, %.1f MB on the wire\n", rows,
                table.columnCount(), body.size() / 1e6);

    const double decode = bestSeconds(repetitions, [&] {
        ByteReader in(body);
        const DataTable back = TableCodec::read(in);
        if (back.rowCount() != rows)
            std::abort();
    });
    const double copy = bestSeconds(repetitions, [&] {
        QByteArray target(body.size(), Qt::Uninitialized);
        std::memcpy(target.data(), body.constData(), body.size());
        if (target.back() != body.back())
            std::abort();
    });

    QTemporaryDir dir;
    const QString jsonPath = dir.filePath(QStringLiteral("stock.json"));
    QFile json(jsonPath);
    json.open(QIODevice::WriteOnly);
    const qsizetype jsonBytes = json.write(QJsonDocument(CallOutput::table(table)).toJson(
        QJsonDocument::Compact));
    json.close();
    const double node = nodeParseSeconds(jsonPath, repetitions);

    report("table decode (client)", decode, body.size(), rows);
    report("memory copy of same bytes", copy, body.size(), rows);
    if (node > 0) {
        report("Node.js JSON.parse", node, jsonBytes, rows);
        std::printf("equivalent JSON document: %.1f MB; decode is %.1fx faster than JSON.parse\n",
                    jsonBytes / 1e6, node / decode);
    } else {
        std::printf("Node.js not found: JSON.parse not measured\n");
    }
    return 0;
}
