#pragma once

#include "platform/accessibilitytree.h"

#include <QByteArray>

// Finds the desktop's accessibility bus with bounded waits. The library's own lookup can wait for
// half a minute on a stuck session bus, and it aborts the process when it later needs a bus it
// did not find, so it is only started once a bus is known to answer.
namespace AtspiBus {
struct Probe {
    QByteArray address; // empty when there is none
    AccessibilityStatus status;
};

Probe probe();
// The status texts the user sees for each state.
QString explanation(AccessibilityStatus::State state);
} // namespace AtspiBus
