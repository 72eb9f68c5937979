#include "platformfilter.h"

namespace PlatformFilter {

namespace {
const QChar kNul(0);
}

QString defaultFilter()
{
    return QStringLiteral("All Files (*.*)") + kNul + QStringLiteral("*.*") + kNul;
}

QString fromCallerFilter(const QString &filter)
{
    QString result = filter;
    result.replace(QLatin1Char('|'), kNul);
    if (!result.endsWith(kNul))
        result += kNul;
    return result;
}

QList<Pair> pairs(const QString &platformFilter)
{
    const QStringList parts = platformFilter.split(kNul);
    QList<Pair> result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() || parts[i + 1].isEmpty())
            break;
        result.append({parts[i], parts[i + 1]});
    }
    return result;
}

QString toNameFilter(const Pair &pair)
{
    QStringList patterns;
    for (const QString &pattern : pair.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return pair.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace PlatformFilter
