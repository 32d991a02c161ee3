#pragma once

#include "platform/clipboard.h"
#include "platform/wayland/clipboardcontent.h"
#include "platform/wayland/mutterremotedesktop.h"

#include <QDBusMessage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <optional>

// The clipboard through a remote desktop session of GNOME Shell's, which offers no data-control.
// Every type is read as raw bytes through the pipe Mutter hands over, with the same bounds as
// data-control; content is served back unchanged while the loop runs. The change count follows
// Mutter's owner changes, so changes by this process count too. The session is made at once and
// again after it ends (GNOME Shell restarted), when the clipboard is next used.
class MutterClipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    // Owned for a moment to empty the clipboard: Mutter only lets go of a selection this session
    // owns, and its own clipboard keeper would put back the text it kept of any owner with text.
    static inline const QString emptyingType = QStringLiteral("application/x-ringle-emptying");

    // Starts `session` at once if it is not running; it may serve the keyboard too.
    explicit MutterClipboard(MutterRemoteDesktop &session, QObject *parent = nullptr);
    ~MutterClipboard() override;

    qint64 changeCount() override;
    QCoro::Task<QList<ClipboardItem>> readItems() override;
    void writeItems(const QList<ClipboardItem> &items) override;
    void writeText(const QString &text, bool transient) override;
    QCoro::Task<std::optional<QString>> readText() override;

    bool isReady() const { return m_access == Access::on; }
    // Why the clipboard cannot be used now, for logs and status lines; empty when it can.
    QString whyNotReady() const;
    const MutterRemoteDesktop &session() const { return m_remote; }

Q_SIGNALS:
    // A new selection, whoever made it (this process too), the empty one included. Sent from the
    // event loop, never from inside a call of this class.
    void selectionChanged();
    // Whether the clipboard can be used changed (isReady(), whyNotReady()).
    void accessChanged();

private:
    enum class Access { off, enabling, on };

    void sessionChanged();
    QCoro::Task<void> enable();
    // Waits, bounded, until the clipboard can be used, making a session if there is none.
    QCoro::Task<bool> whenReady();
    // whenReady(), then until Mutter has told everything up to now.
    QCoro::Task<bool> settled();
    void own(ClipboardItem content);
    void empty();
    void setSelection(const QVariantMap &options);
    void ownerChanged(const QVariantMap &options);
    QCoro::Task<void> serve(QString type, quint32 serial);
    void forget();
    void announceChange();
    ClipboardContent::Selection currentSelection();
    static QCoro::Task<std::optional<PipeTransfer::ReadResult>> receive(QPointer<MutterClipboard> self, QString type,
                                                                        PipeTransfer::ReadLimits limits);
    static QCoro::Task<QDBusMessage> requestRead(QPointer<MutterClipboard> self, QString type, PipeTransfer::Clock::time_point deadline);
    static QCoro::Task<bool> stillCurrent(QPointer<MutterClipboard> self, qint64 changeCount);

    MutterRemoteDesktop &m_remote;
    Access m_access = Access::off;
    // What this process offers, and what waits for the clipboard to be enabled.
    ClipboardItem m_content;
    std::optional<ClipboardItem> m_pending;
    // The selection as Mutter last told it.
    bool m_owned = false;
    QStringList m_offered;
    qint64 m_changeCount = 0;
    int m_unansweredWrites = 0;
    int m_transfers = 0;
    // Mutter reads one type at a time for a session: the others wait their turn here.
    bool m_reading = false;
    QList<QTimer *> m_waitingReads;
};
