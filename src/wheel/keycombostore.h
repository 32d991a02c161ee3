#pragma once

#include "platform/userdefaults.h"
#include "wheel/customkeycombo.h"
#include "wheel/storedrecordlist.h"

#include <QObject>

class WheelStore;

// The user's key combinations under "customKeyCombos", in the order they were first saved.
// Main thread only.
class KeyComboStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<CustomKeyCombo> combos READ combos NOTIFY combosChanged)
public:
    static const SettingKey settingKey;

    KeyComboStore(UserDefaults &defaults, WheelStore &wheels, QObject *parent = nullptr);

    const QList<CustomKeyCombo> &combos() const { return m_list.records(); }
    std::optional<CustomKeyCombo> combo(const QUuid &id) const { return m_list.find(id); }

    // Replaces the record with the same id in place, or appends it; then writes the list.
    void save(const CustomKeyCombo &combo);
    // Removes the record, writes the list, then empties every slot that referred to it.
    void remove(const QUuid &id);
    // The whole list at once (an import); slots are left as they are.
    void replaceAll(const QList<CustomKeyCombo> &combos);

Q_SIGNALS:
    void combosChanged();

private:
    StoredRecordList<CustomKeyCombo> m_list;
    WheelStore &m_wheels;
};
