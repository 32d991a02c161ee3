#pragma once

#include "platform/platform.h"

#include <memory>

class X11Connection;
class X11Clipboard;
class X11Keyboard;
class X11Workspace;
class QtScreens;
class X11Sound;

// The Linux/X11 backend of every port. Needs a running QGuiApplication on the xcb platform.
class X11Platform final {
public:
    // None when the X server cannot be reached.
    static std::unique_ptr<X11Platform> create();
    ~X11Platform();

    Platform platform();
    X11Connection &connection() { return *m_connection; }
    X11Clipboard &clipboard() { return *m_clipboard; }

private:
    X11Platform() = default;

    std::unique_ptr<X11Connection> m_connection;
    std::unique_ptr<X11Clipboard> m_clipboard;
    std::unique_ptr<X11Keyboard> m_keyboard;
    std::unique_ptr<X11Workspace> m_workspace;
    std::unique_ptr<QtScreens> m_screens;
    std::unique_ptr<X11Sound> m_sound;
};
