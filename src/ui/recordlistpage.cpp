#include "ui/recordlistpage.h"

#include "ui/editoricons.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

RecordListPage::RecordListPage(const QString &title, const QString &empty, const QString &howToEdit)
    : m_list(new QListWidget)
    , m_empty(new QLabel(empty))
{
    auto *heading = new QLabel(title);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto *how = new QLabel(howToEdit);
    how->setWordWrap(true);
    how->setForegroundRole(QPalette::PlaceholderText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_empty);
    layout->addWidget(m_list);
    layout->addWidget(how);
}

RecordListPage *RecordListPage::keyCombos(const KeyComboStore &combos, const WheelItemDisplay &display, SymbolIcons &icons)
{
    auto *page = new RecordListPage(tr("Key Combos"), tr("No key combos yet"),
                                    tr("Add or change your key combinations with: ringle config set customKeyCombos"));
    page->setObjectName(QStringLiteral("keyCombosPage"));
    const auto fill = [page, &combos, &display, &icons] {
        page->m_list->clear();
        for (const CustomKeyCombo &combo : combos.combos()) {
            const WheelItem item = WheelItem::customKeys(combo.id);
            page->m_list->addItem(new QListWidgetItem(EditorIcons::symbol(icons, display.symbol(item), *page),
                                                      display.menuTitle(item)));
        }
        page->m_empty->setVisible(combos.combos().isEmpty());
    };
    connect(&combos, &KeyComboStore::combosChanged, page, fill);
    fill();
    return page;
}

RecordListPage *RecordListPage::prompts(const PromptStore &prompts, const WheelItemDisplay &display, SymbolIcons &icons)
{
    auto *page = new RecordListPage(tr("Prompts"), tr("No prompts yet"),
                                    tr("Add or change your prompts with: ringle config set customPrompts"));
    page->setObjectName(QStringLiteral("promptsPage"));
    const auto fill = [page, &prompts, &display, &icons] {
        page->m_list->clear();
        for (const CustomPrompt &prompt : prompts.prompts()) {
            const WheelItem item = WheelItem::customPrompt(prompt.id);
            page->m_list->addItem(new QListWidgetItem(EditorIcons::symbol(icons, display.symbol(item), *page),
                                                      display.title(item)));
        }
        page->m_empty->setVisible(prompts.prompts().isEmpty());
    };
    connect(&prompts, &PromptStore::promptsChanged, page, fill);
    fill();
    return page;
}
