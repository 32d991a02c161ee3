#pragma once

#include "ui/wheelfacepainter.h"

#include <QCoroTask>
#include <QList>
#include <QString>
#include <functional>

class AppChoices;
class AppIcons;
class KeyComboStore;
class PromptStore;
class WheelItemDisplay;
class WheelStore;

// One folder of the Shortcuts tool as the slot menu lists it.
struct ShortcutMenuFolder {
    struct Entry {
        QString name;
        QString id;
    };
    QString name;
    QList<Entry> shortcuts;
};

// What the Action Wheel tab works with; everything outlives the tab.
struct WheelSettingsParts {
    WheelStore &store;
    KeyComboStore &combos;
    PromptStore &prompts;
    const WheelItemDisplay &display;
    AppChoices &apps;
    AppIcons &appIcons;
    // Labels and images of slots for the ring preview.
    WheelFacePainter::LabelSource labels;
    // Starts fetching a website's icon in the background after a website slot is saved.
    std::function<void(const QString &address)> fetchSiteIcon;
    // The Shortcuts tool's folders; without it the Shortcuts menu says that none were found.
    std::function<QCoro::Task<QList<ShortcutMenuFolder>>()> loadShortcutFolders;
};
