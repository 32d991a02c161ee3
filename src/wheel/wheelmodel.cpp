#include "wheel/wheelmodel.h"

WheelModel::WheelModel(QObject *parent)
    : QObject(parent)
    , m_tabs{WheelTab::standard()}
    , m_fallbackTab(WheelTab::standard())
{
}

void WheelModel::setTabs(const QList<WheelTab> &tabs)
{
    if (tabs == m_tabs)
        return;
    m_tabs = tabs;
    Q_EMIT tabsChanged();
}

void WheelModel::setTabIndex(int index)
{
    if (index == m_tabIndex)
        return;
    m_tabIndex = index;
    Q_EMIT tabIndexChanged();
}

void WheelModel::setSelectedSlot(std::optional<int> slot)
{
    if (slot == m_selectedSlot)
        return;
    m_selectedSlot = slot;
    Q_EMIT selectedSlotChanged();
}

void WheelModel::setLayout(const WheelLayout &layout)
{
    m_layout = layout;
}

WheelTab WheelModel::currentTab() const
{
    if (m_tabIndex >= 0 && m_tabIndex < m_tabs.size())
        return m_tabs.at(m_tabIndex);
    if (!m_tabs.isEmpty())
        return m_tabs.first();
    // One fallback for the model's life, so that the overlay sees the same ring id between draws.
    return m_fallbackTab;
}
