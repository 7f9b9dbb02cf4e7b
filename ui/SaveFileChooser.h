#pragma once

#include <QString>

class QWidget;

/// The seam of the file save dialogs: the program asks through here, tests install a
/// chooser that answers with a path of their own.
class SaveFileChooser
{
public:
    virtual ~SaveFileChooser() = default;

    /// Asks the user for a file to save to; empty when cancelled. `filter` has the
    /// "Caption|*.pattern" form of the program's save dialogs (pairs may repeat);
    /// `defaultSuffix` is added to a name typed without one.
    virtual QString chooseSaveFile(QWidget* parent, const QString& filter,
                                   const QString& defaultSuffix) = 0;

    /// Installs `chooser` (not owned; nullptr restores the standard file dialog).
    static void install(SaveFileChooser* chooser);
    static SaveFileChooser& current();
    /// "Excel|*.xls*" as a file dialog name filter: "Excel (*.xls*)".
    static QString nameFilters(const QString& filter);
};
