#pragma once

#include <QApplication>

/// The program `otokorvel`: the application object, which shows every error an event
/// handler lets escape through the standard display of uncaught errors and goes on, and
/// the start-up sequence of the program.
class OtoKorvelB2B : public QApplication
{
    Q_OBJECT

public:
    OtoKorvelB2B(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    /// Settings that must be in place before the application object exists: shared OpenGL
    /// contexts for the embedded browser, and no Chromium sandbox when running as root.
    static void prepare();
    /// The whole program: "--workstation-id" prints this machine's workstation identity
    /// and ends; otherwise the "Zircon" style, the message dialogs, the main window with its
    /// login, and the message loop. Returns the exit code.
    static int run(int argc, char** argv);

private:
    static int printWorkstationId(int argc, char** argv);
};
