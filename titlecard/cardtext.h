#pragma once

#include <QString>
#include <QStringList>

// The text of a card with a layout of its own (not tambwin's five fields):
// a smaller heading above a larger title. Either may be empty.
struct CardText
{
    QString heading;
    QString title;

    bool operator==(const CardText &other) const
    {
        return heading == other.heading && title == other.title;
    }
    bool operator!=(const CardText &other) const { return !(*this == other); }
};

namespace CardTexts {

// A line longer than this is cut and ends in "…": nobody reads more on one
// line of a card, and laying out a text of any length would hold up the
// first frame.
constexpr int kMaxLineLength = 200;

// The text of the command line: the arguments joined by single spaces, as
// one command line of words reads.
QString argumentText(const QStringList &arguments);

// True when nothing would show: only blanks (the ideographic space
// included) and control characters.
bool isBlank(const QString &text);

// One line as it is shown: control characters (line breaks, tabs) become
// spaces, the blanks around it go (the ideographic spaces that pad velmo's
// labels included), and a line beyond kMaxLineLength is cut.
QString cleanLine(const QString &text);

// The free-text form: the text before the first comma is the heading, the
// rest the title - what velmo sends, its label, a comma and the quote.
// Without a comma the whole text is the title.
CardText split(const QString &text);

} // namespace CardTexts
