#pragma once

#include "platform/ondevicemodel.h"

// Linux ships no system language model: this one is always unavailable and says where to go instead.
class UnavailableOnDeviceModel final : public OnDeviceModel {
public:
    OnDeviceAvailability availability() const override;
    std::unique_ptr<OnDeviceSession> makeSession(const QString &instructions) override;

    static QString reason();
};
