#include "app/wheeldemo.h"

#include "actions/applookup.h"
#include "platform/userdefaults.h"
#include "platform/workspace.h"
#include "platform/x11/x11compositing.h"
#include "platform/x11/x11mousetap.h"
#include "platform/x11/x11platform.h"
#include "ui/appicons.h"
#include "ui/slotlabels.h"
#include "ui/wheeloverlay.h"
#include "wheel/actionwheel.h"
#include "wheel/keycombostore.h"
#include "wheel/mousewheeltrigger.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QApplication>

namespace {
QString point(QPointF p)
{
    return QStringLiteral("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}
} // namespace

namespace WheelDemo {
int run(UserDefaults &defaults, QTextStream &out)
{
    std::unique_ptr<X11Platform> x11 = X11Platform::create();
    std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
    if (!x11 || !tap) {
        out << "ringle: --demo-wheel needs an X11 display\n";
        out.flush();
        return 1;
    }
    const Platform ports = x11->platform();
    WheelStore store(defaults);
    KeyComboStore combos(defaults, store);
    PromptStore prompts(defaults, store);
    const AppLookup apps(ports.workspace);
    const WheelItemDisplay display(combos, prompts, defaults, [&](const QString &appId) { return apps.name(appId); });
    AppIcons appIcons(apps);
    const SlotLabels labels(display, [&](const QString &appId) { return appIcons.icon(appId); });

    ActionWheel::Context context;
    context.frontApplication = [&]() -> std::optional<QString> {
        const std::optional<RunningApp> app = ports.workspace.frontApplication();
        return app ? std::optional<QString>(app->appId) : std::nullopt;
    };
    ActionWheel wheel(store, ports.screens, context, [&](WheelModel &model) {
        return std::make_unique<WheelOverlay>(
            model, [&](const WheelItem &item) { return labels.label(item); }, &X11Compositing::isActive);
    });
    // Ring switches made by scrolling; opening on the first ring is not one.
    bool scrolling = false;
    QObject::connect(&wheel.model(), &WheelModel::tabIndexChanged, &wheel, [&] {
        if (!scrolling)
            return;
        out << "ring " << wheel.model().tabIndex() << ' ' << wheel.model().currentTab().displayTitle() << '\n';
        out.flush();
    });

    MouseWheelTrigger trigger(defaults, *tap, ports.screens);
    trigger.onBegin = [&](QPointF p) {
        wheel.open(p);
        scrolling = true;
        trigger.setCapturesScroll(true);
        out << "open " << point(p) << '\n';
        out.flush();
    };
    trigger.onMove = [&](QPointF p) {
        if (wheel.isOpen())
            wheel.select(p);
    };
    trigger.onEnd = [&](std::optional<QPointF> p) {
        scrolling = false;
        trigger.setCapturesScroll(false);
        if (p)
            wheel.select(*p);
        const std::optional<int> slot = wheel.model().selectedSlot();
        const WheelSlot item = wheel.close(p);
        if (item && slot)
            out << "chosen slot " << *slot << ' ' << display.title(*item) << '\n';
        else
            out << "chosen none\n";
        out.flush();
    };
    trigger.onScroll = [&](const ScrollInput &input) { wheel.scroll(input); };
    trigger.start();

    out << "ready: " << WheelMouseSettings::current(defaults).instruction() << '\n';
    out.flush();
    return QApplication::exec();
}
} // namespace WheelDemo
