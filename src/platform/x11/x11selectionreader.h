#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QCoroTask>
#include <chrono>
#include <memory>
#include <optional>

class X11Connection;

// Reads a selection from its owner without blocking: conversions (large ones in increments)
// run while the event loop goes on, and every answer has a deadline, so an owner that never
// answers costs a bounded wait instead of a frozen application.
class X11SelectionReader final {
public:
    using Clock = std::chrono::steady_clock;

    enum class Status { ok, refused, timedOut };
    struct Result {
        Status status = Status::refused;
        QByteArray data;
        int format = 8;    // bits per item of the property
        quint32 type = 0;  // the type the owner gave the data
    };

    // How long an owner may take for each answer (the conversion, every increment).
    static constexpr std::chrono::milliseconds answerTimeout{1000};

    X11SelectionReader(X11Connection &connection, const QByteArray &selection);
    ~X11SelectionReader();
    X11SelectionReader(const X11SelectionReader &) = delete;
    X11SelectionReader &operator=(const X11SelectionReader &) = delete;

    bool hasOwner();
    // The owner's targets (atoms), or none when it refuses or does not answer in time.
    QCoro::Task<std::optional<QList<quint32>>> targets(Clock::time_point deadline);
    QCoro::Task<Result> convert(quint32 target, Clock::time_point deadline);
    // Asks for a conversion whose answer is the notification alone (such as SAVE_TARGETS, which
    // the owner answers once it has done the work) and waits for it until the deadline: ok or
    // refused; timedOut without an answer.
    QCoro::Task<Status> request(quint32 target, Clock::time_point deadline);

private:
    struct Transfer;
    struct Unregister;

    void onEvent(const void *event);
    QCoro::Task<bool> waitUntil(const std::shared_ptr<Transfer> &transfer, bool Transfer::*flag, Clock::time_point deadline);
    QByteArray readProperty(quint32 property, quint32 *type, int *format);
    std::shared_ptr<Transfer> startTransfer(quint32 target);

    X11Connection &m_connection;
    quint32 m_selection;
    quint32 m_window;
    int m_handler;
    quint32 m_nextProperty = 0;
    QHash<quint32, std::shared_ptr<Transfer>> m_transfers; // by property
};
