// The values `ringle config set` takes: the first byte picks the key, the rest is the text typed.
// An accepted value is one Ringle reads back under that key, in the form the stores write.
#include "fuzzsupport.h"

#include "app/configkeys.h"
#include "globalshortcuts/shortcut.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QList<const SettingKey *> &keys = ConfigKeys::all();
    const SettingKey &key = *keys.at(data[0] % keys.size());
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);

    const SettingKey::Parsed parsed = key.parse(text);
    if (!parsed.value) {
        FUZZ_CHECK(!parsed.error.isEmpty());
        return 0;
    }
    const UserDefaults::Value &value = *parsed.value;
    FUZZ_CHECK(key.holdsReadableType(value));
    if (!key.choices.isEmpty())
        FUZZ_CHECK(key.choices.contains(std::get<QString>(value)));
    if (key.type == SettingKey::Type::shortcut && std::holds_alternative<QString>(value)) {
        const std::optional<GlobalShortcuts::Shortcut> shortcut = GlobalShortcuts::Shortcut::fromJson(std::get<QString>(value));
        FUZZ_CHECK(shortcut && shortcut->toJson() == std::get<QString>(value));
    }
    // What `get` prints is taken back unchanged.
    const SettingKey::Parsed again = key.parse(SettingKey::format(value));
    FUZZ_CHECK(again.value == value);
    return 0;
}
