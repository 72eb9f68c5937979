#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The file dialogs' filter: the callers write it "description|pattern|...",
// the dialog takes it as NUL-ended strings, Qt as name filters.
namespace PlatformFilter {

struct Pair
{
    QString description;
    QString pattern; // one or more patterns separated by ";"
};

// What the dialog offers when the caller set no filter.
QString defaultFilter();

// Every "|" becomes a NUL; a NUL is appended unless the text ends in one.
QString fromCallerFilter(const QString &filter);

// The pairs of a NUL-ended filter, up to the first empty string (two NULs
// in a row end the list, as they end the dialog's).
QList<Pair> pairs(const QString &platformFilter);

// A Qt name filter for a pair: "description (p1 p2)". "*.*" matches every
// file there, so it becomes "*" (on Linux it would need a dot in the name).
QString toNameFilter(const Pair &pair);

} // namespace PlatformFilter
