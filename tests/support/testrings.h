#pragma once

// Rings the end-to-end tests store before they start the app. Header-only: a test that includes it
// includes "wheel/wheelset.h" and "wheel/wheelstore.h" itself, which links it with their library.
#include "ringleprocess.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

namespace TestSupport {
inline bool useRings(RingleProcess &ringle, const QList<WheelSet> &sets)
{
    return ringle.configure(QStringLiteral("wheelSets"), QString::fromUtf8(WheelSet::encodeList(sets)));
}

// The shipped sets with these slots in the first ring.
inline bool useFirstRing(RingleProcess &ringle, const QList<WheelSlot> &slots)
{
    QList<WheelSet> sets = WheelStore::shippedDefault();
    sets[0].rings[0].slots = slots;
    return useRings(ringle, sets);
}

// Proofread at the top, Select All (Ctrl+A) on the right, Explain at the bottom, Summarize on the left.
inline bool useTestRing(RingleProcess &ringle)
{
    return useFirstRing(ringle, {WheelItem::proofread(),
                                 WheelItem::keys(KeyCombo{QStringLiteral("Select All"), 0,
                                                          KeyModifiers(KeyModifiers::control), QStringLiteral("A")}),
                                 WheelItem::explain(), WheelItem::summarize()});
}

// Ask at the top of the only ring.
inline bool useAskRing(RingleProcess &ringle)
{
    return useFirstRing(ringle, {WheelItem::ask(), WheelItem::proofread(), WheelItem::explain(), WheelItem::summarize()});
}
} // namespace TestSupport
