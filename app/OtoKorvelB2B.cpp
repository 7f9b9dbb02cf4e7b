#include "OtoKorvelB2B.h"

#include "DialogPresenter.h"
#include "MessagePresenter.h"
#include "SearchBar.h"
#include "TForm1.h"
#include "VisualStyle.h"
#include "WorkstationIdentity.h"

#include <QFont>
#include <QLineEdit>
#include <QTextStream>
#include <cstring>
#include <unistd.h>

namespace {

bool hasSwitch(int argc, char** argv, const char* name)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return true;
    }
    return false;
}

} // namespace

OtoKorvelB2B::OtoKorvelB2B(int& argc, char** argv) : QApplication(argc, argv) {}

bool OtoKorvelB2B::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) { // AppError included: its what() is its text
        MessagePresenter::error(QString::fromUtf8(e.what()));
    } catch (...) {
        MessagePresenter::error(QStringLiteral("Bilinmeyen hata"));
    }
    return false;
}

void OtoKorvelB2B::prepare()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Fonts set on a window reach its controls also under the program's style sheet.
    QCoreApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    // Where the windows' narrow Tahoma is missing, a condensed face keeps the designed widths.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    if (geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --no-sandbox").trimmed());
    }
}

int OtoKorvelB2B::run(int argc, char** argv)
{
    if (hasSwitch(argc, argv, "--workstation-id"))
        return printWorkstationId(argc, argv);
    prepare();
    OtoKorvelB2B app(argc, argv);
    VisualStyle::apply(QStringLiteral("Zircon")); // the default look stays if it fails
    DialogPresenter presenter;
    MessagePresenter::install(&presenter);
    TForm1 form;
    if (!form.FormCreate())
        return 0;
    presenter.setMainWindow(&form);
    form.showMaximized();
    form.Panel2->araedit->setFocus();
    const int exitCode = app.exec();
    MessagePresenter::install(nullptr);
    return exitCode;
}

int OtoKorvelB2B::printWorkstationId(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << BilgisayarIdAl() << '\n';
    return 0;
}
