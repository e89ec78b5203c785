#pragma once

#include "platform/Services.h"

namespace platform {

// The player's sound switch in front of the real output: while it is off,
// cues are dropped before they reach the output, so that nothing is cut off
// or queued for later.
class SoundSwitch final : public SoundOutput
{
public:
    explicit SoundSwitch(SoundOutput *output) : m_output(output) {}

    bool isOn() const { return m_on; }
    void setOn(bool on) { m_on = on; }

    void play(int id, const QByteArray &wav) override
    {
        if (m_on && m_output)
            m_output->play(id, wav);
    }

private:
    SoundOutput *m_output = nullptr;
    bool m_on = true;
};

} // namespace platform
