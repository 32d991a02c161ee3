#pragma once

#include "ui/slotmenu.h"
#include "ui/wheelsettingsparts.h"
#include "wheel/wheeltab.h"

#include <QUuid>
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class RingPreview;
class SymbolIcons;

// The pane for one ring: title, slot count, the preview, one menu per slot and, for rings of the
// default set, the read-only switch. Every change is written to the store at once, onto the ring as
// it is stored then.
class RingEditor final : public QWidget {
    Q_OBJECT
public:
    RingEditor(const WheelSettingsParts &parts, SymbolIcons &icons, QWidget *parent = nullptr);

    // Shows the stored ring; false when there is no such ring.
    bool showRing(const QUuid &ringID);
    // Shows the stored values again; false when the ring is gone.
    bool refresh();
    void setShortcuts(const SlotMenu::Shortcuts &shortcuts) { m_shortcuts = shortcuts; }

    QUuid ringID() const { return m_ringID; }
    QLineEdit *titleField() const { return m_title; }
    QSpinBox *slotCountBox() const { return m_slotCount; }
    RingPreview *preview() const { return m_preview; }
    QLabel *slotLabel(int slot) const { return m_rows.at(slot).label; }
    QToolButton *slotButton(int slot) const { return m_rows.at(slot).button; }
    // The slot's menu, filled as it is when it opens.
    SlotMenu *slotMenu(int slot);
    QCheckBox *readOnlySwitch() const { return m_readOnly; }
    QLabel *readOnlyNote() const { return m_readOnlyNote; }

    // Sets one slot, as choosing it from its menu does.
    void setSlot(int slot, const WheelSlot &item);
    // Opens the website sheet or the application chooser for a slot.
    void editWebsite(int slot);
    void chooseApp(int slot);
    // Opens the sheet for a new prompt or key combination; once saved, the slot gets it.
    QDialog *newPrompt(int slot);
    QDialog *newKeyCombo(int slot);

private:
    struct SlotRow {
        QLabel *label = nullptr;
        QToolButton *button = nullptr;
        SlotMenu *menu = nullptr;
    };

    void edit(const std::function<void(WheelTab &)> &change);
    void showValues(const WheelTab &ring, bool inDefaultSet);

    const WheelSettingsParts &m_parts;
    SymbolIcons &m_icons;
    QUuid m_ringID;
    SlotMenu::Shortcuts m_shortcuts;
    QLineEdit *m_title;
    QSpinBox *m_slotCount;
    RingPreview *m_preview;
    std::array<SlotRow, WheelTab::maximumSlots> m_rows;
    QCheckBox *m_readOnly;
    QLabel *m_readOnlyNote;
};
