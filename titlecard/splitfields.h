#pragma once

#include <QByteArray>
#include <QList>

constexpr int kTitleFieldCount = 5;

// The fields of a TitleRecord by rank (line1, line2, ruby1, ruby2, line3).
// Runs of commas count as one separator, so empty fields, leading and
// trailing commas vanish and a later field moves up a rank; text after the
// fifth field is ignored. The text ends at its first NUL byte, as the
// title buffer does. Splitting bytewise is safe: 0x2C never occurs inside a
// double-byte character of code page 932.
QList<QByteArray> splitFields(const QByteArray &title);
