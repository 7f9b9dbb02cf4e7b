#include "SaveFileChooser.h"

#include <QFileDialog>
#include <QStringList>

namespace {

/// The standard save dialog of the platform.
class DialogChooser : public SaveFileChooser
{
public:
    QString chooseSaveFile(QWidget* parent, const QString& filter,
                           const QString& defaultSuffix) override
    {
        QFileDialog dialog(parent, QStringLiteral("Kaydet"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(nameFilters(filter).split(QStringLiteral(";;")));
        dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().front();
    }
};

SaveFileChooser* installed = nullptr;

} // namespace

void SaveFileChooser::install(SaveFileChooser* chooser)
{
    installed = chooser;
}

SaveFileChooser& SaveFileChooser::current()
{
    static DialogChooser standard;
    return installed ? *installed : standard;
}

QString SaveFileChooser::nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return filters.join(QStringLiteral(";;"));
}
