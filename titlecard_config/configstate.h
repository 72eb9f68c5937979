#pragma once

#include "titlecard/titletable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

// What a trial run of the title card shows, as chosen in the configuration
// dialog. Nothing of it is saved: it lives while the dialog is open.
class ConfigState
{
public:
    // The values are the ids of the dialog's radio buttons.
    enum class Mode { Automatic = 1003, Episode = 1004, OwnText = 1021 };
    // The five texts in title-record order; the values are the edits' ids.
    enum class Field { Line1 = 1022, Line2 = 1023, Ruby1 = 1024, Ruby2 = 1025, Line3 = 1026 };

    static constexpr int kFirstEpisode = 1;
    static constexpr int kLastEpisode = TitleTable::kEpisodeCount;
    static constexpr int kTextLimitBytes = 100; // code-page-932 bytes per text

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }

    int episode() const { return m_episode; }
    // + and -: they act only while an episode is chosen by number, and stop
    // at the ends of the table. True when the number changed.
    bool nextEpisode();
    bool previousEpisode();

    bool episodeNameEnabled() const { return m_mode == Mode::Episode; }
    bool textsEnabled() const { return m_mode == Mode::OwnText; }

    QString text(Field field) const;
    // Keeps at most kTextLimitBytes, never half a double-byte character.
    void setText(Field field, const QString &text);

    // The arguments of tambwin for the current mode: none, the episode
    // number, or "-s" and the five texts joined by commas with every empty
    // text given as one space (an empty field would vanish in tambwin).
    QStringList runArguments() const;

private:
    static int index(Field field);

    Mode m_mode = Mode::Automatic;
    int m_episode = kFirstEpisode;
    std::array<QString, 5> m_texts;
};
