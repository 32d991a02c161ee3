#include "wheel/keycombo.h"

#include "wheel/jsonfields.h"
#include "wheel/keycombotables.h"

#include <climits>

namespace {
using namespace KeyComboTables;

constexpr KeyModifiers::Bit storedModifierBits[] = {
    {KeyModifiers::command, 1},
    {KeyModifiers::option, 2},
    {KeyModifiers::control, 4},
    {KeyModifiers::shift, 8},
};

struct ShortName {
    quint16 keyCode;
    KeyModifiers modifiers;
    const char *name;
};

// Macintosh key codes used below: 9 V, 20 "3", 21 "4", 47 ".", 49 Space, 105 F13 (Print on PC
// keyboards), 123 Left, 124 Right.
constexpr ShortName macShortNames[] = {
    {9, opt | shift | cmd, QT_TRANSLATE_NOOP("KeyCombo", "Paste and Match")},
    {20, shift | cmd, QT_TRANSLATE_NOOP("KeyCombo", "Capture Screen")},
    {21, shift | cmd, QT_TRANSLATE_NOOP("KeyCombo", "Capture Area")},
    {49, ctrl | cmd, QT_TRANSLATE_NOOP("KeyCombo", "Emoji")},
    {123, ctrl, QT_TRANSLATE_NOOP("KeyCombo", "Desktop Left")},
    {124, ctrl, QT_TRANSLATE_NOOP("KeyCombo", "Desktop Right")},
};

constexpr ShortName linuxShortNames[] = {
    {9, ctrl | shift, QT_TRANSLATE_NOOP("KeyCombo", "Paste and Match")},
    {105, none, QT_TRANSLATE_NOOP("KeyCombo", "Capture Screen")},
    {105, shift, QT_TRANSLATE_NOOP("KeyCombo", "Capture Area")},
    {47, ctrl, QT_TRANSLATE_NOOP("KeyCombo", "Emoji")},
    {123, ctrl | opt, QT_TRANSLATE_NOOP("KeyCombo", "Desktop Left")},
    {124, ctrl | opt, QT_TRANSLATE_NOOP("KeyCombo", "Desktop Right")},
};

struct SpecialLabel {
    quint16 keyCode;
    const char *mac;
    const char *linuxLabel;
};

// Linux writes keys by name as its desktops do; Space is handled apart (localised on both).
constexpr SpecialLabel specialLabels[] = {
    {36, "↩", QT_TRANSLATE_NOOP("KeyCombo", "Enter")},
    {48, "⇥", QT_TRANSLATE_NOOP("KeyCombo", "Tab")},
    {51, "⌫", QT_TRANSLATE_NOOP("KeyCombo", "Backspace")},
    {53, "⎋", QT_TRANSLATE_NOOP("KeyCombo", "Esc")},
    {105, nullptr, QT_TRANSLATE_NOOP("KeyCombo", "Print")},
    {115, "↖", QT_TRANSLATE_NOOP("KeyCombo", "Home")},
    {116, "⇞", QT_TRANSLATE_NOOP("KeyCombo", "Page Up")},
    {117, "⌦", QT_TRANSLATE_NOOP("KeyCombo", "Delete")},
    {119, "↘", QT_TRANSLATE_NOOP("KeyCombo", "End")},
    {121, "⇟", QT_TRANSLATE_NOOP("KeyCombo", "Page Down")},
    {123, "←", "←"},
    {124, "→", "→"},
    {125, "↓", "↓"},
    {126, "↑", "↑"},
};

struct FunctionKey {
    quint16 keyCode;
    int number;
};

constexpr FunctionKey functionKeys[] = {
    {122, 1}, {120, 2}, {99, 3},   {118, 4},  {96, 5},   {97, 6},
    {98, 7},  {100, 8}, {101, 9}, {109, 10}, {103, 11}, {111, 12},
};
} // namespace

QString KeyCombo::shortcutText() const
{
    return modifiers.symbols() + keyLabel;
}

QString KeyCombo::wheelTitle(KeyPlatform platform) const
{
    const auto pick = [this](const auto &names) -> QString {
        for (const ShortName &entry : names) {
            if (entry.keyCode == key.code && entry.modifiers == modifiers)
                return tr(entry.name);
        }
        return title;
    };
    return platform == KeyPlatform::mac ? pick(macShortNames) : pick(linuxShortNames);
}

std::optional<QString> KeyCombo::specialKeyLabel(Key key, KeyPlatform platform)
{
    if (key == Key::space)
        return tr("Space");
    for (const SpecialLabel &entry : specialLabels) {
        if (entry.keyCode != key.code)
            continue;
        const char *label = platform == KeyPlatform::mac ? entry.mac : entry.linuxLabel;
        if (!label)
            return std::nullopt;
        return platform == KeyPlatform::mac ? QString::fromUtf8(label) : tr(label);
    }
    for (const FunctionKey &entry : functionKeys) {
        if (entry.keyCode == key.code)
            return QStringLiteral("F%1").arg(entry.number);
    }
    return std::nullopt;
}

QJsonObject KeyCombo::toJson() const
{
    return QJsonObject{
        {QStringLiteral("title"), title},
        {QStringLiteral("keyCode"), int(key.code)},
        {QStringLiteral("modifiers"), qint64(modifiers.toBits(storedModifierBits))},
        {QStringLiteral("keyLabel"), keyLabel},
    };
}

KeyCombo KeyCombo::fromJson(const QJsonValue &value)
{
    const QJsonObject object = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a key combination"));
    KeyCombo combo;
    combo.title = JsonFields::string(object, "title");
    combo.key = quint16(JsonFields::integer(object, "keyCode", 0, 0xFFFF));
    // A negative value counts as its two's complement bits, as it always has.
    const auto bits = quint32(JsonFields::integer(object, "modifiers", INT_MIN, INT_MAX));
    combo.modifiers = KeyModifiers::fromBits(bits, storedModifierBits);
    combo.keyLabel = JsonFields::string(object, "keyLabel");
    return combo;
}

size_t qHash(const KeyCombo &combo, size_t seed) noexcept
{
    return qHashMulti(seed, combo.title, combo.key, combo.modifiers, combo.keyLabel);
}
