#pragma once

#include "viewer/viewersettings.h"

#include <QList>

// A settings store in memory that counts reads and records every saved
// reading position.
class MemorySettingsStore : public ViewerSettingsStore
{
public:
    ViewerSettings readAll() const override
    {
        ++reads;
        return stored;
    }
    void writeAll(const ViewerSettings &settings) override { stored = settings; }
    void savePosition(qint16 position) override
    {
        stored.linePosition = position;
        saved << position;
    }

    ViewerSettings stored;
    QList<qint16> saved;
    mutable int reads = 0;
};
