#pragma once

#include "ui/wheelsettingsparts.h"
#include "wheel/wheelitem.h"

#include <QMenu>
#include <optional>

class SymbolIcons;

// The menu that fills one slot: empty, the built-in actions, a language, a prompt, a shortcut,
// a key combination, an application or a website.
class SlotMenu final : public QMenu {
    Q_OBJECT
public:
    struct Shortcuts {
        bool loaded = false;
        QList<ShortcutFolder> folders;
    };

    SlotMenu(const WheelSettingsParts &parts, SymbolIcons &icons, QWidget *parent = nullptr);

    // Lists what the stores and the workspace hold now.
    void rebuild(const Shortcuts &shortcuts);

Q_SIGNALS:
    // The slot's new content; none empties it.
    void chosen(const WheelSlot &item);
    void websiteRequested();
    void newPromptRequested();
    void newKeyComboRequested();
    void chooseAppRequested();

private:
    QAction *addItem(QMenu &menu, const WheelItem &item, const QString &title);
    void addTranslate();
    void addPrompts();
    void addShortcuts(const Shortcuts &shortcuts);
    void addKeyCombos();
    void addApps();

    const WheelSettingsParts &m_parts;
    SymbolIcons &m_icons;
};
