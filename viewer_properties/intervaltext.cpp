#include "intervaltext.h"

#include <cmath>

namespace IntervalText {

namespace {

// Nobody types a number this long; a longer one is far beyond the bound
// anyway (leading zeros aside).
constexpr int kMaxNumberChars = 400;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The longest start of text (after blanks) that reads as a decimal number.
QString numberPrefix(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text.at(i)))
        ++i, ++digits;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(text.at(i)))
            ++i, ++digits;
    }
    if (digits == 0)
        return {};
    qsizetype end = i;
    // An exponent counts only when digits follow it.
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
        const qsizetype exponentStart = i;
        while (i < n && isDigit(text.at(i)))
            ++i;
        if (i > exponentStart)
            end = i;
    }
    return text.mid(start, end - start);
}

} // namespace

qint16 toMinutes(const QString &text)
{
    // Full-width digits, signs and points become their ASCII forms; the
    // text is looked at only as far as a number could reach.
    qsizetype first = 0;
    while (first < text.size() && text.at(first).isSpace())
        ++first;
    const QString head = text.mid(first, kMaxNumberChars).normalized(QString::NormalizationForm_KC);
    const QString number = numberPrefix(head);
    if (number.isEmpty())
        return 0;
    bool ok = false;
    double value = number.toDouble(&ok);
    if (!ok) {
        // Beyond a double: a huge exponent, or a tiny one.
        const bool tiny = number.contains(QLatin1String("e-"), Qt::CaseInsensitive);
        const bool negative = number.startsWith(QLatin1Char('-'));
        value = tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    const double minutes = std::floor(value);
    if (std::isnan(minutes) || minutes < 0)
        return 0;
    if (minutes > kMaxMinutes)
        return kMaxMinutes;
    return static_cast<qint16>(minutes);
}

} // namespace IntervalText
