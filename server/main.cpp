#include "FaultPlan.h"
#include "ServerApp.h"
#include "ServerOptions.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    // The server draws pictures and PDF documents but has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString error;
    const auto options = ServerOptions::parse(app.arguments(), error);
    const auto faults = options ? FaultPlan::parse(options->faults, error) : std::nullopt;
    if (!options || !faults) {
        std::fprintf(stderr, "otokorvel-server: %s\n%s", qPrintable(error),
                     qPrintable(ServerOptions::usage()));
        return 2;
    }
    return ServerApp(*options, *faults).run();
}
