// Shows every control of the toolkit layer with sample data. With "--screenshots <folder>"
// it saves pictures of its pages there and ends.
#include "DialogPresenter.h"
#include "GalleryWindow.h"
#include "MesajDialog.h"
#include "VisualStyle.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Oto Korvel B2B"));
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    VisualStyle::apply(QStringLiteral("Zircon"));
    MesajDialog::setMessagePointSize(15);

    GalleryWindow window;
    DialogPresenter presenter(&window);
    MessagePresenter::install(&presenter);
    const QStringList args = QApplication::arguments();
    const int shots = static_cast<int>(args.indexOf(QStringLiteral("--screenshots")));
    if (shots > 0 && shots + 1 < args.size()) {
        window.resize(1400, 860);
        return window.saveScreenshots(args[shots + 1]) ? 0 : 1;
    }
    window.showMaximized();
    return app.exec();
}
