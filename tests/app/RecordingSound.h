#pragma once

#include "MessageSound.h"

#include <QList>

/// Records the message sounds played instead of playing them; installed for its lifetime.
class RecordingSound : public MessageSound
{
public:
    RecordingSound() { install(this); }
    ~RecordingSound() override { install(nullptr); }

    void play(unsigned type) override { played << type; }

    QList<unsigned> played;
};
