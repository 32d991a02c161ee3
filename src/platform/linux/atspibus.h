#pragma once

#include "platform/accessibilitytree.h"

#include <QByteArray>
#include <functional>

// Finds the desktop's accessibility bus with bounded waits. The library's own lookup can wait for
// half a minute on a stuck session bus, and it aborts the process when it later needs a bus it
// did not find, so it is only started once a bus is known to answer.
namespace AtspiBus {
struct Probe {
    QByteArray address; // empty when there is none
    AccessibilityStatus status;
};

// `displayAddress` gives the address the display publishes, if it has a way to.
Probe probe(const std::function<QByteArray()> &displayAddress = {});
// The status texts the user sees for each state.
QString explanation(AccessibilityStatus::State state);
} // namespace AtspiBus
