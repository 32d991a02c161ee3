#pragma once

#include "wheel/wheelitem.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUuid>

// One ring of the wheel: its slots in wheel order (slot 0 first); an empty optional is an empty slot.
struct WheelTab {
    static constexpr int minimumSlots = 1;
    static constexpr int maximumSlots = 6;
    static constexpr int newRingSlots = 4;

    QUuid id;
    QString title;
    QList<WheelSlot> slots;
    // Shown first when the focused text cannot be edited; kept only on rings of the default set.
    bool forReadOnlyText = false;

    // A fresh ring (new id) titled "Text": proofread, translate, rewrite, empty.
    static WheelTab standard();

    // The title trimmed of spaces and tabs, or "Untitled".
    QString displayTitle() const;

    int slotCount() const { return int(slots.size()); }
    // Clamps to 1…6, appends empty slots or drops slots from the end; the rest keep their contents.
    void setSlotCount(int count);

    // "forReadOnlyText" is always written and may be missing when reading. Throws JsonDecodeError.
    QJsonObject toJson() const;
    static WheelTab fromJson(const QJsonValue &value);

    bool operator==(const WheelTab &) const = default;
};

size_t qHash(const WheelTab &tab, size_t seed = 0) noexcept;

namespace WheelText {
// Spaces and tabs trimmed at both ends (not line breaks): how names are shown.
QString trimmedSpacesAndTabs(const QString &text);
// The trimmed title, or the localised "Untitled".
QString displayTitle(const QString &title);
} // namespace WheelText
