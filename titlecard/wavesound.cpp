#include "wavesound.h"

#include <QFile>
#include <QtEndian>

#include <climits>

namespace WaveSound {

namespace {

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

std::optional<int> playingTimeMs(const QByteArray &wave)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return std::nullopt;

    quint64 bytesPerSecond = 0;
    qsizetype at = 12;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const quint32 size = le32(wave, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = wave.size() - body;
        if (id == "fmt ") {
            if (size < 16 || available < 16)
                return std::nullopt;
            const quint16 format = le16(wave, body);
            const quint16 channels = le16(wave, body + 2);
            const quint32 sampleRate = le32(wave, body + 4);
            const quint16 bits = le16(wave, body + 14);
            if (format != 1 || channels == 0 || sampleRate == 0 || bits == 0)
                return std::nullopt;
            // Computed rather than trusted from the header's own byte rate field.
            bytesPerSecond = quint64(sampleRate) * channels * ((bits + 7u) / 8u);
        } else if (id == "data") {
            if (bytesPerSecond == 0)
                return std::nullopt;
            const qint64 present = qMin<qint64>(size, available);
            return static_cast<int>(qMin<quint64>(quint64(present) * 1000 / bytesPerSecond, INT_MAX));
        }
        // Chunks are padded to an even size.
        at = body + qsizetype(size) + (size & 1u);
    }
    return std::nullopt;
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray resourceBytes()
{
    return readResource(kTambwinResource);
}

} // namespace WaveSound
