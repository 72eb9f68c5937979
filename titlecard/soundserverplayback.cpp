#include "soundserverplayback.h"

#include <QLibrary>

#include <optional>
#include <system_error>

#include <pulse/simple.h>

#include <thread>

namespace SoundServerPlayback {

namespace {

constexpr quint64 kBufferMs = 100;

using SimpleNew = pa_simple *(*)(const char *, const char *, pa_stream_direction_t, const char *, const char *,
                                 const pa_sample_spec *, const pa_channel_map *, const pa_buffer_attr *, int *);
using SimpleWrite = int (*)(pa_simple *, const void *, size_t, int *);
using SimpleDrain = int (*)(pa_simple *, int *);
using SimpleFree = void (*)(pa_simple *);

struct Api
{
    SimpleNew create = nullptr;
    SimpleWrite write = nullptr;
    SimpleDrain drain = nullptr;
    SimpleFree free = nullptr;
    bool usable() const { return create && write && drain && free; }
};

// Resolved once; the library stays loaded for the life of the program,
// since a playing thread may still be inside it when the card ends.
const Api &api()
{
    static const Api resolved = [] {
        Api a;
        static QLibrary library(QStringLiteral("pulse-simple"), 0);
        if (!library.load())
            return a;
        a.create = reinterpret_cast<SimpleNew>(library.resolve("pa_simple_new"));
        a.write = reinterpret_cast<SimpleWrite>(library.resolve("pa_simple_write"));
        a.drain = reinterpret_cast<SimpleDrain>(library.resolve("pa_simple_drain"));
        a.free = reinterpret_cast<SimpleFree>(library.resolve("pa_simple_free"));
        return a;
    }();
    return resolved;
}

std::optional<pa_sample_format_t> sampleFormat(quint16 bits)
{
    // WAVE stores 8-bit samples unsigned and wider ones signed, little-endian.
    switch (bits) {
    case 8: return PA_SAMPLE_U8;
    case 16: return PA_SAMPLE_S16LE;
    case 24: return PA_SAMPLE_S24LE;
    case 32: return PA_SAMPLE_S32LE;
    default: return std::nullopt;
    }
}

bool play(const WaveSound::Pcm &pcm, const QByteArray &streamName)
{
    const std::optional<pa_sample_format_t> format = sampleFormat(pcm.bitsPerSample);
    if (!format || pcm.channels > PA_CHANNELS_MAX || pcm.sampleRate > PA_RATE_MAX)
        return false;
    const Api &a = api();
    if (!a.usable())
        return false;
    const pa_sample_spec layout{*format, pcm.sampleRate, static_cast<uint8_t>(pcm.channels)};
    // A frame is whole or not sent: the server refuses a partial one.
    const qsizetype frameBytes = qsizetype(pcm.channels) * (pcm.bitsPerSample / 8);
    const qsizetype bytes = pcm.samples.size() - pcm.samples.size() % frameBytes;
    // A short playback buffer: the server reports the end once the buffer
    // has played out, and the card must not outstay its sound (with the
    // server's default of two seconds it did, by nearly as much).
    const quint64 bufferBytes = qMax<quint64>(frameBytes, pcm.bytesPerSecond() * kBufferMs / 1000 / frameBytes * frameBytes);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(bufferBytes);
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    int error = 0;
    pa_simple *stream = a.create(nullptr, streamName.constData(), PA_STREAM_PLAYBACK, nullptr,
                                 streamName.constData(), &layout, nullptr, &buffer, &error);
    if (!stream)
        return false;
    const bool played = (bytes == 0 || a.write(stream, pcm.samples.constData(), size_t(bytes), &error) == 0)
                        && a.drain(stream, &error) == 0;
    a.free(stream);
    return played;
}

} // namespace

bool start(const WaveSound::Pcm &pcm, const QByteArray &streamName, std::function<void(bool played)> done)
{
    try {
        // Detached: the card may end, and the program with it, while the
        // server still plays.
        std::thread([pcm, streamName, done = std::move(done)] { done(play(pcm, streamName)); }).detach();
        return true;
    } catch (const std::system_error &) {
        return false;
    }
}

} // namespace SoundServerPlayback
