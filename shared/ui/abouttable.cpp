#include "abouttable.h"

#include "formplacer.h"

#include <QLabel>

QList<QLabel *> placeAboutLines(const FormPlacer &placer, const AboutLine *lines, std::size_t count, int width)
{
    QList<QLabel *> labels;
    for (const AboutLine *line = lines; line != lines + count; ++line)
        labels << placer.label(QString::fromLatin1(line->name), QString::fromUtf8(line->text), line->left,
                               line->top, width);
    return labels;
}
