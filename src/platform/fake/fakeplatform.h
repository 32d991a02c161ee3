#pragma once

#include "platform/fake/fakeclipboard.h"
#include "platform/fake/fakekeyboard.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/fakesound.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/platform.h"

// Every port backed by a fake, for tests of the core.
struct FakePlatform {
    FakeClipboard clipboard;
    FakeKeyboard keyboard;
    FakeScreens screens;
    FakeWorkspace workspace;
    FakeSound sound;

    Platform platform() { return {clipboard, keyboard, screens, workspace, sound}; }
};
