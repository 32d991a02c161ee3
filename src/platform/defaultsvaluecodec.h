#pragma once

#include "platform/userdefaults.h"

#include <QJsonObject>
#include <QJsonValue>
#include <optional>

// The tagged JSON form of one typed value: {"bool": true}, {"int": 3}, {"double": 0.5},
// {"string": "x"}, {"data": "<base64>"}. Exactly one tag; anything else is unreadable.
namespace DefaultsValueCodec {
QJsonObject encode(const UserDefaults::Value &value);
std::optional<UserDefaults::Value> decode(const QJsonValue &json);
} // namespace DefaultsValueCodec
