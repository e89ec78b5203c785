#include "platform/SoundModule.h"

#include "platform/AudioOutput.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT platform::SoundOutput *quadrifoglio_sound_output_new()
{
    return platform::makeAudioOutput().release();
}

extern "C" Q_DECL_EXPORT bool quadrifoglio_sound_thread_left_behind()
{
    return platform::soundThreadLeftBehind();
}
