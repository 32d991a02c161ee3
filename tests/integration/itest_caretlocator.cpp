// The caret locator against real applications on the accessibility bus of a private X session.
#include "caret/caretlocator.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/platform.h"
#include "platform/linux/atspiaccessibility.h"
#include "platform/x11/x11platform.h"
#include "lineprocess.h"
#include "textwindowdriver.h"

#include <QGuiApplication>
#include <QScreen>
#include <QElapsedTimer>
#include <QTest>
#include <csignal>

namespace {
QRectF primaryFrameYUp()
{
    return QRectF(QPointF(0, 0), QGuiApplication::primaryScreen()->geometry().size());
}
} // namespace

Q_DECLARE_METATYPE(SelectionState)
Q_DECLARE_METATYPE(TextAccess)

class ItestCaretLocator final : public QObject {
    Q_OBJECT

    // The desktop's own answers: the application in front comes from the window manager.
    std::unique_ptr<X11Platform> m_x11;
    FakeScreens m_screens;
    std::unique_ptr<CaretLocator> m_locator;
    TextWindowDriver m_window;

private Q_SLOTS:
    void withoutABusNothingCanBeTold()
    {
        const QStringList cleared{QStringLiteral("DISPLAY"), QStringLiteral("AT_SPI_BUS_ADDRESS"),
                                  QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("XDG_RUNTIME_DIR")};
        QHash<QString, QByteArray> saved;
        for (const QString &name : cleared) {
            saved.insert(name, qgetenv(name.toLatin1()));
            qunsetenv(name.toLatin1());
        }
        FakeWorkspace workspace;
        workspace.setFrontApplication(RunningApp{m_window.pid(), QStringLiteral("accessibletextwindow"), QString()});
        AtspiAccessibility tree(workspace);
        for (const QString &name : cleared) {
            if (!saved.value(name).isEmpty())
                qputenv(name.toLatin1(), saved.value(name));
        }
        QCOMPARE(tree.status().state, AccessibilityStatus::State::missing);
        QVERIFY(tree.status().explanation.contains(QLatin1String("at-spi2-core")));
        CaretLocator locator(tree, workspace, m_screens);
        QCOMPARE(locator.selectionState(), SelectionState::unknown);
        QCOMPARE(locator.textAccess(), TextAccess::unknown);
        QCOMPARE(locator.selectionEndRect(), std::nullopt);
        QCOMPARE(locator.browserHost(), std::nullopt);
    }

    void initTestCase()
    {
        m_x11 = X11Platform::create();
        QVERIFY(m_x11);
        QVERIFY(m_window.start());
        QVERIFY(TestSupport::waitUntilActive(m_window.pid(), QStringLiteral("Accessible text window")));
        const Platform platform = m_x11->platform();
        QVERIFY(platform.accessibility.status().isUsable());
        m_locator =
            std::make_unique<CaretLocator>(platform.accessibility, platform.workspace, platform.screens);
    }

    void selectionAndAccess_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<SelectionState>("selection");
        QTest::addColumn<TextAccess>("access");

