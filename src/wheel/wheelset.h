#pragma once

#include "wheel/wheeltab.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

// A set of rings bound to applications (by app id: the desktop-file id) and
// websites (hosts as WebsiteAddress::site gives them, subdomains included). The first set of a
// configuration is the default.
struct WheelSet {
    QUuid id;
    QString title;
    QStringList apps;
    QStringList sites;
    QList<WheelTab> rings;

    // The title trimmed of spaces and tabs, or "Untitled".
    QString displayTitle() const;

    // All five keys are written always and required when reading. Throws JsonDecodeError.
    QJsonObject toJson() const;
    static WheelSet fromJson(const QJsonValue &value);

    // A whole configuration: a JSON array of sets, written compactly.
    static QList<WheelSet> decodeList(const QByteArray &json);
    static QByteArray encodeList(const QList<WheelSet> &sets);

    bool operator==(const WheelSet &) const = default;
};

size_t qHash(const WheelSet &set, size_t seed = 0) noexcept;
