#include "abouttable.h"

#include "formplacer.h"

#include <QCoreApplication>
#include <QLabel>

QList<QLabel *> placeAboutLines(const FormPlacer &placer, const AboutLine *lines, std::size_t count, int width)
{
    QList<QLabel *> labels;
    for (const AboutLine *line = lines; line != lines + count; ++line)
        labels << placer.label(QString::fromLatin1(line->name), QCoreApplication::translate("AboutLine", line->text),
                               line->left, line->top, width);
    return labels;
}
