#pragma once

#include "viewer/viewerseams.h"

// The notification-area icon and its menu state, as plain flags.
class FakeTray : public TrayIconView
{
public:
    void addIcon(bool p) override
    {
        shown = true;
        paused = p;
    }
    void removeIcon() override { shown = false; }
    void setStopChecked(bool c) override { stopChecked = c; }
    void setStopEnabled(bool e) override { stopEnabled = e; }

    bool shown = false;
    bool paused = false;
    bool stopChecked = false;
    bool stopEnabled = true;
};
