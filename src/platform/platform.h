#pragma once

class AccessibilitySwitch;
class AccessibilityTree;
class Clipboard;
class GlobalInputMonitor;
class HotKeyService;
class Keyboard;
class KeyboardLayout;
class MouseTap;
class OnDeviceModel;
class Screens;
class Sound;
class WindowSystem;
class Workspace;

// Every port the product runs on. Each backend (the desktop's, the fakes for tests) has one object
// that makes all of them and fills this; whoever holds that object keeps it alive for as long as
// this is used.
struct Platform {
    Clipboard &clipboard;
    Keyboard &keyboard;
    Screens &screens;
    Workspace &workspace;
    Sound &sound;
    AccessibilityTree &accessibility;
    AccessibilitySwitch &accessibilitySwitch;
    HotKeyService &hotKeys;
    MouseTap &mouseTap;
    // Presses anywhere on the desktop, which hide a shown result.
    GlobalInputMonitor &inputMonitor;
    KeyboardLayout &keyboardLayout;
    OnDeviceModel &onDeviceModel;
    WindowSystem &windows;
};
