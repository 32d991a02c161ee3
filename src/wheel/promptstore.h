#pragma once

#include "platform/userdefaults.h"
#include "wheel/customprompt.h"
#include "wheel/storedrecordlist.h"

#include <QObject>

class WheelStore;

// The user's prompts under "customPrompts", in the order they were first saved. Main thread only.
class PromptStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<CustomPrompt> prompts READ prompts NOTIFY promptsChanged)
public:
    static const SettingKey settingKey;

    PromptStore(UserDefaults &defaults, WheelStore &wheels, QObject *parent = nullptr);

    const QList<CustomPrompt> &prompts() const { return m_list.records(); }
    std::optional<CustomPrompt> prompt(const QUuid &id) const { return m_list.find(id); }

    // Replaces the record with the same id in place, or appends it; then writes the list.
    void save(const CustomPrompt &prompt);
    // Removes the record, writes the list, then empties every slot that referred to it.
    void remove(const QUuid &id);
    // The whole list at once (an import); slots are left as they are.
    void replaceAll(const QList<CustomPrompt> &prompts);

Q_SIGNALS:
    void promptsChanged();

private:
    StoredRecordList<CustomPrompt> m_list;
    WheelStore &m_wheels;
};
