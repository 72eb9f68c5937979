#pragma once

#include <QList>

#include <cstddef>

class FormPlacer;
class QLabel;

// One line of text of an about window's table: its control name, its text
// (UTF-8, shown translated in context "AboutLine": mark it with
// QT_TRANSLATE_NOOP("AboutLine", …)) and its place in the form's units.
struct AboutLine
{
    const char *name;
    const char *text;
    int left;
    int top;
};

// A label for each line on the placer's form or frame, width wide (0: as
// wide as its text) and one line of the form's style high, in table order.
QList<QLabel *> placeAboutLines(const FormPlacer &placer, const AboutLine *lines, std::size_t count, int width);

template <std::size_t N>
QList<QLabel *> placeAboutLines(const FormPlacer &placer, const AboutLine (&lines)[N], int width)
{
    return placeAboutLines(placer, lines, N, width);
}
