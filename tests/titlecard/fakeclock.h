#pragma once

#include "titlecard/clock.h"

// A clock standing still at a chosen second that counts how often it is read.
class FakeClock : public Clock
{
public:
    explicit FakeClock(std::int64_t seconds) : m_seconds(seconds) {}
    std::int64_t secondsSinceEpoch() const override { ++m_reads; return m_seconds; }
    int reads() const { return m_reads; }

private:
    std::int64_t m_seconds;
    mutable int m_reads = 0;
};
