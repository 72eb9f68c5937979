#pragma once

#include <QString>
#include <cstdint>

class Clock;

// The episode drawn from a seed: one step of the C library's linear
// congruential generator (state * 214013 + 2531011 mod 2^32, output bits
// 16..30), then output mod 45 + 1. Always 1..45.
int titleRandom(std::uint32_t seed);

// The same, seeded with the calendar time in seconds.
int titleRandom(const Clock &clock);

// What the command line asked the card to show.
struct TitleChoice
{
    enum class Kind { Random, Episode, Custom };

    Kind kind = Kind::Random;
    int episode = 0;   // 1..45 for Random and Episode, 0 for Custom
    QString title;     // a TitleRecord
};

// Decides the title from the argument string (leading characters up to
// 0x20 already skipped):
//   empty                    -> a random episode
//   "-s TEXT" or "-S TEXT"   -> TEXT unchanged (random when TEXT is empty)
//   anything else            -> parseDecimal of the first space-delimited
//                               token; 1..45 picks that episode, any other
//                               value a random one.
// The clock is read only when a random episode is needed. The text is kept
// whole, whatever its length.
TitleChoice decideTitle(const QString &argumentString, const Clock &clock);
