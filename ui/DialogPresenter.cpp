#include "DialogPresenter.h"

#include "MesajDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

void showBox(QMessageBox::Icon icon, const QString& text, QWidget* parent)
{
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    box.exec();
}

} // namespace

int DialogPresenter::showDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                                std::uint8_t defaultButton)
{
    MesajDialog dialog(text, kind, buttons, defaultButton, m_mainWindow);
    return dialog.run();
}

void DialogPresenter::showMessage(const QString& text)
{
    showBox(QMessageBox::NoIcon, text, m_mainWindow);
}

void DialogPresenter::showError(const QString& text)
{
    showBox(QMessageBox::Critical, text, m_mainWindow);
}
