#pragma once

// The system's alert sound.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};
