#pragma once

#include "ai/modelprovider.h"

#include <QString>
#include <QUrl>
#include <optional>

class UserDefaults;

// The local model server and model chosen in the settings.
struct LocalModelConfig {
    ModelProvider provider = ModelProvider::other;
    QUrl server; // base address: no trailing "/" and no trailing "/v1"
    QString model; // as the server lists it; may be empty

    // The configuration in force, read afresh each time; nothing when the on-device model is to be used.
    static std::optional<LocalModelConfig> current(const UserDefaults &defaults);
    // Turns an address as the user typed it into a base address; nothing when it has no host.
    static std::optional<QUrl> serverURL(const QString &typed, ModelProvider provider);

    // The base address with `path` ("v1/models") appended as further path segments.
    static QUrl endpoint(const QUrl &base, const QString &path);

    bool operator==(const LocalModelConfig &other) const = default;
};
