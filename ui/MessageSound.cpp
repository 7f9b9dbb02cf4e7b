#include "MessageSound.h"

#include <QApplication>

namespace {

/// The platform has one beep where Windows has a sound per message type.
class Beep : public MessageSound
{
public:
    void play(unsigned) override { QApplication::beep(); }
};

MessageSound* installed = nullptr;

} // namespace

unsigned MessageSound::typeOf(std::uint8_t kind)
{
    static const unsigned types[] = {48, 16, 64, 32};
    return kind < 4 ? types[kind] : 0;
}

void MessageSound::install(MessageSound* sound)
{
    installed = sound;
}

MessageSound& MessageSound::current()
{
    static Beep beep;
    return installed ? *installed : beep;
}
