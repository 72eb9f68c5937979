#pragma once

#include "quotetexts.h"

#include <QString>
#include <QStringList>

// Where one display goes: a title-card program started from the program
// folder with an argument list, a message box, or the desktop's
// notification server (text and title as the box would show them).
struct QuoteOutput
{
    enum class Kind { StartProgram, MessageBox, Notification };
    Kind kind = Kind::MessageBox;
    QString program;
    QStringList arguments;
    QString text;
    QString title;

    bool operator==(const QuoteOutput &other) const;
};

// The first matching row wins, so dastor's quote file with 22 starts
// dastor without text and the first series' episode file asks tambwin
// for its own episode card.
QuoteOutput chooseQuoteOutput(const QString &source, ShowCode code, int number,
                              const QString &line, const QuoteTexts &texts,
                              const QString &programFolder);
