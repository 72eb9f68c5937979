#pragma once

#include "viewer/viewersettings.h"

#include <QList>

// A settings store in memory that records every saved reading position; it
// can be told to fail every save.
class MemorySettingsStore : public ViewerSettingsStore
{
public:
    ViewerSettings readAll() const override { return stored; }
    bool writeChanges(const ViewerSettings &base, const ViewerSettings &now) override
    {
        if (failSaves)
            return false;
        const auto take = [&](auto ViewerSettings::*field) {
            if (now.*field != base.*field)
                stored.*field = now.*field;
        };
        take(&ViewerSettings::quoteSource), take(&ViewerSettings::showCode);
        take(&ViewerSettings::intervalMinutes), take(&ViewerSettings::linePosition);
        take(&ViewerSettings::residentMode);
        return true;
    }
    bool savePosition(qint16 position) override
    {
        if (failSaves)
            return false;
        stored.linePosition = position;
        saved << position;
        return true;
    }
    QString errorString() const override { return failSaves ? QStringLiteral("disk full") : QString(); }

    ViewerSettings stored;
    QList<qint16> saved;
    bool failSaves = false;
};
