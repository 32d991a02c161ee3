#pragma once

#include "platform/sound.h"

#include <QString>
#include <QStringList>
#include <chrono>

// The alert sound where the window system has no bell of its own (Wayland): the sound theme's
// "bell" event, played by the desktop's event-sound player (libcanberra) or, without it, the
// theme's file by the sound server's player. Said once in the log when nothing can play it.
class DesktopSound final : public Sound {
public:
    DesktopSound();
    void beep() override;

private:
    QString m_program;
    QStringList m_arguments;
    std::chrono::steady_clock::time_point m_last;
};
