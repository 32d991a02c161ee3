#include "wheel/promptstore.h"

#include "wheel/wheelstore.h"

const SettingKey PromptStore::settingKey =
    StoredData::setting(QStringLiteral("customPrompts"), QStringLiteral("[]"),
                        QStringLiteral("The user's own prompts, which slots refer to by id."),
                        &StoredRecordList<CustomPrompt>::normalised);

PromptStore::PromptStore(UserDefaults &defaults, WheelStore &wheels, QObject *parent)
    : QObject(parent)
    , m_list(defaults, settingKey.name)
    , m_wheels(wheels)
{
}

void PromptStore::save(const CustomPrompt &prompt)
{
    if (m_list.save(prompt))
        Q_EMIT promptsChanged();
}

void PromptStore::remove(const QUuid &id)
{
    if (m_list.remove(id))
        Q_EMIT promptsChanged();
    m_wheels.clearSlots(WheelItem::customPrompt(id));
}
