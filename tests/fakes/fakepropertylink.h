#pragma once

#include "viewer/viewerseams.h"

// The property window's link as the test drives it: deliver() hands the
// viewer a value, gone() reports the link's end.
class FakePropertyLink : public PropertyLink
{
public:
    void open(std::function<void(const QString &)> onValue, std::function<void()> onGone) override
    {
        isOpen = true;
        deliver = std::move(onValue);
        gone = std::move(onGone);
    }
    void close() override { isOpen = false; }

    std::function<void(const QString &)> deliver;
    std::function<void()> gone;
    bool isOpen = false;
};
