#include "splitfields.h"

QStringList splitFields(const QString &title)
{
    const qsizetype nul = title.indexOf(QChar(0));
    const qsizetype end = nul < 0 ? title.size() : nul;
    const QChar comma(QLatin1Char(','));
    QStringList fields;
    qsizetype i = 0;
    while (fields.size() < kTitleFieldCount) {
        while (i < end && title.at(i) == comma)
            ++i;
        if (i >= end)
            break;
        qsizetype next = title.indexOf(comma, i);
        if (next < 0 || next > end)
            next = end;
        fields.append(title.mid(i, next - i));
        i = next + 1;
    }
    return fields;
}
