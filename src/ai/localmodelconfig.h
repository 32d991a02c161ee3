#pragma once

#include "ai/modelprovider.h"
#include "platform/settingkey.h"

#include <QString>
#include <QUrl>
#include <optional>

// The local model server and model chosen in the settings.
struct LocalModelConfig {
    ModelProvider provider = ModelProvider::other;
    QUrl server; // base address: no trailing "/" and no trailing "/v1"
    QString model; // as the server lists it; may be empty

    static const SettingKey providerKey;
    static const SettingKey serverKey;
    static const SettingKey nameKey;

    // The configuration in force, read afresh each time; nothing when the on-device model is to be used.
    static std::optional<LocalModelConfig> current(const UserDefaults &defaults);
    // The stored provider; the on-device model when none or an unknown one is stored.
    static ModelProvider storedProvider(const UserDefaults &defaults);
    // Turns an address as the user typed it into a base address; nothing when it has no host.
    static std::optional<QUrl> serverURL(const QString &typed, ModelProvider provider);

    // The base address with `path` ("v1/models") appended as further path segments.
    static QUrl endpoint(const QUrl &base, const QString &path);

    bool operator==(const LocalModelConfig &other) const = default;
};
