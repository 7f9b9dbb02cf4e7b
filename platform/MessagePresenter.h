#pragma once

#include <QString>
#include <cstdint>

/// The seam through which every message reaches the user: the program's message dialog,
/// the plain one-button message box and the display of uncaught errors. The windows install
/// a real presenter at start; tests install a scripted one that records and answers.
/// Without an installed presenter messages go to stderr and dialogs answer with their
/// default button's result.
class MessagePresenter
{
public:
    virtual ~MessagePresenter() = default;

    /// The program's message dialog: text, kind (0 warning .. 3 confirmation), button set
    /// (bit n = button n), default button number. Returns the result code.
    virtual int showDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                           std::uint8_t defaultButton) = 0;
    /// A plain message box with one OK button.
    virtual void showMessage(const QString& text) = 0;
    /// The standard display of an error nobody caught.
    virtual void showError(const QString& text) = 0;

    /// Installs `presenter` (not owned; nullptr restores the console fallback).
    static void install(MessagePresenter* presenter);

    // Entry points for the rest of the program: each runs on the GUI thread, handing the
    // call over and waiting when made from another thread.
    static int dialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                      std::uint8_t defaultButton);
    static void message(const QString& text);
    static void error(const QString& text);

private:
    static MessagePresenter& current();
};
