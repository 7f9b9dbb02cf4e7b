#pragma once

#include "MessagePresenter.h"

#include <QPointer>
#include <QWidget>

/// The program's presenter of messages: the message dialog `MesajGoster`, the plain
/// one-button message box, and the standard display of errors nobody caught. The program
/// installs one at start with its main window, over which the dialogs are centred.
class DialogPresenter : public MessagePresenter
{
public:
    explicit DialogPresenter(QWidget* mainWindow = nullptr) : m_mainWindow(mainWindow) {}

    void setMainWindow(QWidget* mainWindow) { m_mainWindow = mainWindow; }

    int showDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                   std::uint8_t defaultButton) override;
    void showMessage(const QString& text) override;
    void showError(const QString& text) override;

private:
    QPointer<QWidget> m_mainWindow;
};
