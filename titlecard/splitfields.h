#pragma once

#include <QString>
#include <QStringList>

constexpr int kTitleFieldCount = 5;

// The fields of a TitleRecord by rank (line1, line2, ruby1, ruby2, line3).
// Runs of commas count as one separator, so empty fields, leading and
// trailing commas vanish and a later field moves up a rank; text after the
// fifth field is ignored. The text ends at its first NUL, as the title
// buffer does. Only the ASCII comma separates: it never occurs inside a
// double-byte character of code page 932.
QStringList splitFields(const QString &title);
