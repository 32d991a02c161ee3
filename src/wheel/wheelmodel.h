#pragma once

#include "wheel/wheellayout.h"
#include "wheel/wheeltab.h"

#include <QList>
#include <QObject>
#include <optional>

// What the open wheel shows: the rings in scrolling order, the current one, the highlighted slot
// and the layout. Each signal fires only when its value really changed.
class WheelModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(int tabIndex READ tabIndex WRITE setTabIndex NOTIFY tabIndexChanged)
public:
    explicit WheelModel(QObject *parent = nullptr);

    const QList<WheelTab> &tabs() const { return m_tabs; }
    void setTabs(const QList<WheelTab> &tabs);

    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index);

    // None in the centre, or when the ring has no slots.
    std::optional<int> selectedSlot() const { return m_selectedSlot; }
    void setSelectedSlot(std::optional<int> slot);

    const WheelLayout &layout() const { return m_layout; }
    void setLayout(const WheelLayout &layout);

    // tabs[tabIndex]; the first ring when the index is out of range; the standard ring when empty.
    WheelTab currentTab() const;

Q_SIGNALS:
    void tabsChanged();
    void tabIndexChanged();
    void selectedSlotChanged();

private:
    QList<WheelTab> m_tabs;
    int m_tabIndex = 0;
    std::optional<int> m_selectedSlot;
    WheelLayout m_layout;
    WheelTab m_fallbackTab;
};
