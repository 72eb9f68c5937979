#pragma once

#include <QByteArray>
#include <QtEndian>

// Little-endian fields and RIFF WAVE files, built byte by byte.
inline QByteArray le32(quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; }
inline QByteArray le16(quint16 v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; }

inline QByteArray fmtChunk(quint16 format, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = channels * ((bits + 7) / 8);
    return "fmt " + le32(16) + le16(format) + le16(channels) + le32(rate) + le32(rate * align)
        + le16(align) + le16(bits);
}

inline QByteArray wave(const QByteArray &chunks)
{
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}
