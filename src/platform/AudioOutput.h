#pragma once

#include "platform/Services.h"

#include <memory>

namespace platform {

// The system's sound output for the cues.
std::unique_ptr<SoundOutput> makeAudioOutput();

} // namespace platform
