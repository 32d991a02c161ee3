#include "platform/fake/fakeondevicemodel.h"

#include <QCoroTimer>
#include <chrono>

class FakeOnDeviceSession final : public OnDeviceSession {
public:
    FakeOnDeviceSession(FakeOnDeviceModel &model, QString instructions)
        : m_model(model)
        , m_instructions(std::move(instructions))
    {
    }

    QCoro::Task<QString> respond(QString prompt, OnDeviceGenerationOptions options) override
    {
        m_model.m_requests.append({m_instructions, prompt, options});
        const FakeOnDeviceModel::Answer answer = m_model.takeAnswer();
        co_await QCoro::sleepFor(std::chrono::milliseconds(1)); // answers arrive later, as a model's would
        if (const auto *error = std::get_if<std::exception_ptr>(&answer))
            std::rethrow_exception(*error);
        if (const auto *snapshots = std::get_if<QStringList>(&answer))
            co_return snapshots->value(snapshots->size() - 1);
        co_return std::get<QString>(answer);
    }

    AnswerStream streamResponse(QString prompt, OnDeviceGenerationOptions options) override
    {
        m_model.m_requests.append({m_instructions, prompt, options});
        auto control = std::make_shared<AnswerStream::Control>();
        return AnswerStream(control, snapshots(control, m_model.takeAnswer(), m_model.m_streamInterval));
    }

private:
    // Each part arrives a moment after the one before, as a model's would; a cancel ends the
    // answer there.
    static QCoro::AsyncGenerator<QString> snapshots(std::shared_ptr<AnswerStream::Control> control,
                                                    FakeOnDeviceModel::Answer answer,
                                                    std::chrono::milliseconds interval)
    {
        co_await QCoro::sleepFor(interval);
        if (const auto *error = std::get_if<std::exception_ptr>(&answer))
            std::rethrow_exception(*error);
        const QStringList all = std::holds_alternative<QStringList>(answer) ? std::get<QStringList>(answer)
                                                                            : QStringList{std::get<QString>(answer)};
        for (qsizetype i = 0; i < all.size() && !control->isCancelled(); ++i) {
            if (i > 0)
                co_await QCoro::sleepFor(interval);
            if (!control->isCancelled())
                co_yield QString(all.at(i));
        }
    }

    FakeOnDeviceModel &m_model;
    QString m_instructions;
};

std::unique_ptr<OnDeviceSession> FakeOnDeviceModel::makeSession(const QString &instructions)
{
    ++m_sessions;
    return std::make_unique<FakeOnDeviceSession>(*this, instructions);
}

FakeOnDeviceModel::Answer FakeOnDeviceModel::takeAnswer()
{
    if (m_answers.isEmpty())
        return QString();
    return m_answers.dequeue();
}
