// Writes the program's pictures into the folder given as the only argument.
#include "ArtworkPainter.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: ui-artwork <output folder>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << dir.path() << '\n';
        return 1;
    }
    for (const auto& entry : ArtworkPainter::all()) {
        QFile file(dir.filePath(entry.fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.bytes) != entry.bytes.size()) {
            QTextStream(stderr) << "cannot write " << file.fileName() << '\n';
            return 1;
        }
    }
    return 0;
}
