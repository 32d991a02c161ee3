#include "ui/slotlabels.h"

#include "wheel/wheelitemdisplay.h"

SlotLabels::SlotLabels(const WheelItemDisplay &display, IconLookup appIcon, IconLookup siteIcon)
    : m_display(display)
    , m_appIcon(std::move(appIcon))
    , m_siteIcon(std::move(siteIcon))
{
}

SlotLabel SlotLabels::label(const WheelItem &item) const
{
    SlotLabel label{m_display.title(item), m_display.subtitle(item), m_display.symbol(item), {}};
    if (item.kind() == WheelItem::Kind::openApp && m_appIcon)
        label.image = m_appIcon(item.appId());
    else if (item.kind() == WheelItem::Kind::openURL && m_siteIcon)
        label.image = m_siteIcon(item.address());
    return label;
}
