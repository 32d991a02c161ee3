#include "ui/slotmenu.h"

#include "actions/appchoices.h"
#include "ui/editoricons.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"

SlotMenu::SlotMenu(const WheelSettingsParts &parts, SymbolIcons &icons, QWidget *parent)
    : QMenu(parent)
    , m_parts(parts)
    , m_icons(icons)
{
    setObjectName(QStringLiteral("slotMenu"));
}

QAction *SlotMenu::addItem(QMenu &menu, const WheelItem &item, const QString &title)
{
    QAction *action = menu.addAction(EditorIcons::symbol(m_icons, m_parts.display.symbol(item), *this), title);
    connect(action, &QAction::triggered, this, [this, item] { Q_EMIT chosen(item); });
    return action;
}

void SlotMenu::rebuild(const Shortcuts &shortcuts)
{
    clear();
    connect(addAction(tr("Empty")), &QAction::triggered, this, [this] { Q_EMIT chosen(std::nullopt); });
    addSeparator();
    for (const WheelItem &item : WheelItem::basic())
        addItem(*this, item, m_parts.display.menuTitle(item));
    addTranslate();
    addPrompts();
    addSeparator();
    addShortcuts(shortcuts);
    addKeyCombos();
    addSeparator();
    addApps();
    connect(addAction(EditorIcons::symbol(m_icons, QStringLiteral("link"), *this), tr("Website…")), &QAction::triggered,
            this, &SlotMenu::websiteRequested);
}

void SlotMenu::addTranslate()
{
    QMenu *menu = addMenu(tr("Translate to"));
    for (TargetLanguage language : TargetLanguages::allCases())
        addItem(*menu, WheelItem::translateTo(language), TargetLanguages::localizedName(language));
}

void SlotMenu::addPrompts()
{
    QMenu *menu = addMenu(tr("Prompts"));
    const QList<CustomPrompt> &prompts = m_parts.prompts.prompts();
    if (prompts.isEmpty())
        menu->addAction(tr("No prompts yet"))->setEnabled(false);
    for (const CustomPrompt &prompt : prompts) {
        const WheelItem item = WheelItem::customPrompt(prompt.id);
        addItem(*menu, item, m_parts.display.title(item));
    }
    menu->addSeparator();
    connect(menu->addAction(tr("New Prompt…")), &QAction::triggered, this, &SlotMenu::newPromptRequested);
}

void SlotMenu::addShortcuts(const Shortcuts &shortcuts)
{
    QMenu *menu = addMenu(tr("Shortcuts"));
    if (!shortcuts.loaded) {
        menu->addAction(tr("Loading shortcuts…"))->setEnabled(false);
        return;
    }
    if (shortcuts.folders.isEmpty()) {
        menu->addAction(tr("No shortcuts found"))->setEnabled(false);
        return;
    }
    for (const ShortcutFolder &folder : shortcuts.folders) {
        QMenu *folderMenu = menu->addMenu(folder.name);
        for (const ShortcutInfo &entry : folder.shortcuts)
            addItem(*folderMenu, WheelItem::shortcut(entry.name, entry.id), entry.name);
    }
}

void SlotMenu::addKeyCombos()
{
    QMenu *menu = addMenu(tr("Key Combos"));
    QMenu *mine = menu->addMenu(tr("My Key Combos"));
    const QList<CustomKeyCombo> &combos = m_parts.combos.combos();
    if (combos.isEmpty())
        mine->addAction(tr("No key combos yet"))->setEnabled(false);
    for (const CustomKeyCombo &combo : combos) {
        const WheelItem item = WheelItem::customKeys(combo.id);
        addItem(*mine, item, m_parts.display.menuTitle(item));
    }
    mine->addSeparator();
    connect(mine->addAction(tr("New Key Combo…")), &QAction::triggered, this, &SlotMenu::newKeyComboRequested);
    QMenu *presets = menu->addMenu(tr("Default Key Combos"));
    for (const KeyComboGroup &group : KeyCombo::presetGroups()) {
        presets->addSection(group.title);
        for (const KeyCombo &combo : group.combos) {
            const WheelItem item = WheelItem::keys(combo);
            addItem(*presets, item, m_parts.display.menuTitle(item));
        }
    }
}

void SlotMenu::addApps()
{
    QMenu *menu = addMenu(tr("Apps"));
    const QList<ApplicationInfo> running = m_parts.apps.running();
    for (const ApplicationInfo &app : running) {
        QAction *action = menu->addAction(EditorIcons::app(m_parts.appIcons, m_icons, app.appId, *this), app.name);
        connect(action, &QAction::triggered, this, [this, id = app.appId] { Q_EMIT chosen(WheelItem::openApp(id)); });
    }
    if (!running.isEmpty())
        menu->addSeparator();
    connect(menu->addAction(tr("Choose…")), &QAction::triggered, this, &SlotMenu::chooseAppRequested);
}
