#include "startlinepreview.h"

#include "propertychoices.h"

#include "viewer/quotesources.h"

namespace StartLinePreview {

QString inFileOrder(const QString &ops, int number, const QString &line)
{
    const QuoteSources::FixedFile *file = QuoteSources::findFixedFile(ops);
    if (!file)
        return byLineNumber(number, line);
    const QString quote = ops == QuoteSources::kMirelle ? QuoteSources::mirelleTitle(line) : line;
    return QuoteSources::numberLabel(number, file->unit) + QLatin1Char(' ') + quote;
}

QString byLineNumber(int number, const QString &line)
{
    return QString::number(number) + lineLabel() + line;
}

QString lineLabel()
{
    return QStringLiteral("行 - ");
}

QString randomTitle(const QString &ops)
{
    const PropertyChoices::SourceChoice *source = PropertyChoices::fixedSource(ops);
    return source ? source->randomTitle : fromFile(ops);
}

QString fromFile(const QString &ops)
{
    return ops + QStringLiteral(" より");
}

} // namespace StartLinePreview
