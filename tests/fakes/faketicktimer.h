#pragma once

#include "viewer/viewerseams.h"

// A timer that ticks only when the test says so, and only while running.
class FakeTickTimer : public TickTimer
{
public:
    void setHandler(std::function<void()> h) override { handler = std::move(h); }
    void setRunning(bool r) override { running = r; }
    void tick()
    {
        if (running && handler)
            handler();
    }

    std::function<void()> handler;
    bool running = false;
};
