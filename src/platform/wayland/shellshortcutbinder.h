#pragma once

#include "platform/wayland/shortcutbinder.h"

#include <QHash>
#include <QObject>
#include <QString>

class ShellExtension;

// The wheel's shortcut bound by Ringle's GNOME Shell extension, which hears its release through a
// grab of the keyboard. Bindings are made again when the extension comes back after being off.
class ShellShortcutBinder final : public QObject, public ShortcutBinder {
    Q_OBJECT
public:
    explicit ShellShortcutBinder(ShellExtension &extension, QObject *parent = nullptr);
    ~ShellShortcutBinder() override;

    void setEventHandler(EventHandler handler) override { m_handler = std::move(handler); }
    bool bind(quint64 id, Key key, KeyModifiers modifiers) override;
    void unbind(quint64 id) override;
    bool isTaken(Key key, KeyModifiers modifiers) override;

    // "<Control><Alt>h", as Mutter reads accelerators; empty for a key without a keysym.
    static QString accelerator(Key key, KeyModifiers modifiers);
    // The modifiers as Clutter's state mask has them.
    static quint32 clutterModifiers(KeyModifiers modifiers);

private:
    struct Binding {
        Key key;
        KeyModifiers modifiers;
    };

    bool bindInShell(quint64 id, const Binding &binding);

    ShellExtension &m_extension;
    QHash<quint64, Binding> m_bindings;
    EventHandler m_handler;
};
