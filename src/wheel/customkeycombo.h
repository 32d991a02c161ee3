#pragma once

#include "wheel/keycombo.h"

#include <QJsonObject>
#include <QString>
#include <QUuid>

// The user's own key combination, referred to from slots by id. combo.title is the user's name for it.
struct CustomKeyCombo {
    QUuid id = QUuid::createUuid();
    KeyCombo combo;
    QString symbol = QStringLiteral("keyboard");

    // {"id", "combo", "symbol"}, all required. Throws JsonDecodeError.
    QJsonObject toJson() const;
    static CustomKeyCombo fromJson(const QJsonValue &value);

    bool operator==(const CustomKeyCombo &) const = default;
};

size_t qHash(const CustomKeyCombo &record, size_t seed = 0) noexcept;
