#pragma once

#include "titlecard/cardsoundplayer.h"

// Counts play requests and plays nothing; the test ends the sound.
class FakeSoundPlayer : public CardSoundPlayer
{
public:
    void play() override { ++plays; }

    int plays = 0;
};
