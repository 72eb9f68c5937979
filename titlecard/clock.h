#pragma once

#include <cstdint>

// The calendar time, behind a seam so that the random choice of an
// episode can be tested.
class Clock
{
public:
    virtual ~Clock() = default;
    // Whole seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t secondsSinceEpoch() const = 0;
};

class SystemClock : public Clock
{
public:
    std::int64_t secondsSinceEpoch() const override;
};
