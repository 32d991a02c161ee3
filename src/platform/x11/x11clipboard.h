#pragma once

#include "platform/clipboard.h"

#include <QObject>
#include <memory>

class X11Connection;
class X11SelectionOwner;
class X11SelectionReader;
class X11SelectionWatch;

// The CLIPBOARD selection, read and served on a connection of our own. Reading has deadlines
// (Qt's reads block the event loop for up to five seconds per format on an owner that does not
// answer); content is kept as the raw bytes of each target and served back unchanged. The change
// count follows XFixes owner-change events, so changes by this process count too.
class X11Clipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    static inline const QString transientType = QStringLiteral("org.nspasteboard.TransientType");
    static inline const QString passwordHintType = QStringLiteral("x-kde-passwordManagerHint");

    // The whole read of a snapshot, however many formats the owner has.
    static constexpr std::chrono::milliseconds snapshotBudget{3000};
    static constexpr std::chrono::milliseconds textBudget{2000};

    // How long quitting waits for the clipboard manager to take the content.
    static constexpr std::chrono::milliseconds handOverBudget{1500};
    enum class HandOver { notOurs, noManager, saved, refused, timedOut };

    explicit X11Clipboard(X11Connection &connection, QObject *parent = nullptr);
    ~X11Clipboard() override;

    qint64 changeCount() override;
    QCoro::Task<QList<ClipboardItem>> readItems() override;
    void writeItems(const QList<ClipboardItem> &items) override;
    void writeText(const QString &text, bool transient) override;
    QCoro::Task<std::optional<QString>> readText() override;

    // For quitting: while this process owns the clipboard, has the desktop's clipboard manager
    // (the CLIPBOARD_MANAGER owner) save every target, so the content outlives the process. It
    // reads them from us meanwhile, so the event loop must go on until this ends.
    QCoro::Task<HandOver> handOverToManager();

private:
    X11Connection &m_connection;
    std::unique_ptr<X11SelectionReader> m_reader;
    std::unique_ptr<X11SelectionOwner> m_owner;
    qint64 m_changeCount = 0;
    std::unique_ptr<X11SelectionWatch> m_ownerChanges;
    std::unique_ptr<X11SelectionReader> m_manager;
};
