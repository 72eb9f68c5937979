#pragma once

#include "titlecard/cardsoundplayer.h"

// Records play requests; the test decides when the sound ends.
class FakeSoundPlayer : public CardSoundPlayer
{
    Q_OBJECT
public:
    void play() override { ++plays; }
    void end() { emit finished(); }
    int plays = 0;
};
