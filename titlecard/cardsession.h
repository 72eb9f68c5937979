#pragma once

#include <QObject>

class CardSoundPlayer;
class CardWindow;
class QScreen;

// One run of the card: the sound starts once the card is on screen, and
// the window closes when the sound has ended.
class CardSession : public QObject
{
    Q_OBJECT
public:
    CardSession(CardWindow &window, CardSoundPlayer &player, QObject *parent = nullptr);
    void start(QScreen *screen);

private:
    CardWindow &m_window;
    CardSoundPlayer &m_player;
    bool m_playing = false;
};
