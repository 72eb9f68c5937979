#pragma once

// Whether a sound server (PulseAudio, or PipeWire speaking its protocol)
// may be reached: a server named in PULSE_SERVER, or a server socket where
// the client library looks for one (PULSE_RUNTIME_PATH, else
// XDG_RUNTIME_DIR/pulse, then the system-wide one). Without one, Qt's audio
// stack would only fail to connect and say so on stderr.
bool soundServerAvailable();
