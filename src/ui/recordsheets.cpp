#include "ui/recordsheets.h"

#include "ui/keycombosheet.h"
#include "ui/promptsheet.h"
#include "ui/wheelsettingsparts.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"

namespace RecordSheets {
KeyComboSheet *editKeyCombo(const WheelSettingsParts &parts, SymbolIcons &icons,
                            const std::optional<CustomKeyCombo> &original, QWidget *parent,
                            const std::function<void(const CustomKeyCombo &)> &then)
{
    auto *sheet = new KeyComboSheet(original, parts.keyboardLayout, parts.hotKeys, icons, parent);
    QObject::connect(sheet, &KeyComboSheet::saved, parent, [&parts, then](const CustomKeyCombo &record) {
        parts.combos.save(record);
        if (then)
            then(record);
    });
    sheet->open();
    return sheet;
}

PromptSheet *editPrompt(const WheelSettingsParts &parts, SymbolIcons &icons, const std::optional<CustomPrompt> &original,
                        QWidget *parent, const std::function<void(const CustomPrompt &)> &then)
{
    auto *sheet = new PromptSheet(original, icons, parent);
    QObject::connect(sheet, &PromptSheet::saved, parent, [&parts, then](const CustomPrompt &prompt) {
        parts.prompts.save(prompt);
        if (then)
            then(prompt);
    });
    sheet->open();
    return sheet;
}
} // namespace RecordSheets
