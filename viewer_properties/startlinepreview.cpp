#include "startlinepreview.h"

#include "propertychoices.h"

#include "viewer/quotesources.h"

#include <QCoreApplication>

namespace StartLinePreview {

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("StartLinePreview", text);
}
} // namespace

QString inFileOrder(const QString &ops, int number, const QString &line)
{
    const QuoteSources::FixedFile *file = QuoteSources::findFixedFile(ops);
    if (!file)
        return byLineNumber(number, line);
    const QString quote = ops == QuoteSources::kMirelle ? QuoteSources::mirelleTitle(line) : line;
    return QuoteSources::shownNumberLabel(number, file->unit) + QLatin1Char(' ') + quote;
}

QString byLineNumber(int number, const QString &line)
{
    return translated(QT_TRANSLATE_NOOP("StartLinePreview", "%1行 - %2")).arg(QString::number(number), line);
}

QString lineLabel()
{
    return translated(QT_TRANSLATE_NOOP("StartLinePreview", "行 - "));
}

QString randomTitle(const QString &ops)
{
    const PropertyChoices::SourceChoice *source = PropertyChoices::fixedSource(ops);
    return source ? PropertyChoices::shown(source->randomTitle) : fromFile(ops);
}

QString fromFile(const QString &ops)
{
    return translated(QT_TRANSLATE_NOOP("StartLinePreview", "%1 より")).arg(ops);
}

} // namespace StartLinePreview
