#include "app/configcheck.h"

#include "platform/userdefaults.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

namespace ConfigCheck {

int run(UserDefaults &defaults, QTextStream &out)
{
    WheelStore wheels(defaults);
    KeyComboStore combos(defaults, wheels);
    PromptStore prompts(defaults, wheels);
    const WheelItemDisplay display(combos, prompts, defaults, [](const QString &id) { return id; });

    out << "Sets: " << wheels.sets().size() << '\n';
    for (const WheelSet &set : wheels.sets()) {
        out << "- " << set.displayTitle();
        if (!set.apps.isEmpty())
            out << "  apps: " << set.apps.join(QStringLiteral(", "));
        if (!set.sites.isEmpty())
            out << "  sites: " << set.sites.join(QStringLiteral(", "));
        out << '\n';
        for (const WheelTab &ring : set.rings) {
            out << "    " << ring.displayTitle() << (ring.forReadOnlyText ? " (read-only text)" : "") << ":";
            for (const WheelSlot &slot : ring.slots)
                out << " [" << (slot ? display.title(*slot) : QStringLiteral("empty")) << "]";
            out << '\n';
        }
    }
    out << "Custom key combinations: " << combos.combos().size() << '\n';
    out << "Custom prompts: " << prompts.prompts().size() << '\n';
    for (const QString &key : defaults.keys()) {
        if (key.endsWith(QLatin1String(".unreadable")) || key.contains(QLatin1String(".unreadable.")))
            out << "Kept unreadable data under \"" << key << "\"\n";
    }
    return 0;
}

} // namespace ConfigCheck
