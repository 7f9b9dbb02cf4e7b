#pragma once

#include <QDialog>
#include <QList>
#include <cstdint>

class QLabel;
class QPushButton;

/// The program's message dialog: the kind's icon and caption, the text, and the buttons of
/// the set in number order with Turkish captions. Enter presses OK, else Yes, else Retry;
/// Escape presses Cancel, else No, else OK; the default button comes first in the tab
/// order; the close box answers 2.
class MesajDialog : public QDialog
{
    Q_OBJECT

public:
    MesajDialog(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                std::uint8_t defaultButton, QWidget* mainWindow = nullptr);

    /// Plays the kind's sound, shows the dialog modally, centred over the main window, and
    /// returns the result code.
    int run();
    /// Centres the dialog over `mainWindow` (over the screen without one).
    void centreOver(const QWidget* mainWindow);

    QPushButton* button(int number) const;
    QList<QPushButton*> buttonsInOrder() const { return m_buttons; }
    QPushButton* enterButton() const { return m_enter; }
    QPushButton* escapeButton() const { return m_escape; }
    QLabel* textLabel() const { return m_text; }

    static QString caption(std::uint8_t kind);
    static QString buttonCaption(int number);
    /// Result code of a button; 0 for Help, which answers nothing.
    static int resultOf(int number);
    /// Point size of the message font; the main window sets 15 at start.
    static void setMessagePointSize(int points);
    static int messagePointSize();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

public slots:
    void reject() override;

private:
    void addButtons(std::uint16_t buttons, std::uint8_t defaultButton);
    QPushButton* firstOf(std::initializer_list<int> numbers) const;

    QLabel* m_text;
    QList<QPushButton*> m_buttons;
    QList<int> m_numbers;
    QPushButton* m_enter = nullptr;
    QPushButton* m_escape = nullptr;
    const QWidget* m_mainWindow;
    std::uint8_t m_kind;
};
