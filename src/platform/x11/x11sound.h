#pragma once

#include "platform/sound.h"

// The X bell, as the desktop has configured it.
class X11Sound final : public Sound {
public:
    void beep() override;
};
