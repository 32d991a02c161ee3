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
    connect(&defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == settingKey.name && m_list.reloadIfChangedElsewhere())
            Q_EMIT promptsChanged();
    });
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

void PromptStore::replaceAll(const QList<CustomPrompt> &prompts)
{
    if (m_list.replaceAll(prompts))
        Q_EMIT promptsChanged();
}
