#pragma once

#include "wheel/wheelset.h"

#include <QByteArray>
#include <QList>

// The older configuration: a list of rings, each with its own app and site bindings. Read once to
// build sets when no usable set list is stored; never written.
namespace LegacyWheelTabs {
struct LegacyTab {
    WheelTab tab;
    QStringList apps;
    QStringList sites;
};

// Throws JsonDecodeError.
QList<LegacyTab> decode(const QByteArray &json);

// Unbound rings go into the default set (WheelTab::standard() when there are none); each bound ring
// becomes a set of its own. At most maximumSets sets result; further bound rings are dropped.
QList<WheelSet> migrate(const QList<LegacyTab> &legacy, int maximumSets);
} // namespace LegacyWheelTabs
