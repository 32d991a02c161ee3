#include "platform/fake/faketextapp.h"

#include "platform/fake/fakeclipboard.h"
#include "platform/fake/fakekeyboard.h"

#include <QTextBoundaryFinder>
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
        if (m_edits)
            type(m_pasted.last());
    } else if (m_edits) {
        editKey(chord);
    }
}

void FakeTextApp::edit(const QString &text, qsizetype start, qsizetype end)
{
    m_edits = true;
    m_text = text;
    m_anchor = start;
    m_caret = end;
    m_selection = start == end ? std::nullopt : std::optional(text.mid(start, end - start));
}

void FakeTextApp::type(const QString &text)
{
    const qsizetype from = std::min(m_anchor, m_caret);
    m_text.replace(from, std::abs(m_caret - m_anchor), text);
    m_anchor = m_caret = from + text.size();
    m_selection.reset();
}

void FakeTextApp::editKey(const KeyChord &chord)
{
    const bool shift = chord.modifiers.contains(KeyModifiers::shift);
    if (chord.key == Key::leftArrow && shift) {
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, m_text);
        characters.setPosition(m_caret);
        m_caret = std::max<qsizetype>(0, characters.toPreviousBoundary());
    } else if (chord.key == Key::leftArrow || chord.key == Key::rightArrow) {
        m_anchor = m_caret = chord.key == Key::leftArrow ? std::min(m_anchor, m_caret) : std::max(m_anchor, m_caret);
    } else {
        return;
    }
    const qsizetype from = std::min(m_anchor, m_caret);
    m_selection = m_anchor == m_caret ? std::nullopt : std::optional(m_text.mid(from, std::abs(m_caret - m_anchor)));
}
