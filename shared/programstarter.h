#pragma once

#include <QString>
#include <QStringList>

// Starts an independent program that the caller never waits for. The
// arguments reach the program as they are: no shell ever sees them.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    // program is a path or a bare name; returns false when it could not be started.
    virtual bool start(const QString &program, const QStringList &arguments) = 0;
    // Where a program started by bare name is: the program folder first,
    // then wherever the starter's own world keeps programs. Empty when it is
    // found nowhere.
    virtual QString locate(const QString &bareName, const QString &folder) const = 0;
};

// The real starter, through QProcess::startDetached. Linux refuses to start
// a program at all (E2BIG) when one argument reaches 32 pages with its
// terminating NUL, so every longer argument is cut to fit, and a line on
// stderr says so.
class ProcessStarter : public ProgramStarter
{
public:
    static constexpr qsizetype kMaxArgumentBytes = 32 * 4096 - 1;
    bool start(const QString &program, const QStringList &arguments) override;
    // The program folder, then the directories of PATH.
    QString locate(const QString &bareName, const QString &folder) const override;
};

// The longest start of text whose UTF-8 form, the bytes a started program
// receives, has at most maxBytes bytes; never ends inside a character.
QString cutToUtf8Bytes(const QString &text, qsizetype maxBytes);
