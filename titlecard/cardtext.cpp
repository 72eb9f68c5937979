#include "cardtext.h"

namespace CardTexts {

namespace {

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator;
}

} // namespace

QString argumentText(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' '));
}

bool isBlank(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace() && !isControl(c))
            return false;
    }
    return true;
}

QString cleanLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        if (isControl(c))
            c = QLatin1Char(' ');
    }
    line = line.trimmed(); // QChar::isSpace takes in U+3000
    if (line.size() > kMaxLineLength) {
        int cut = kMaxLineLength - 1;
        if (line.at(cut - 1).isHighSurrogate())
            --cut; // never half a character
        line = line.left(cut).trimmed() + QChar(0x2026);
    }
    return line;
}

CardText split(const QString &text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {QString(), cleanLine(text)};
    return {cleanLine(text.left(comma)), cleanLine(text.mid(comma + 1))};
}

} // namespace CardTexts
