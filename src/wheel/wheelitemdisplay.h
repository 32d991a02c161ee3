#pragma once

#include "ai/targetlanguage.h"
#include "platform/userdefaults.h"
#include "wheel/wheelitem.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

class KeyComboStore;
class PromptStore;

// How a slot is shown on the wheel and in the editor's menus. Reads the custom-combination and prompt
// stores and the stored target language at every call, so it always reflects the current contents.
class WheelItemDisplay final {
    Q_DECLARE_TR_FUNCTIONS(WheelItemDisplay)

public:
    // The application's display name for an app id (the id itself when unknown).
    using AppNameLookup = std::function<QString(const QString &appId)>;

    WheelItemDisplay(const KeyComboStore &combos, const PromptStore &prompts, const UserDefaults &defaults,
                     AppNameLookup appName);

    // Symbol name of the freely licensed icon mapping (SF-style names as stored).
    QString symbol(const WheelItem &item) const;
    // The label drawn on the wheel.
    QString title(const WheelItem &item) const;
    // A second, smaller line on the wheel, or none.
    std::optional<QString> subtitle(const WheelItem &item) const;
    // The label in the editor's menus.
    QString menuTitle(const WheelItem &item) const;

private:
    const KeyComboStore &m_combos;
    const PromptStore &m_prompts;
    const UserDefaults &m_defaults;
    AppNameLookup m_appName;
};
