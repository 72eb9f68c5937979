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

std::optional<Pcm> readPcm(const QByteArray &wave)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return std::nullopt;

    Pcm pcm;
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
            pcm.channels = le16(wave, body + 2);
            pcm.sampleRate = le32(wave, body + 4);
            pcm.bitsPerSample = le16(wave, body + 14);
            // The byte rate is computed from these rather than trusted
            // from the header's own field.
            if (format != 1 || pcm.bytesPerSecond() == 0)
                return std::nullopt;
        } else if (id == "data") {
            if (pcm.bytesPerSecond() == 0)
                return std::nullopt;
            pcm.samples = wave.mid(body, qMin<qint64>(size, available));
            return pcm;
        }
        // Chunks are padded to an even size.
        at = body + qsizetype(size) + (size & 1u);
    }
    return std::nullopt;
}

std::optional<int> playingTimeMs(const QByteArray &wave)
{
    const std::optional<Pcm> pcm = readPcm(wave);
    if (!pcm)
        return std::nullopt;
    return static_cast<int>(qMin<quint64>(quint64(pcm->samples.size()) * 1000 / pcm->bytesPerSecond(), INT_MAX));
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
