// Time from the trigger's button press reaching the application to the end of the wheel's first
// paint, over 50 opens driven by xdotool on a real X server. Run inside a private X session:
//   tests/integration/x11-session.sh build/release/bench/bench_wheelopen [--websites [--icons]] [--cold]
// --websites: the default set holds 8 rings of 6 website slots (48); --icons: with every site's
// icon in the icon folder (loaded at start as the app does), else they show the link symbol.
// The wheel is prepared ahead as the app does once its tray icon shows; --cold leaves that out.
#include "net/httpclient.h"
#include "platform/fake/memorydefaults.h"
#include "platform/linux/qtscreens.h"
#include "platform/x11/x11mousetap.h"
#include "platform/x11/x11windowsystem.h"
#include "ui/faviconstore.h"
#include "ui/slotlabels.h"
#include "ui/wheeloverlay.h"
#include "wheel/actionwheel.h"
#include "wheel/keycombostore.h"
#include "wheel/mousewheeltrigger.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCoroProcess>
#include <QCoroTask>
#include <QCoroTimer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <vector>
#include <xcb/xcb.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {
constexpr int opens = 50;

// Notes when the right button's press arrives, before the tap sees it.
class PressClock final : public QAbstractNativeEventFilter {
public:
    std::optional<Clock::time_point> pressed;
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if (type == "xcb_generic_event_t" && (event->response_type & ~0x80) == XCB_BUTTON_PRESS
            && reinterpret_cast<const xcb_button_press_event_t *>(event)->detail == 3)
            pressed = Clock::now();
        return false;
    }
};

QCoro::Task<bool> xdotool(QStringList args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    co_await qCoro(process).waitForFinished(5000);
    co_return process.exitCode() == 0;
}

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

QString siteAddress(int i)
{
    return QStringLiteral("https://site%1.example.com/").arg(i);
}

// 8 rings of 6 website slots, and, when `iconFolder` is given, a 64-pixel PNG icon for each site.
QList<WheelSet> websiteSets(const QString &iconFolder)
{
    QList<WheelSet> sets = WheelStore::shippedDefault();
    QList<WheelTab> rings;
    for (int r = 0; r < WheelStore::maximumRings; ++r) {
        WheelTab ring = WheelTab::standard();
        ring.title = QStringLiteral("Sites %1").arg(r + 1);
        ring.slots.clear();
        for (int s = 0; s < WheelTab::maximumSlots; ++s) {
            const int i = r * WheelTab::maximumSlots + s;
            ring.slots.append(WheelItem::openURL(siteAddress(i), QStringLiteral("Site %1").arg(i)));
            if (iconFolder.isEmpty())
                continue;
            QImage icon(64, 64, QImage::Format_ARGB32);
            icon.fill(QColor::fromHsv(i * 7 % 360, 200, 220));
            QPainter(&icon).drawEllipse(8, 8, 48, 48);
            icon.save(iconFolder + QStringLiteral("/site%1.example.com").arg(i), "PNG");
        }
        rings.append(ring);
    }
    sets[0].rings = rings;
    return sets;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const bool websites = arguments.contains(QStringLiteral("--websites"));
    const bool icons = arguments.contains(QStringLiteral("--icons"));
    const bool cold = arguments.contains(QStringLiteral("--cold"));
    MemoryDefaults defaults;
    WheelStore store(defaults);
    QTemporaryDir iconFolder;
    if (websites)
        store.setSets(websiteSets(icons ? iconFolder.path() : QString()));
    KeyComboStore combos(defaults, store);
    PromptStore prompts(defaults, store);
    const WheelItemDisplay display(combos, prompts, defaults, [](const QString &id) { return id; });
    HttpClient http;
    const FaviconStore favicons(http, iconFolder.path());
    const SlotLabels labels(display, {}, [&](const QString &address) { return favicons.icon(address); });
    QtScreens screens;
    const X11WindowSystem windows;
    std::unique_ptr<X11MouseTap> tap = X11MouseTap::create();
    if (!tap) {
        out << "bench_wheelopen needs an X11 display\n";
        return 1;
    }
    PressClock pressClock;
    app.installNativeEventFilter(&pressClock); // after the tap's filter, so it runs first

    std::optional<Clock::time_point> painted;
    ActionWheel wheel(store, screens, {}, [&](WheelModel &model) {
        auto overlay = std::make_unique<WheelOverlay>(
            model, [&](const WheelItem &item) { return labels.label(item); },
            [&] { return windows.isCompositing(); });
        overlay->setPaintObserver([&] {
            if (!painted)
                painted = Clock::now();
        });
        return overlay;
    });
    MouseWheelTrigger trigger(defaults, *tap, screens);
    QObject::connect(&trigger, &MouseWheelTrigger::began, [&](QPointF p) {
        wheel.open(p);
        trigger.setCapturesScroll(true);
    });
    QObject::connect(&trigger, &MouseWheelTrigger::moved, [&](QPointF p) { wheel.select(p); });
    QObject::connect(&trigger, &MouseWheelTrigger::ended, [&](std::optional<QPointF> p) {
        trigger.setCapturesScroll(false);
        wheel.close(p);
    });
    trigger.start();
    if (!cold)
        wheel.prepare();

    std::vector<double> times;
    int status = 0;
    auto run = [&]() -> QCoro::Task<> {
        // g++ 12 wants lists outside co_await expressions.
        const QStringList moveToMiddle{"mousemove", "640", "400"};
        const QStringList press{"keydown", "ctrl+alt", "mousedown", "3"};
        const QStringList release{"mouseup", "3", "keyup", "ctrl+alt"};
        co_await xdotool(moveToMiddle);
        for (int i = 0; i < opens; ++i) {
            pressClock.pressed.reset();
            painted.reset();
            co_await xdotool(press);
            for (int waited = 0; !painted && waited < 2000; ++waited)
                co_await QCoro::sleepFor(1ms);
            co_await xdotool(release);
            if (!painted || !pressClock.pressed) {
                out << "open " << i << " did not paint\n";
                status = 1;
                break;
            }
            times.push_back(milliseconds(*painted - *pressClock.pressed));
            co_await QCoro::sleepFor(50ms);
        }
        QCoreApplication::exit(status);
    };
    QTimer::singleShot(0, &app, [&] { run(); });
    app.exec();

    if (times.empty())
        return 1;
    const double first = times.front();
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    const QString configuration = !websites ? QStringLiteral("shipped rings")
                                : icons     ? QStringLiteral("48 website slots with cached icons")
                                            : QStringLiteral("48 website slots without icons");
    out << QStringLiteral("wheel open to first paint over %1 opens (%2, %6%7): median %3 ms, worst %4 ms, first %5 ms\n")
               .arg(times.size())
               .arg(windows.isCompositing() ? QStringLiteral("composited") : QStringLiteral("no compositor"))
               .arg(sorted[sorted.size() / 2], 0, 'f', 2)
               .arg(sorted.back(), 0, 'f', 2)
               .arg(first, 0, 'f', 2)
               .arg(configuration)
               .arg(cold ? QStringLiteral(", not prepared") : QString());
    return status;
}
