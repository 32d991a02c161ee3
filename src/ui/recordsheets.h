#pragma once

#include "wheel/customkeycombo.h"
#include "wheel/customprompt.h"

#include <functional>
#include <optional>

class KeyComboSheet;
class PromptSheet;
class QWidget;
class SymbolIcons;
struct WheelSettingsParts;

// Opens the sheets for the user's own records; a saved record goes to its store, then to `then`.
namespace RecordSheets {
KeyComboSheet *editKeyCombo(const WheelSettingsParts &parts, SymbolIcons &icons,
                            const std::optional<CustomKeyCombo> &original, QWidget *parent,
                            const std::function<void(const CustomKeyCombo &)> &then = {});
PromptSheet *editPrompt(const WheelSettingsParts &parts, SymbolIcons &icons, const std::optional<CustomPrompt> &original,
                        QWidget *parent, const std::function<void(const CustomPrompt &)> &then = {});
} // namespace RecordSheets
