#pragma once

#include "platform/keyboard.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

class FakeClipboard;
class FakeKeyboard;

// The application in front as the fakes see it: it answers the copy keys by putting its selection
// on the clipboard (after a delay, or never) and the paste keys by taking the clipboard's text.
class FakeTextApp final {
public:
    FakeTextApp(FakeKeyboard &keyboard, FakeClipboard &clipboard);
    ~FakeTextApp();

    void setSelection(std::optional<QString> selection) { m_selection = std::move(selection); }
    void setRespondsToCopy(bool responds) { m_respondsToCopy = responds; }
    void setCopyDelay(std::chrono::milliseconds delay) { m_copyDelay = delay; }

    int copyRequests() const { return m_copyRequests; }
    // The clipboard's text at each paste key press.
    const QStringList &pasted() const { return m_pasted; }

private:
    void onKey(const KeyEvent &event);

    FakeKeyboard &m_keyboard;
    FakeClipboard &m_clipboard;
    std::optional<QString> m_selection;
    bool m_respondsToCopy = true;
    std::chrono::milliseconds m_copyDelay{0};
    int m_copyRequests = 0;
    QStringList m_pasted;
    QObject m_timers; // delayed copies end with the app
};
