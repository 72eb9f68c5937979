#pragma once

#include "shared/programstarter.h"

#include <QFileInfo>
#include <QList>
#include <QPair>
#include <QStringList>

// A program starter that starts nothing and records every request. It
// finds programs in the given folder only: what the machine has installed
// never decides a test.
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
    QString locate(const QString &bareName, const QString &folder) const override
    {
        const QFileInfo local(folder + QLatin1Char('/') + bareName);
        return local.isFile() && local.isExecutable() ? local.absoluteFilePath() : QString();
    }

    QList<Call> calls;
    bool succeed = true;
};
