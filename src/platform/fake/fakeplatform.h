#pragma once

#include "platform/fake/fakeaccessibility.h"
#include "platform/fake/fakeaccessibilityswitch.h"
#include "platform/fake/fakeclipboard.h"
#include "platform/fake/fakeglobalinputmonitor.h"
#include "platform/fake/fakehotkeyservice.h"
#include "platform/fake/fakekeyboard.h"
#include "platform/fake/fakekeyboardlayout.h"
#include "platform/fake/fakemousetap.h"
#include "platform/fake/fakeondevicemodel.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/fakesound.h"
#include "platform/fake/fakewindowsystem.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/platform.h"

// Every port backed by a fake, for tests of the core.
struct FakePlatform {
    FakeClipboard clipboard;
    FakeKeyboard keyboard;
    FakeScreens screens;
    FakeWorkspace workspace;
    FakeSound sound;
    FakeAccessibilityTree accessibility;
    FakeAccessibilitySwitch accessibilitySwitch;
    FakeHotKeyService hotKeys;
    FakeMouseTap mouseTap;
    FakeGlobalInputMonitor inputMonitor;
    FakeKeyboardLayout keyboardLayout;
    FakeOnDeviceModel onDeviceModel;
    FakeWindowSystem windows;

    Platform platform()
    {
        return {clipboard, keyboard, screens, workspace, sound, accessibility, accessibilitySwitch, hotKeys,
                mouseTap, inputMonitor, keyboardLayout, onDeviceModel, windows};
    }
};
