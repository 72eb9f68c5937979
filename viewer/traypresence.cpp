#include "traypresence.h"

TrayPresence::Place TrayPresence::look(bool available, qint64 nowMs)
{
    if (available) {
        m_place = Place::Icon;
    } else if (m_place == Place::Icon || !m_looked) {
        m_place = Place::Waiting;
        m_missingSince = nowMs;
    } else if (m_place == Place::Waiting && nowMs - m_missingSince >= m_waitMs) {
        m_place = Place::Window;
    }
    m_looked = true;
    return m_place;
}
