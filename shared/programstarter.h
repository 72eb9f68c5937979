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
};

// The real starter, through QProcess::startDetached.
class ProcessStarter : public ProgramStarter
{
public:
    bool start(const QString &program, const QStringList &arguments) override;
};
