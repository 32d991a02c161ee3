// Which desktop backend Ringle runs on: Wayland where a compositor offers what it needs, else X11,
// either forced by the user; one sentence when none can be used.
#include "app/backendchoice.h"
#include "platform/wayland/waylandprobe.h"

#include <QTest>

namespace {
using Kind = DesktopBackend::Kind;

using Gaps = BackendChoice::WaylandGaps;
const Gaps none;
const Gaps noLayerShell{{u"zwlr_layer_shell_v1"_qs}, {}};
// KWin's case without its fake input granted: the wheel can show, but no key can be sent.
const Gaps noKeyboard{{}, {u"zwp_virtual_keyboard_manager_v1"_qs}};

BackendChoice::Environment environment(const QString &forced, const QByteArray &display, bool x11Up,
                                       const QByteArray &wayland, std::optional<Gaps> gaps)
{
    return {forced, display, wayland, [x11Up] { return x11Up; }, [gaps] { return gaps; }, {}};
}
} // namespace

Q_DECLARE_METATYPE(std::optional<DesktopBackend::Kind>)
Q_DECLARE_METATYPE(std::optional<BackendChoice::WaylandGaps>)

class TestBackendChoice final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choose_data()
    {
        QTest::addColumn<QString>("forced");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<bool>("x11Up");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<std::optional<Gaps>>("gaps"); // none: the compositor does not answer
        QTest::addColumn<std::optional<Kind>>("kind");
        QTest::addColumn<QString>("says"); // the problem, or the note, starts with this

        const std::optional<Gaps> gnome = noLayerShell;
        const std::optional<Gaps> kwin = noKeyboard;
        QTest::newRow("X11 session") << "" << QByteArray(":0") << true << QByteArray() << std::optional(none)
                                     << std::optional(Kind::x11) << "";
        QTest::newRow("sway") << "" << QByteArray(":0") << true << QByteArray("wayland-1")
                              << std::optional(none) << std::optional(Kind::wayland) << "";
        QTest::newRow("sway without XWayland") << "" << QByteArray() << false << QByteArray("wayland-1")
                                               << std::optional(none) << std::optional(Kind::wayland) << "";
        QTest::newRow("a compositor without layer shell, with XWayland")
            << "" << QByteArray(":0") << true << QByteArray("wayland-0") << gnome << std::optional(Kind::x11)
            << "This Wayland compositor lacks zwlr_layer_shell_v1, so Ringle uses XWayland";
        QTest::newRow("a compositor without layer shell, without XWayland")
            << "" << QByteArray() << false << QByteArray("wayland-0") << gnome << std::optional<Kind>()
            << "This Wayland compositor lacks what Ringle needs (zwlr_layer_shell_v1): turn on XWayland";
        QTest::newRow("a compositor that does not answer, XWayland does")
            << "" << QByteArray(":0") << true << QByteArray("wayland-9") << std::optional<Gaps>()
            << std::optional(Kind::x11) << "Ringle cannot connect to the Wayland compositor at \"wayland-9\".";
        QTest::newRow("no virtual keyboard, XWayland there")
            << "" << QByteArray(":0") << true << QByteArray("wayland-0") << kwin << std::optional(Kind::x11)
            << "This Wayland compositor lacks zwp_virtual_keyboard_manager_v1, so Ringle uses XWayland";
        QTest::newRow("no virtual keyboard, no XWayland")
            << "" << QByteArray() << false << QByteArray("wayland-0") << kwin << std::optional(Kind::wayland)
            << "This Wayland compositor lacks zwp_virtual_keyboard_manager_v1: Ringle shows the wheel";
        QTest::newRow("Wayland forced without a virtual keyboard")
            << "wayland" << QByteArray(":0") << true << QByteArray("wayland-0") << kwin << std::optional(Kind::wayland) << "";
        QTest::newRow("X11 forced in a Wayland session")
            << "x11" << QByteArray(":0") << true << QByteArray("wayland-1") << std::optional(none)
            << std::optional(Kind::x11) << "";
        QTest::newRow("X11 forced, the X server gone")
            << "x11" << QByteArray(":3") << false << QByteArray("wayland-1") << std::optional(none)
            << std::optional<Kind>() << "Ringle needs an X11 display, but it cannot connect to \":3\".";
        QTest::newRow("Wayland forced on a compositor without layer shell")
            << "wayland" << QByteArray(":0") << true << QByteArray("wayland-0") << gnome << std::optional<Kind>()
            << "This Wayland compositor lacks";
        QTest::newRow("Wayland forced in an X11 session")
            << "wayland" << QByteArray(":0") << true << QByteArray() << std::optional(none)
            << std::optional<Kind>() << "Ringle was asked to use Wayland, but WAYLAND_DISPLAY is not set.";
        QTest::newRow("a backend nobody knows") << "mir" << QByteArray(":0") << true << QByteArray() << std::optional(none)
                                                << std::optional<Kind>() << "The backend must be x11 or wayland, not \"mir\".";
        QTest::newRow("nothing at all") << "" << QByteArray() << false << QByteArray() << std::optional(none)
                                        << std::optional<Kind>() << "Ringle needs an X11 display, but DISPLAY is not set";
    }

    void choose()
    {
        QFETCH(QString, forced);
        QFETCH(QByteArray, display);
        QFETCH(bool, x11Up);
        QFETCH(QByteArray, wayland);
        QFETCH(std::optional<Gaps>, gaps);
        QFETCH(std::optional<Kind>, kind);
        QFETCH(QString, says);
        const BackendChoice::Choice choice = BackendChoice::choose(environment(forced, display, x11Up, wayland, gaps));
        QCOMPARE(choice.kind, kind);
        const QString said = kind ? choice.note : choice.problem;
        QVERIFY2(says.isEmpty() ? said.isEmpty() : said.startsWith(says), qPrintable(said));
        QVERIFY(!kind || choice.problem.isEmpty());
    }

    // On GNOME the missing overlays mean the extension is off, and that is what the user is told.
    void gnomeWithoutTheExtensionSaysHowToTurnItOn()
    {
        for (const bool xwayland : {true, false}) {
            BackendChoice::Environment e = environment({}, xwayland ? ":0" : "", xwayland, "wayland-0", noLayerShell);
            e.desktop = u"ubuntu:GNOME"_qs;
            const BackendChoice::Choice choice = BackendChoice::choose(e);
            QCOMPARE(choice.kind, xwayland ? std::optional(Kind::x11) : std::optional<Kind>());
            const QString said = xwayland ? choice.note : choice.problem;
            QVERIFY2(said.contains(u"gnome-extensions enable ringle@ringle.org"_qs), qPrintable(said));
        }
        // Elsewhere the same gap is named as it is.
        BackendChoice::Environment e = environment({}, "", false, "wayland-0", noLayerShell);
        e.desktop = u"Hyprland"_qs;
        QVERIFY(!BackendChoice::choose(e).problem.contains(u"gnome-extensions"_qs));
    }

    // Keys go through a virtual keyboard or, where KWin grants it, its fake input; a clipboard through
    // either data-control protocol.
    void theRoadNeedsAClipboardAndAKeyboard()
    {
        WaylandProbe::Result kwin;
        kwin.interfaces = {u"zwlr_data_control_manager_v1"_qs, u"org_kde_kwin_fake_input"_qs};
        QCOMPARE(WaylandProbe::missingForTheRoad(kwin), QStringList());
        WaylandProbe::Result sway;
        sway.interfaces = {u"ext_data_control_manager_v1"_qs, u"zwp_virtual_keyboard_manager_v1"_qs};
        QCOMPARE(WaylandProbe::missingForTheRoad(sway), QStringList());
        WaylandProbe::Result bare;
        QCOMPARE(WaylandProbe::missingForTheRoad(bare),
                 (QStringList{u"ext_data_control_manager_v1"_qs, u"zwp_virtual_keyboard_manager_v1"_qs}));
    }

    void neverAsksTheDisplayItDoesNotNeed()
    {
        int asked = 0;
        BackendChoice::Environment e = environment({}, ":0", true, "wayland-1", none);
        e.x11Reachable = [&asked] { ++asked; return true; };
        QCOMPARE(BackendChoice::choose(e).kind, std::optional(Kind::wayland));
        QCOMPARE(asked, 0);
    }
};

QTEST_GUILESS_MAIN(TestBackendChoice)
#include "test_backendchoice.moc"
