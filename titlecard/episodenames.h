#pragma once

#include <QString>
#include <QStringList>

// The one-line names of tambwin's episodes, shown while an episode is
// chosen by number. Name N belongs to episode N.
class EpisodeNames
{
public:
    static inline const QString kResourcePath = QStringLiteral(":/titlecard/episode_names.txt");

    // One name per line, UTF-8. A missing or short file leaves the
    // remaining names empty; lines beyond the table are ignored.
    static EpisodeNames load(const QString &path = kResourcePath);

    // Empty for a number outside the table.
    QString name(int episode) const;
    int count() const { return int(m_names.size()); }

private:
    QStringList m_names;
};
