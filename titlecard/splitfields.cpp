#include "splitfields.h"

QList<QByteArray> splitFields(const QByteArray &title)
{
    const int nul = title.indexOf('\0');
    const qsizetype end = nul < 0 ? title.size() : nul;
    QList<QByteArray> fields;
    qsizetype i = 0;
    while (fields.size() < kTitleFieldCount) {
        while (i < end && title.at(i) == ',')
            ++i;
        if (i >= end)
            break;
        qsizetype comma = title.indexOf(',', i);
        if (comma < 0 || comma > end)
            comma = end;
        fields.append(title.mid(i, comma - i));
        i = comma + 1;
    }
    return fields;
}
