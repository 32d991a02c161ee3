#include "wheel/keycombostore.h"

#include "wheel/wheelstore.h"

const SettingKey KeyComboStore::settingKey =
    StoredData::setting(QStringLiteral("customKeyCombos"), QStringLiteral("[]"),
                        QStringLiteral("The user's own key combinations, which slots refer to by id."),
                        &StoredRecordList<CustomKeyCombo>::normalised);

KeyComboStore::KeyComboStore(UserDefaults &defaults, WheelStore &wheels, QObject *parent)
    : QObject(parent)
    , m_list(defaults, settingKey.name)
    , m_wheels(wheels)
{
    connect(&defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == settingKey.name && m_list.reloadIfChangedElsewhere())
            Q_EMIT combosChanged();
    });
}

void KeyComboStore::save(const CustomKeyCombo &combo)
{
    if (m_list.save(combo))
        Q_EMIT combosChanged();
}

void KeyComboStore::remove(const QUuid &id)
{
    if (m_list.remove(id))
        Q_EMIT combosChanged();
    m_wheels.clearSlots(WheelItem::customKeys(id));
}

void KeyComboStore::replaceAll(const QList<CustomKeyCombo> &combos)
{
    if (m_list.replaceAll(combos))
        Q_EMIT combosChanged();
}
