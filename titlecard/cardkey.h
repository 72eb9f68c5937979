#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QString>

// The card cache's key of one card: the program and the suite's version
// first (an update never shows a card made before it), then every value
// the card is made from that is not a file, streamed in by the program.
class CardKey
{
public:
    explicit CardKey(const QString &program);
    CardKey(const CardKey &) = delete;
    CardKey &operator=(const CardKey &) = delete;

    template<typename T>
    CardKey &operator<<(const T &value)
    {
        m_out << value;
        return *this;
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QDataStream m_out;
};
