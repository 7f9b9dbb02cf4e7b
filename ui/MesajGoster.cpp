#include "MesajGoster.h"

#include "MessagePresenter.h"

int MesajGoster(const QString& text, std::uint8_t kind, std::uint16_t buttons,
                std::uint8_t defaultButton)
{
    return MessagePresenter::dialog(text, kind, buttons, defaultButton);
}
