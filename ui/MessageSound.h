#pragma once

#include <cstdint>

/// The seam of the message sounds. The dialog asks for the system sound of a message type
/// (48 exclamation, 16 critical stop, 64 asterisk, 32 question); the standard sound is the
/// platform beep, tests install a recorder.
class MessageSound
{
public:
    virtual ~MessageSound() = default;
    virtual void play(unsigned type) = 0;

    /// The sound type of a message kind, 0 for a kind without sound.
    static unsigned typeOf(std::uint8_t kind);
    /// Installs `sound` (not owned; nullptr restores the platform beep).
    static void install(MessageSound* sound);
    static MessageSound& current();
};
