#include "configstate.h"

#include "cp932limit.h"

bool ConfigState::nextEpisode()
{
    if (m_mode != Mode::Episode || m_episode >= kLastEpisode)
        return false;
    ++m_episode;
    return true;
}

bool ConfigState::previousEpisode()
{
    if (m_mode != Mode::Episode || m_episode <= kFirstEpisode)
        return false;
    --m_episode;
    return true;
}

int ConfigState::index(Field field)
{
    return static_cast<int>(field) - static_cast<int>(Field::Line1);
}

QString ConfigState::text(Field field) const
{
    return m_texts.at(index(field));
}

void ConfigState::setText(Field field, const QString &text)
{
    m_texts.at(index(field)) = limitToCp932Bytes(text, kTextLimitBytes);
}

QStringList ConfigState::runArguments() const
{
    switch (m_mode) {
    case Mode::Automatic:
        return {};
    case Mode::Episode:
        return {QString::number(m_episode)};
    case Mode::OwnText:
        break;
    }
    QStringList fields;
    for (Field field : {Field::Line1, Field::Line2, Field::Ruby1, Field::Ruby2, Field::Line3}) {
        const QString value = text(field);
        fields << (value.isEmpty() ? QStringLiteral(" ") : value);
    }
    // One growing string: five full texts never overflow a fixed buffer.
    return {QStringLiteral("-s"), fields.join(QLatin1Char(','))};
}
