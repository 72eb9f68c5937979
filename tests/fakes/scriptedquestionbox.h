#pragma once

#include "shared/ui/questionbox.h"

#include <QStringList>

// Answers every question with the prepared answer (by default the box's
// own default, No) and records what was asked.
class ScriptedQuestionBox : public QuestionBox
{
public:
    bool ask(const QString &text, const QString &, QWidget *) override
    {
        questions.append(text);
        return answer;
    }

    bool answer = false;
    QStringList questions;
};
