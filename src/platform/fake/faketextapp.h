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
    // Turns the app into an editor of `text` with [start, end) selected: pastes replace the
    // selection, Shift+Left selects back one character, Left and Right collapse the selection, and
    // typing inserts at the caret. Without it the selection never changes.
    void edit(const QString &text, qsizetype start, qsizetype end);
    // The user typing `text` at the caret (edited apps only).
    void type(const QString &text);
    QString text() const { return m_text; }

    int copyRequests() const { return m_copyRequests; }
    // The clipboard's text at each paste key press.
    const QStringList &pasted() const { return m_pasted; }

private:
    void onKey(const KeyEvent &event);
    void editKey(const KeyChord &chord);

    FakeKeyboard &m_keyboard;
    FakeClipboard &m_clipboard;
    std::optional<QString> m_selection;
    bool m_respondsToCopy = true;
    std::chrono::milliseconds m_copyDelay{0};
    int m_copyRequests = 0;
    QStringList m_pasted;
    bool m_edits = false;
    QString m_text;
    qsizetype m_anchor = 0; // the selection's fixed end
    qsizetype m_caret = 0;
    QObject m_timers; // delayed copies end with the app
};
