#pragma once

#include "shared/programstarter.h"

#include <QList>
#include <QPair>
#include <QStringList>

// A program starter that starts nothing and records every request.
class RecordingStarter : public ProgramStarter
{
public:
    struct Call
    {
        QString program;
        QStringList arguments;
    };

    bool start(const QString &program, const QStringList &arguments) override
    {
        calls.append({program, arguments});
        return succeed;
    }

    QList<Call> calls;
    bool succeed = true;
};
