#pragma once

// Which clicks on the notification-area icon show a quote. The viewer
// answers a double click; a StatusNotifier panel knows no double click and
// sends one activation for a click, which must then do the same. An
// icon embedded in an older tray reports the first click of a double click
// as a click too, so a double click right after an acted-on click belongs
// to it and shows nothing more.
class TrayActivation
{
public:
    enum class Event { Click, DoubleClick, Other };

    // Whether this event shows a quote. panelActivates: a StatusNotifier
    // panel is there now (looked at only for a click).
    template <typename PanelActivates>
    bool shows(Event event, PanelActivates panelActivates)
    {
        const bool actedBefore = m_clickActed;
        m_clickActed = event == Event::Click && panelActivates();
        if (event == Event::DoubleClick)
            return !actedBefore;
        return m_clickActed;
    }

private:
    bool m_clickActed = false;
};
