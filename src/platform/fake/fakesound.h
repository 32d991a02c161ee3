#pragma once

#include "platform/sound.h"

// Counts alert sounds.
class FakeSound final : public Sound {
public:
    void beep() override { ++m_beeps; }
    int beeps() const { return m_beeps; }

private:
    int m_beeps = 0;
};
