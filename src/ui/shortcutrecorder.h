#pragma once

#include "globalshortcuts/conflictchain.h"
#include "globalshortcuts/name.h"

#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <optional>

class KeyboardLayout;
class QMenu;
class QMessageBox;

namespace GlobalShortcuts {
class Registry;
}

// The field with which the user sets a global shortcut. It shows the shortcut ("Ctrl+Alt+H"), starts
// recording when it takes the focus (hot keys are paused meanwhile), takes the next key press with
// Ctrl, Alt or Super (or an F key alone), checks it against the app's menu, the keys other programs
// hold and the validation hook, and stores it. Tab moves on, Escape keeps the old shortcut,
// Backspace or Delete clears it.
class ShortcutRecorder final : public QLineEdit {
    Q_OBJECT
public:
    using Validator = std::function<GlobalShortcuts::ValidationResult(const GlobalShortcuts::Shortcut &)>;

    // Edits the shortcut stored under the name.
    ShortcutRecorder(GlobalShortcuts::Registry &registry, const KeyboardLayout &layout,
                     const GlobalShortcuts::Name &name, QWidget *parent = nullptr);
    // Edits a value the caller holds (read it back with shortcut() or from shortcutChanged).
    ShortcutRecorder(GlobalShortcuts::Registry &registry, const KeyboardLayout &layout,
                     std::optional<GlobalShortcuts::Shortcut> shortcut, QWidget *parent = nullptr);
    ~ShortcutRecorder() override;

    std::optional<GlobalShortcuts::Shortcut> shortcut() const;
    // Stores the value without emitting shortcutChanged; an equal value changes nothing.
    void setShortcut(const std::optional<GlobalShortcuts::Shortcut> &shortcut);

    void setConflictPolicy(const GlobalShortcuts::ConflictPolicy &policy) { m_policy = policy; }
    void setValidator(Validator validator) { m_validator = std::move(validator); }
    // The menu whose items' shortcuts a new shortcut must not repeat (submenus included).
    void setMenu(QMenu *menu);

    bool isRecording() const { return m_recording; }
    // The alert about a conflict, while one is shown.
    QMessageBox *alert() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // After every change the user made here (not after setShortcut).
    void shortcutChanged(const std::optional<GlobalShortcuts::Shortcut> &shortcut);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUp();
    void refreshText();
    void startRecording();
    void endRecording();
    void handleKeyPress(QKeyEvent *event);
    void moveFocus(bool forward);
    void clearShortcut();
    void check(const GlobalShortcuts::Shortcut &candidate, GlobalShortcuts::ConflictCheck from);
    void showAlert(const QString &title, const QString &message, const QStringList &buttons,
                   const std::function<void(int)> &done);
    void accept(const GlobalShortcuts::Shortcut &candidate);
    void store(const std::optional<GlobalShortcuts::Shortcut> &shortcut);

    GlobalShortcuts::Registry &m_registry;
    const KeyboardLayout &m_layout;
    std::optional<GlobalShortcuts::Name> m_name; // none: binding mode
    std::optional<GlobalShortcuts::Shortcut> m_binding;
    GlobalShortcuts::ConflictPolicy m_policy;
    Validator m_validator;
    QPointer<QMenu> m_menu;
    QPointer<QMessageBox> m_alert;
    QAction *m_clearAction = nullptr;
    bool m_recording = false;
    bool m_resumeAfterAlert = false;
};
