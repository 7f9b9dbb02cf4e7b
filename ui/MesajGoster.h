#pragma once

#include <QString>
#include <cstdint>

/// Kinds of the program's message dialog.
namespace MessageKind {
constexpr std::uint8_t Warning = 0;
constexpr std::uint8_t Error = 1;
constexpr std::uint8_t Information = 2;
constexpr std::uint8_t Confirmation = 3;
} // namespace MessageKind

/// Button numbers of the message dialog; a button set has bit n for button n.
namespace MessageButton {
constexpr std::uint8_t Yes = 0;
constexpr std::uint8_t No = 1;
constexpr std::uint8_t Ok = 2;
constexpr std::uint8_t Cancel = 3;
constexpr std::uint8_t Abort = 4;
constexpr std::uint8_t Retry = 5;
constexpr std::uint8_t Ignore = 6;
constexpr std::uint8_t NoToAll = 8;
constexpr std::uint8_t YesToAll = 9;
constexpr std::uint8_t Help = 10;
/// The two sets the program uses: OK alone, and Yes with No.
constexpr std::uint16_t OkOnly = 1 << Ok;
constexpr std::uint16_t YesNo = 1 << Yes | 1 << No;
} // namespace MessageButton

/// Result codes of the message dialog.
namespace MessageResult {
constexpr int Ok = 1;
constexpr int Cancel = 2; // also the window's close box
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Ignore = 5;
constexpr int Yes = 6;
constexpr int No = 7;
constexpr int NoToAll = 13;
constexpr int YesToAll = 14;
} // namespace MessageResult

/// Shows the program's message dialog — text (lines split at "\r\n"), kind, button set and
/// default button — and returns the result code of the pressed button. Runs on the GUI
/// thread through the message presenter, waiting there when called from a worker.
int MesajGoster(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                std::uint8_t defaultButton);
