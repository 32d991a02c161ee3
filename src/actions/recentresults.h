#pragma once

#include <QList>
#include <QObject>
#include <QString>

// The answers of this session, newest first, for the tray: a panel closed by accident loses
// nothing. Kept in memory only. Also whether the last replacement can still be undone. The tray
// asks for a copy or an undo here; the action runner does them.
class RecentResults final : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype capacity = 10;
    static constexpr qsizetype excerptLength = 40;

    struct Entry {
        QString action; // what made it, as the tray names it
        QString text;
        friend bool operator==(const Entry &, const Entry &) = default;
    };

    using QObject::QObject;

    const QList<Entry> &entries() const { return m_entries; }
    // Adds an answer in front; the oldest goes beyond the capacity. Empty answers are not kept.
    void add(const QString &action, const QString &text);
    void clear();
    // One line of at most excerptLength characters, never cut inside a character or a word when a
    // space is near.
    static QString excerpt(const QString &text);

    bool canUndo() const { return m_canUndo; }
    void setCanUndo(bool canUndo);

    void requestCopy(qsizetype index);
    void requestUndo() { Q_EMIT undoRequested(); }

Q_SIGNALS:
    void changed();
    void canUndoChanged(bool canUndo);
    void copyRequested(const QString &text);
    void undoRequested();

private:
    QList<Entry> m_entries;
    bool m_canUndo = false;
};
