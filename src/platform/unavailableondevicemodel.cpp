#include "platform/unavailableondevicemodel.h"

#include "base/ringleerror.h"

#include <QCoreApplication>

namespace {

class UnavailableSession final : public OnDeviceSession {
public:
    QCoro::Task<QString> respond(QString, OnDeviceGenerationOptions) override
    {
        throw RingleError::modelUnavailable(UnavailableOnDeviceModel::reason());
        co_return QString();
    }

    AnswerStream streamResponse(QString, OnDeviceGenerationOptions) override
    {
        return AnswerStream(std::make_shared<AnswerStream::Control>(), nothing());
    }

private:
    static QCoro::AsyncGenerator<QString> nothing()
    {
        throw RingleError::modelUnavailable(UnavailableOnDeviceModel::reason());
        co_return;
    }
};

} // namespace

OnDeviceAvailability UnavailableOnDeviceModel::availability() const
{
    return OnDeviceAvailability{false, reason()};
}

std::unique_ptr<OnDeviceSession> UnavailableOnDeviceModel::makeSession(const QString &)
{
    return std::make_unique<UnavailableSession>();
}

QString UnavailableOnDeviceModel::reason()
{
    return QCoreApplication::translate("OnDeviceModel",
                                       "Linux has no on-device model; choose Ollama, LM Studio or another local server "
                                       "under Settings → General → Model");
}
