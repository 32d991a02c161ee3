// Ringle under XWayland on a GNOME without Ringle's extension: the desktop's GlobalShortcuts portal
// (a stand-in on a bus of the test's own) binds the shortcut, its Activated and Deactivated open and
// close the wheel, and doctor says the keys reach only the XWayland apps and how to turn the
// extension on.
#include "lineprocess.h"
#include "privatebus.h"
#include "ringleprocess.h"
#include "testsupport.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;

class ItestXWaylandPortal final : public QObject {
    Q_OBJECT

    TestSupport::PrivateBus m_bus;
    LineProcess m_portal;

    // A GNOME Wayland session whose compositor Ringle cannot reach, so it takes XWayland (the X server
    // of the test session), with the portal on the test's bus.
    QList<std::pair<QString, QString>> gnomeUnderXWayland() const
    {
        return {{u"DBUS_SESSION_BUS_ADDRESS"_qs, m_bus.address()},
                {u"WAYLAND_DISPLAY"_qs, u"wayland-ringle-absent"_qs},
                {u"XDG_CURRENT_DESKTOP"_qs, u"GNOME"_qs}};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bus.start(u"xwaylandportal"_qs));
        QVERIFY(m_portal.start(TestSupport::programPath(u"fakeportal"_qs), {u"--bus"_qs, m_bus.address()}));
        QCOMPARE(m_portal.request("set bind-response 0"), QByteArray("ok"));
    }

    void thePortalBindsAndItsSignalsOpenAndCloseTheWheel()
    {
        RingleProcess ringle;
        const auto say = qScopeGuard([&ringle] {
            if (QTest::currentTestFailed())
                qInfo().noquote() << ringle.transcript();
        });
        for (const auto &[name, value] : gnomeUnderXWayland())
            ringle.setEnvironment(name, value);
        QVERIFY(ringle.start());
        QVERIFY(ringle.transcript().contains(u"holds the hot key {\"carbonKeyCode\":4"_qs));
        QTRY_VERIFY_WITH_TIMEOUT(m_portal.request("bound").contains("CTRL+ALT+h"), 5000);
        const QByteArray bound = m_portal.request("bound");
        const qsizetype at = bound.indexOf("ringle-");
        QVERIFY2(at > 0, bound.constData());
        const QByteArray id = bound.mid(at, bound.indexOf('=', at) - at);

        QCOMPARE(m_portal.request("activate " + id), QByteArray("ok"));
        QVERIFY(!ringle.waitForLine(u"shortcut down"_qs).isEmpty());
        QVERIFY(!ringle.waitForLine(u"ringle.wheel: opens at"_qs).isEmpty());
        QCOMPARE(m_portal.request("deactivate " + id), QByteArray("ok"));
        QVERIFY(!ringle.waitForLine(u"shortcut up"_qs).isEmpty());
        QVERIFY(!ringle.waitForLine(u"ringle.wheel: closes"_qs).isEmpty());
    }

    void doctorSaysWhatIsMissing()
    {
        QProcess doctor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &[name, value] : gnomeUnderXWayland())
            environment.insert(name, value);
        doctor.setProcessEnvironment(environment);
        doctor.start(RingleProcess::appPath(), {u"doctor"_qs});
        QVERIFY(doctor.waitForFinished(30000));
        const QString said = QString::fromUtf8(doctor.readAllStandardOutput());
        QCOMPARE(doctor.exitCode(), 1);
        QVERIFY2(said.contains(u"Shortcut          works: bound through the desktop's GlobalShortcuts portal"_qs), qPrintable(said));
        QVERIFY2(said.contains(u"Keystrokes        missing: XTest, which reaches only the XWayland apps"_qs), qPrintable(said));
        QVERIFY2(said.contains(u"gnome-extensions enable ringle@ringle.org"_qs), qPrintable(said));
        qInfo().noquote() << said;
    }
};

QTEST_GUILESS_MAIN(ItestXWaylandPortal)
#include "itest_xwaylandportal.moc"
