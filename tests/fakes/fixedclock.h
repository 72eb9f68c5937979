#pragma once

#include "titlecard/clock.h"

// A calendar that always reads the same second.
class FixedClock : public Clock
{
public:
    explicit FixedClock(std::int64_t seconds = 1) : m_seconds(seconds) {}

    std::int64_t secondsSinceEpoch() const override { return m_seconds; }

private:
    std::int64_t m_seconds;
};
