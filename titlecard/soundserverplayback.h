#pragma once

#include "wavesound.h"

#include <functional>

// Plays PCM samples on the sound server (PulseAudio, or PipeWire speaking
// its protocol) through its simple client library. The library is loaded
// on the first call, not at program start, so a card's first frame never
// waits for the audio stack; a system without it plays nothing.
namespace SoundServerPlayback {

// Starts playing on a thread of its own and returns at once. done(true)
// comes, on that thread, once the samples have played to their end;
// done(false) when the library, the server or the format failed. False,
// without a call of done, when no thread could be started.
bool start(const WaveSound::Pcm &pcm, const QByteArray &streamName, std::function<void(bool played)> done);

} // namespace SoundServerPlayback
