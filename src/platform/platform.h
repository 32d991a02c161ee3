#pragma once

class Clipboard;
class Keyboard;
class Screens;
class Sound;
class Workspace;

// The ports the core runs on. The application fills it with the desktop's backend, tests with
// the fakes; whoever fills it keeps the backends alive for as long as it is used.
struct Platform {
    Clipboard &clipboard;
    Keyboard &keyboard;
    Screens &screens;
    Workspace &workspace;
    Sound &sound;
};
