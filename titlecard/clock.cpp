#include "clock.h"

#include <QDateTime>

std::int64_t SystemClock::secondsSinceEpoch() const
{
    return QDateTime::currentSecsSinceEpoch();
}
