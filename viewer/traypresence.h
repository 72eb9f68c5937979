#pragma once

#include <QtGlobal>

// Where the viewer shows itself, from what is seen of the notification
// area over time. The panel often starts after the programs of a login and
// may die or be replaced while the viewer runs: the icon waits a while for
// an area that is missing, then the stand-in window takes its place until
// an area is there again. The same wait holds at start-up and later.
class TrayPresence
{
public:
    enum class Place {
        Icon,    // in the notification area
        Waiting, // no area yet: nothing new on the screen
        Window,  // the stand-in window
    };

    explicit TrayPresence(qint64 waitMs) : m_waitMs(waitMs) {}

    // One look at the notification area at monotonic time nowMs; returns
    // where the viewer is to be shown from now on.
    Place look(bool available, qint64 nowMs);
    Place place() const { return m_place; }

private:
    qint64 m_waitMs;
    qint64 m_missingSince = 0;
    Place m_place = Place::Waiting;
    bool m_looked = false;
};
