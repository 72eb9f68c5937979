#pragma once

#include <QByteArray>

#include <optional>

// The lines of a byte stream that arrives in pieces: each ends at "\n" (a
// "\r" before it is dropped). Taking a line removes it first, so a receiver
// that runs a nested event loop and comes back for more never sees a line
// twice.
class LineBuffer
{
public:
    explicit LineBuffer(qsizetype maxLineBytes) : m_maxLineBytes(maxLineBytes) {}

    void append(const QByteArray &bytes);
    std::optional<QByteArray> takeLine();
    // An unfinished line has grown past the limit: the peer is broken.
    bool overflowed() const { return m_buffer.size() - m_consumed > m_maxLineBytes; }
    void clear();

private:
    qsizetype m_maxLineBytes;
    QByteArray m_buffer;
    qsizetype m_consumed = 0; // bytes of m_buffer already taken
};
