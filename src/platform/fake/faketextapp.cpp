#include "platform/fake/faketextapp.h"

#include "platform/fake/fakeclipboard.h"
#include "platform/fake/fakekeyboard.h"

#include <QTimer>

FakeTextApp::FakeTextApp(FakeKeyboard &keyboard, FakeClipboard &clipboard)
    : m_keyboard(keyboard)
    , m_clipboard(clipboard)
{
    m_keyboard.setListener([this](const KeyEvent &event) { onKey(event); });
}

FakeTextApp::~FakeTextApp()
{
    m_keyboard.setListener({});
}

void FakeTextApp::onKey(const KeyEvent &event)
{
    if (!event.down)
        return;
    const KeyChord chord{event.key, event.modifiers};
    if (chord == m_keyboard.copyChord(std::nullopt)) {
        ++m_copyRequests;
        if (!m_respondsToCopy || !m_selection)
            return;
        const QString text = *m_selection;
        if (m_copyDelay.count() == 0)
            m_clipboard.setTextFromOtherProcess(text);
        else
            QTimer::singleShot(m_copyDelay, &m_timers, [clipboard = &m_clipboard, text] { clipboard->setTextFromOtherProcess(text); });
    } else if (chord == m_keyboard.pasteChord(std::nullopt)) {
        m_pasted.append(m_clipboard.currentText().value_or(QString()));
    }
}
