#pragma once

#include "platform/ondevicemodel.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <exception>
#include <chrono>
#include <variant>

// A scripted on-device model for tests: answers are taken from a queue in order, and every session
// and request is recorded.
class FakeOnDeviceModel final : public OnDeviceModel {
public:
    // An answer is a text (or a list of snapshots when streamed) or an exception to throw.
    using Answer = std::variant<QString, QStringList, std::exception_ptr>;

    struct Request {
        QString instructions;
        QString prompt;
        OnDeviceGenerationOptions options;
    };

    OnDeviceAvailability availability() const override { return m_availability; }
    std::unique_ptr<OnDeviceSession> makeSession(const QString &instructions) override;

    void setAvailability(OnDeviceAvailability availability) { m_availability = std::move(availability); }
    void enqueue(Answer answer) { m_answers.enqueue(std::move(answer)); }
    const QList<Request> &requests() const { return m_requests; }
    int sessionsMade() const { return m_sessions; }
    // How long each part of a streamed answer takes to arrive.
    void setStreamInterval(std::chrono::milliseconds interval) { m_streamInterval = interval; }

private:
    friend class FakeOnDeviceSession;
    Answer takeAnswer();

    OnDeviceAvailability m_availability{true, QString()};
    QQueue<Answer> m_answers;
    QList<Request> m_requests;
    int m_sessions = 0;
    std::chrono::milliseconds m_streamInterval{1};
};
