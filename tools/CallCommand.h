#pragma once

#include <QStringList>
#include <QTextStream>

/// The command-line caller: opens a connection, calls one remote method by name with its
/// parameters given as text, and prints the result and the output parameters as one JSON
/// document.
class CallCommand
{
public:
    enum ExitCode { Success = 0, ServerError = 1, ConnectionFailure = 2, UsageError = 3 };

    /// Runs with the program's arguments (without the program name); writes the document to
    /// `out` and errors to `err`.
    static int run(const QStringList& args, QTextStream& out, QTextStream& err);
};
