#pragma once

#include "platform/clipboard.h"
#include "platform/wayland/clipboardcontent.h"

#include <QObject>
#include <QPointer>
#include <chrono>
#include <memory>

struct wl_event_queue;
class DataControlDevice;
class DataControlOffer;
class DataControlSource;
class QueueSync;
class WaylandConnection;
class WaylandSeat;

// The seat's clipboard over data-control, on an event queue of its own. Every type is read as
// raw bytes through a pipe, with deadlines and size limits, without blocking the event loop;
// content is served back unchanged while the loop runs. The change count follows the device's
// selection events, so changes by this process count too.
class DataControlClipboard final : public QObject, public Clipboard {
    Q_OBJECT
public:
    static inline const QString transientType = ClipboardContent::transientType;
    static inline const QString passwordHintType = ClipboardContent::passwordHintType;
    static constexpr auto snapshotBudget = ClipboardContent::snapshotBudget;
    static constexpr auto typeTimeout = ClipboardContent::typeTimeout;
    static constexpr auto textBudget = ClipboardContent::textBudget;
    static constexpr auto maxTypeSize = ClipboardContent::maxTypeSize;
    static constexpr auto maxSnapshotSize = ClipboardContent::maxSnapshotSize;
    static constexpr auto catchUpTimeout = ClipboardContent::catchUpTimeout;
    static constexpr auto maxTransfers = ClipboardContent::maxTransfers;

    // How long quitting waits for someone to offer the content again.
    static constexpr std::chrono::milliseconds handOverBudget{1500};
    enum class HandOver { notOurs, kept, gone };

    static bool isOffered(const WaylandConnection &connection);

    DataControlClipboard(WaylandConnection &connection, WaylandSeat &seat, QObject *parent = nullptr);
    ~DataControlClipboard() override;

    qint64 changeCount() override;
    QCoro::Task<QList<ClipboardItem>> readItems() override;
    void writeItems(const QList<ClipboardItem> &items) override;
    void writeText(const QString &text, bool transient) override;
    QCoro::Task<std::optional<QString>> readText() override;

    // For quitting while this process may own the clipboard. No one can be asked to save it on
    // Wayland; a holder (a clipboard manager on data-control) that read it offers it again once
    // the selection empties; content nobody read is gone at once. The event loop must go on until
    // this ends.
    QCoro::Task<HandOver> handOverAtQuit();

Q_SIGNALS:
    // A new selection arrived, whoever made it (this process too), the empty one included. Sent
    // from the event loop, never from inside a call of this class.
    void selectionChanged();

private:
    void own(ClipboardItem content);
    void serve(const QByteArray &type, int fd);
    void selectionArrived(std::shared_ptr<DataControlOffer> offer);
    void announceChange();
    void forgetDevice(const QString &reason);
    // Waits for the compositor to answer everything sent so far, so the selection seen is its
    // latest; false when it does not answer in time.
    QCoro::Task<bool> catchUp();
    // Whether `offer` is still the selection once the compositor has caught up.
    QCoro::Task<bool> stillSelected(std::shared_ptr<DataControlOffer> offer);
    static QCoro::Task<bool> stillSelectedIfAlive(QPointer<DataControlClipboard> alive, std::shared_ptr<DataControlOffer> offer);
    ClipboardContent::Selection selectionOf(std::shared_ptr<DataControlOffer> offer);

    WaylandConnection &m_connection;
    wl_event_queue *m_queue = nullptr;
    std::unique_ptr<QueueSync> m_sync;
    std::unique_ptr<DataControlDevice> m_device;
    std::shared_ptr<DataControlOffer> m_selection;
    std::unique_ptr<DataControlSource> m_source;
    ClipboardItem m_content;
    int m_requested = 0; // times the current source's content was asked for
    int m_transfers = 0;
    qint64 m_changeCount = 0;

};
