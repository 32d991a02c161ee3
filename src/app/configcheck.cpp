#include "app/configcheck.h"

#include "platform/userdefaults.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>

namespace ConfigCheck {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigCheck", text);
}
} // namespace

int run(UserDefaults &defaults, QTextStream &out)
{
    WheelStore wheels(defaults);
    KeyComboStore combos(defaults, wheels);
    PromptStore prompts(defaults, wheels);
    const WheelItemDisplay display(combos, prompts, defaults, [](const QString &id) { return id; });

    out << tr("Sets: %1").arg(wheels.sets().size()) << '\n';
    for (const WheelSet &set : wheels.sets()) {
        out << "- " << set.displayTitle();
        if (!set.apps.isEmpty())
            out << "  " << tr("apps: %1").arg(set.apps.join(QStringLiteral(", ")));
        if (!set.sites.isEmpty())
            out << "  " << tr("sites: %1").arg(set.sites.join(QStringLiteral(", ")));
        out << '\n';
        for (const WheelTab &ring : set.rings) {
            out << "    " << ring.displayTitle() << (ring.forReadOnlyText ? tr(" (read-only text)") : QString()) << ":";
            for (const WheelSlot &slot : ring.slots)
                out << " [" << (slot ? display.title(*slot) : tr("empty")) << "]";
            out << '\n';
        }
    }
    out << tr("Custom key combinations: %1").arg(combos.combos().size()) << '\n';
    out << tr("Custom prompts: %1").arg(prompts.prompts().size()) << '\n';
    for (const QString &key : defaults.keys()) {
        if (key.endsWith(QLatin1String(".unreadable")) || key.contains(QLatin1String(".unreadable.")))
            out << tr("Kept unreadable data under \"%1\"").arg(key) << '\n';
    }
    return 0;
}

} // namespace ConfigCheck
