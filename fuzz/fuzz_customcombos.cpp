// The user's key combinations ("customKeyCombos"): refused with JsonDecodeError only; what is
// accepted reads back the same after it is written, and its texts can be drawn.
#include "fuzzsupport.h"

#include "wheel/customkeycombo.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<CustomKeyCombo> combos;
    try {
        combos = JsonFields::decodeArray<CustomKeyCombo>(fuzzBytes(data, size), &CustomKeyCombo::fromJson);
    } catch (const JsonDecodeError &) {
        return 0;
    }
    for (const CustomKeyCombo &record : combos) {
        (void)record.combo.shortcutText();
        for (const KeyPlatform platform : {KeyPlatform::mac, KeyPlatform::linuxDesktop}) {
            (void)record.combo.wheelTitle(platform);
            (void)KeyCombo::specialKeyLabel(record.combo.key, platform);
        }
    }
    FUZZ_CHECK(JsonFields::decodeArray<CustomKeyCombo>(JsonFields::encodeArray(combos), &CustomKeyCombo::fromJson)
               == combos);
    return 0;
}
