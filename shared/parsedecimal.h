#pragma once

#include <QByteArray>
#include <cstdint>

// Decimal text to a 32-bit integer the way the C library's atoi works on the
// original platform: leading white space, an optional sign, digits up to the
// first non-digit, and two's-complement wrap-around instead of overflow
// errors. Stored files rely on the wrap-around: 4294967280 reads as -16.
std::int32_t parseDecimal(const QByteArray &text);
