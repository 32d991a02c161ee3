#include "wheel/promptstore.h"

#include "wheel/wheelstore.h"

PromptStore::PromptStore(UserDefaults &defaults, WheelStore &wheels, QObject *parent)
    : QObject(parent)
    , m_list(defaults, QStringLiteral("customPrompts"))
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