        QTest::newRow("caret in the field") << "edit" << 4 << 4 << SelectionState::empty << TextAccess::editable;
        QTest::newRow("selection in the field") << "edit" << 2 << 8 << SelectionState::selected << TextAccess::editable;
        QTest::newRow("selection in the view") << "view" << 6 << 10 << SelectionState::selected << TextAccess::readOnly;
        QTest::newRow("caret in the view") << "view" << 3 << 3 << SelectionState::empty << TextAccess::unknown;
    }

    void selectionAndAccess()
    {
        QFETCH(QString, target);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(SelectionState, selection);
        QFETCH(TextAccess, access);

        QCOMPARE(m_window.send(QStringLiteral("focus ") + target), QStringLiteral("ok"));
        QCOMPARE(m_window.send(QStringLiteral("select %1 %2 %3").arg(target).arg(from).arg(to)), QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(m_locator->selectionState(), selection, 5000);
        QCOMPARE(m_locator->textAccess(), access);
    }

    void applicationNotInFrontTellsNothing()
    {
        QCOMPARE(m_window.send(QStringLiteral("focus edit")), QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(m_locator->textAccess(), TextAccess::editable, 5000);
        FakeWorkspace workspace;
        AtspiAccessibility tree(workspace);
        CaretLocator locator(tree, workspace, m_screens);
        for (const qint64 pid : {m_window.pid() + 100000, QCoreApplication::applicationPid()}) {
            workspace.setFrontApplication(RunningApp{pid, QStringLiteral("other"), QString()});
            QCOMPARE(locator.selectionState(), SelectionState::unknown);
            QCOMPARE(locator.textAccess(), TextAccess::unknown);
        }
    }

    void selectionEndRectOnTheLastCharacter_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("lastVisible");

        // "First line of the view\nSecond line\n\nLast line"
        QTest::newRow("within a line") << 6 << 10 << 9;
        QTest::newRow("ending in a line break") << 23 << 35 << 33;
        QTest::newRow("over two lines") << 11 << 29 << 28;
    }

    void selectionEndRectOnTheLastCharacter()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, lastVisible);

        QCOMPARE(m_window.send(QStringLiteral("focus view")), QStringLiteral("ok"));
        QCOMPARE(m_window.send(QStringLiteral("select view %1 %2").arg(from).arg(to)), QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(m_locator->selectionState(), SelectionState::selected, 5000);
        const std::optional<QRectF> rect = m_locator->selectionEndRect();
        QVERIFY(rect);
        const QRect glyph = m_window.rect(QStringLiteral("glyph view %1").arg(lastVisible));
        QVERIFY(glyph.isValid());
        // Back to the desktop's y-down coordinates to compare with the window's own layout.
        const QRectF down(rect->x(), primaryFrameYUp().height() - rect->bottom(), rect->width(), rect->height());
        const QString both = QStringLiteral("located %1,%2 %3×%4; drawn %5,%6 %7×%8")
                                 .arg(down.x()).arg(down.y()).arg(down.width()).arg(down.height())
                                 .arg(glyph.x()).arg(glyph.y()).arg(glyph.width()).arg(glyph.height());
        QVERIFY2(qAbs(down.x() - glyph.x()) <= 2, qPrintable(both));
        QVERIFY2(qAbs(down.right() - (glyph.x() + glyph.width())) <= 2, qPrintable(both));
        QVERIFY2(qAbs(down.center().y() - glyph.center().y()) <= 2, qPrintable(both));
    }

    // Last, as the window stays unanswered for a while afterwards.
    void aHungApplicationCostsOneTimeOut()
    {
        QCOMPARE(m_window.send(QStringLiteral("focus edit")), QStringLiteral("ok"));
        QTRY_COMPARE_WITH_TIMEOUT(m_locator->textAccess(), TextAccess::editable, 5000);
        QVERIFY(::kill(pid_t(m_window.pid()), SIGSTOP) == 0);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(m_locator->selectionState(), SelectionState::unknown);
        const qint64 first = timer.restart();
        QCOMPARE(m_locator->textAccess(), TextAccess::unknown);
        QCOMPARE(m_locator->selectionEndRect(), std::nullopt);
        QCOMPARE(m_locator->browserHost(), std::nullopt);
        const qint64 rest = timer.elapsed();
        QVERIFY(::kill(pid_t(m_window.pid()), SIGCONT) == 0);
        QVERIFY2(first < 2 * AccessibilityTree::callTimeout.count(), qPrintable(QString::number(first)));
        QVERIFY2(rest < 50, qPrintable(QString::number(rest)));
    }

    void cleanupTestCase()
    {
        m_locator.reset();
        m_x11.reset();
    }
};

QTEST_MAIN(ItestCaretLocator)
#include "itest_caretlocator.moc"
