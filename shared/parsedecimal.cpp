#include "parsedecimal.h"

namespace {
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
} // namespace

std::int32_t parseDecimal(const QByteArray &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isSpace(text.at(i)))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == '+' || text.at(i) == '-')) {
        negative = text.at(i) == '-';
        ++i;
    }
    // Unsigned arithmetic gives the wrap-around without undefined behaviour.
    std::uint32_t value = 0;
    while (i < n && text.at(i) >= '0' && text.at(i) <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(text.at(i) - '0');
        ++i;
    }
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}
