// What `ringle doctor` prints: a line per capability, what to do under each that does not work, and
// whether the road from the shortcut to a replaced selection works (its exit status).
#include "app/desktopcheck.h"
#include "app/doctor.h"

#include <QTest>

namespace {
using Kind = DesktopCapability::Kind;
} // namespace

class TestDoctor final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportsEachLineAligned()
    {
        const QList<DesktopCapability> lines{
            {Kind::shortcut, true, u"bound in sway over its IPC"_qs, {}},
            {Kind::keystrokes, false, u"the compositor offers no virtual keyboard"_qs, u"Use another."_qs},
        };
        QCOMPARE(Doctor::report(u"sway (Wayland)"_qs, lines),
                 u"Ringle on sway (Wayland):\n"
                 "  Shortcut    works: bound in sway over its IPC\n"
                 "  Keystrokes  missing: the compositor offers no virtual keyboard\n"
                 "              to do: Use another.\n"
                 "Something Ringle needs does not work here; see above.\n"_qs);
    }

    void theRoadNeedsItsEssentialsOnly()
    {
        QList<DesktopCapability> lines;
        for (const Kind kind : {Kind::shortcut, Kind::mouseTrigger, Kind::overlay, Kind::clipboard, Kind::keystrokes,
                                Kind::frontApplication, Kind::accessibility, Kind::tray, Kind::modelServer})
            lines.append({kind, true, {}, {}});
        QVERIFY(DesktopCheck::roadWorks(lines));
        // Without these Ringle still opens the wheel and acts on the selection.
        for (const Kind extra : {Kind::mouseTrigger, Kind::frontApplication, Kind::accessibility, Kind::tray}) {
            QList<DesktopCapability> without = lines;
            for (DesktopCapability &line : without) {
                if (line.kind == extra)
                    line.works = false;
            }
            QVERIFY2(DesktopCheck::roadWorks(without), qPrintable(DesktopCapability::title(extra)));
        }
        for (const Kind essential : {Kind::shortcut, Kind::overlay, Kind::clipboard, Kind::keystrokes, Kind::modelServer}) {
            QList<DesktopCapability> without = lines;
            for (DesktopCapability &line : without) {
                if (line.kind == essential)
                    line.works = false;
            }
            QVERIFY2(!DesktopCheck::roadWorks(without), qPrintable(DesktopCapability::title(essential)));
        }
    }
};

QTEST_GUILESS_MAIN(TestDoctor)
#include "test_doctor.moc"
