#pragma once

#include "platform/clipboard.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <chrono>

class X11Connection;

// Owns a selection on our own connection and serves its targets to other applications: every
// target with exactly the bytes it was given, TARGETS, TIMESTAMP, MULTIPLE, TEXT derived from the
// text, and large data in increments. Taking the selection uses the server's current time, so it
// cannot be refused as stale (Qt's clipboard sometimes is, when its last known time lags behind
// the selection's last change).
class X11SelectionOwner final : public QObject {
    Q_OBJECT
public:
    // Data above this size is sent in pieces of this size.
    static constexpr qsizetype incrementSize = 1024 * 1024;
    // A requestor that stops taking pieces for this long is dropped.
    static constexpr std::chrono::milliseconds transferTimeout{5000};

    X11SelectionOwner(X11Connection &connection, const QByteArray &selection, QObject *parent = nullptr);
    ~X11SelectionOwner() override;

    // Takes the selection with these targets (X target names and their bytes).
    void own(ClipboardItem targets);
    // Leaves the selection without owner, whoever owns it now.
    void clear();
    bool owns();
    // What this process serves while it owns the selection.
    const ClipboardItem &targets() const { return m_targets; }

private:
    struct Transfer {
        quint32 requestor = 0;
        quint32 property = 0;
        quint32 type = 0;
        QByteArray data;
        qsizetype offset = 0;
        std::chrono::steady_clock::time_point lastProgress;
    };

    void onEvent(const void *event);
    void handleRequest(const void *request);
    // Puts one target on the requestor's property; false when it cannot be served.
    bool convert(quint32 requestor, quint32 target, quint32 property);
    void continueTransfer(quint32 requestor, quint32 property);
    void dropStalledTransfers();

    X11Connection &m_connection;
    quint32 m_selection;
    quint32 m_window;
    int m_handler;
    ClipboardItem m_targets;
    bool m_owned = false;
    quint32 m_time = 0; // when we took the selection, once the server has said
    QList<Transfer> m_transfers;
    QTimer m_reaper;
};
