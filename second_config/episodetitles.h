#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The titles of the 74 episodes of the second series, 月影ミレル. They come
// from the UTF-8 source of the series' quote file, built into the library,
// so the configuration window and the quote file always agree.
class EpisodeTitles
{
    Q_DECLARE_TR_FUNCTIONS(EpisodeTitles)

public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 74;

    static EpisodeTitles load();

    // The title alone; empty outside kFirst..kLast.
    QString title(int episode) const;
    // What the window shows for an episode: "第" N "話 " title (the
    // number's caption in the interface's language, the title as written).
    QString line(int episode) const;

private:
    QStringList m_titles;
};
