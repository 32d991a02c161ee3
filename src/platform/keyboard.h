#pragma once

#include "keys/key.h"
#include "keys/keymodifiers.h"
#include "platform/workspace.h"

#include <QList>
#include <QtGlobal>
#include <optional>

// One synthetic key transition; the backend maps the key to this keyboard. The target must see
// exactly `modifiers` (the function modifier aside, which is never pressed) as the modifier state
// of the event.
struct KeyEvent {
    Key key;
    bool down = true;
    KeyModifiers modifiers;

    friend bool operator==(const KeyEvent &, const KeyEvent &) = default;
};

// A key with the modifiers it is sent with.
struct KeyChord {
    Key key;
    KeyModifiers modifiers;

    friend bool operator==(const KeyChord &, const KeyChord &) = default;
};

// Synthetic keyboard input to the application in front, and the state of the modifier keys.
class Keyboard {
public:
    virtual ~Keyboard() = default;

    // Posts the events in order, with no delay between them. Keys this keyboard cannot produce
    // are skipped.
    virtual void post(const QList<KeyEvent> &events) = 0;

    // The modifier keys held now.
    virtual KeyModifiers heldModifiers() = 0;

    // The platform's copy and paste keys for this application (terminal emulators differ).
    virtual KeyChord copyChord(const std::optional<RunningApp> &app) const = 0;
    virtual KeyChord pasteChord(const std::optional<RunningApp> &app) const = 0;
};
