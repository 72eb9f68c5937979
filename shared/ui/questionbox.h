#pragma once

#include <QString>

class QWidget;

// A yes-or-no question in a message box, behind a seam so that tests can
// answer it. No is the default answer.
class QuestionBox
{
public:
    virtual ~QuestionBox() = default;
    virtual bool ask(const QString &text, const QString &title, QWidget *parent) = 0;
};

class QtQuestionBox : public QuestionBox
{
public:
    bool ask(const QString &text, const QString &title, QWidget *parent) override;
};
