#pragma once

#include "wheel/wheelitem.h"

#include <QIcon>
#include <QString>
#include <functional>
#include <optional>

class WheelItemDisplay;

// What a slot shows on the wheel.
struct SlotLabel {
    QString title;
    std::optional<QString> subtitle;
    QString symbol;
    // The application's or the site's own icon; null means draw the symbol.
    QIcon image;
};

// Labels for slots: texts and symbols from the item display, images from the icon lookups.
class SlotLabels final {
public:
    // An icon by application id, or by address; a null icon when there is none.
    using IconLookup = std::function<QIcon(const QString &key)>;

    SlotLabels(const WheelItemDisplay &display, IconLookup appIcon = {}, IconLookup siteIcon = {});

    SlotLabel label(const WheelItem &item) const;

private:
    const WheelItemDisplay &m_display;
    IconLookup m_appIcon;
    IconLookup m_siteIcon;
};
