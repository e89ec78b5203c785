#pragma once

// The sound output lives in a module of its own (quadrifoglio-sound.so),
// loaded once the game's window is up: Qt Multimedia, the PulseAudio client
// and libsndfile with its codecs cost the start nothing. These are the
// module's two entry points, looked up by name.

namespace platform {
class SoundOutput;
}

// A new sound output, owned by the caller; never null.
#define QUADRIFOGLIO_SOUND_NEW "quadrifoglio_sound_output_new"
using SoundOutputFactory = platform::SoundOutput *(*)();

// True once an output of the module has had to leave its thread behind,
// stuck in a call to a sound server that does not answer.
#define QUADRIFOGLIO_SOUND_LEFT_BEHIND "quadrifoglio_sound_thread_left_behind"
using SoundLeftBehindQuery = bool (*)();
