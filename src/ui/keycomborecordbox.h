#pragma once

#include "wheel/keycombo.h"

#include <QAbstractButton>
#include <QPointer>
#include <optional>

class KeyboardLayout;

namespace GlobalShortcuts {
class Registry;
}

// The box in which a key combination is recorded. Clicking it clears the combination and records
// the next key press made in its window; meanwhile the global hot keys are paused and the window's
// own shortcuts do not fire, so that e.g. Ctrl+Q is recorded rather than obeyed. Escape, or moving to
// another field before a key was pressed, brings the previous combination back.
class KeyComboRecordBox final : public QAbstractButton {
    Q_OBJECT
public:
    // `hotKeys` may be null (nothing to pause).
    KeyComboRecordBox(const KeyboardLayout &layout, GlobalShortcuts::Registry *hotKeys,
                      const std::optional<KeyCombo> &captured, QWidget *parent = nullptr);
    ~KeyComboRecordBox() override;

    std::optional<KeyCombo> captured() const { return m_captured; }
    bool isRecording() const { return m_recording; }
    void startRecording();
    void stopRecording();

    QSize sizeHint() const override;

Q_SIGNALS:
    // After the captured combination or the recording state changed.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Returns whether the event is taken.
    bool handleKey(QKeyEvent *event, bool overrideOnly);
    void updateHotKeyPause();
    void refresh();

    const KeyboardLayout &m_layout;
    // Guarded: at quit the registry may go before the settings window.
    QPointer<GlobalShortcuts::Registry> m_hotKeys;
    std::optional<KeyCombo> m_captured;
    std::optional<KeyCombo> m_previous;
    bool m_recording = false;
    bool m_pausedHotKeys = false;
};
