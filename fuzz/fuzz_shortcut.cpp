// A stored shortcut ("GlobalShortcuts_<name>"): anything that is not one reads as none; one that
// is reads back the same after it is written and can be shown and put on a menu item.
#include "fuzzsupport.h"

#include "globalshortcuts/shortcut.h"
#include "globalshortcuts/shortcutpresentation.h"
#include "platform/fake/fakekeyboardlayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<GlobalShortcuts::Shortcut> shortcut
        = GlobalShortcuts::Shortcut::fromJson(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!shortcut)
        return 0;
    FUZZ_CHECK(GlobalShortcuts::Shortcut::fromJson(shortcut->toJson()) == shortcut);

    FakeKeyboardLayout layout;
    layout.addKey(Qt::Key_H, 4, QStringLiteral("h"));
    (void)GlobalShortcuts::presentableText(*shortcut, layout);
    (void)GlobalShortcuts::menuKeyCombination(*shortcut, layout);
    return 0;
}
