#pragma once

#include "keys/keymodifiers.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class SwayIpc;

// Bindings Ringle adds to a running sway over its IPC: each one a pair of commands (pressed, and
// released) that do nothing but tell Ringle, read back from sway's binding events. They are
// added again when sway reloads its configuration (which drops them), removed when Ringle quits,
// and written down in the runtime folder so that a later Ringle removes those of one that died.
class SwayBindings final : public QObject {
    Q_OBJECT
public:
    // A combination in sway's words: "bindcode Ctrl+Mod1+43" or "bindsym --whole-window Mod4+button3".
    struct Combination {
        QString command; // bindcode or bindsym
        QStringList flags;
        QString keys;
        friend bool operator==(const Combination &, const Combination &) = default;
    };

    // The file where the bindings of this sway are written down, in $XDG_RUNTIME_DIR.
    static QString ledgerPath(const QString &swaySocket);
    // sway's names of the modifiers, in sway's order.
    static QStringList modifierNames(KeyModifiers modifiers);

    SwayBindings(SwayIpc &sway, QString ledgerPath, QObject *parent = nullptr);
    ~SwayBindings() override;

    // Removes what an earlier Ringle left in this sway.
    void removeLeftovers();
    // Adds `combination` under `tag` (one word): sway then reports "<tag> press" and "<tag> release".
    // False, with sway's reason in the log, when sway refuses it.
    bool add(const QString &tag, const Combination &combination);
    void remove(const QString &tag);
    void removeAll();

Q_SIGNALS:
    void triggered(const QString &tag, bool pressed);

private:
    QStringList commandsFor(const QString &tag, const Combination &combination) const;
    QStringList undoFor(const Combination &combination) const;
    bool run(const QStringList &commands);
    void writeLedger() const;
    void reAddAll();

    SwayIpc &m_sway;
    QString m_ledger;
    QString m_prefix;
    QHash<QString, Combination> m_bound;
};
