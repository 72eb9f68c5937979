#include "cardsession.h"

#include "cardsoundplayer.h"
#include "cardwindow.h"

CardSession::CardSession(CardWindow &window, CardSoundPlayer &player, QObject *parent)
    : QObject(parent), m_window(window), m_player(player)
{
    connect(&m_window, &CardWindow::firstFramePainted, this, [this] {
        if (m_playing)
            return;
        m_playing = true;
        m_player.play();
    });
    connect(&m_player, &CardSoundPlayer::finished, &m_window, &CardWindow::finish);
}

void CardSession::start(QScreen *screen)
{
    m_window.showOnScreen(screen);
}
