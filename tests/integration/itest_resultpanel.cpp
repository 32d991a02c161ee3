// The result panel on a real X server: it appears beside its anchor without taking the focus from
// the active window, its buttons take clicks, other states let clicks through, and a click or key
// press in another application hides a result.
#include "actions/resultpanel.h"
#include "lineprocess.h"
#include "platform/screencoordinates.h"
#include "platform/x11/x11connection.h"
#include "platform/platform.h"
#include "platform/x11/x11platform.h"
#include "platform/x11/x11windowprops.h"
#include "ui/resultpanelwindow.h"
#include "ui/resultbutton.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

using TestSupport::LineProcess;

namespace {
QByteArray xdotool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    process.waitForFinished(5000);
    return process.readAllStandardOutput().trimmed();
}

// The X window under the pointer for input (input shapes taken into account).
quint64 windowUnderPointer()
{
    for (const QByteArray &line : xdotool({QStringLiteral("getmouselocation"), QStringLiteral("--shell")}).split('\n')) {
        if (line.startsWith("WINDOW="))
            return line.mid(7).toULongLong();
    }
    return 0;
}

void clickAt(QPoint desktopPoint)
{
    xdotool({QStringLiteral("mousemove"), QString::number(desktopPoint.x()), QString::number(desktopPoint.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

QRectF primaryGeometry()
{
    return QGuiApplication::primaryScreen()->geometry();
}
} // namespace

class ItestResultPanel final : public QObject {
    Q_OBJECT

    std::unique_ptr<X11Platform> m_backend;
    std::unique_ptr<ResultPanel> m_resultPanel;
    ResultPanelWindow *m_panel = nullptr;
    LineProcess m_editor;
    quint32 m_editorWindow = 0;

    // The panel's rectangle on the desktop (y down) as the X server has it.
    QRect panelOnDesktop() const { return m_panel->frameGeometry(); }

    void showResult(const QRectF &anchor, const QString &text, bool offersReplace = false)
    {
        m_resultPanel->anchor = anchor;
        m_resultPanel->show(ResultPanelState::result(text), offersReplace);
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
    }

    void hideAndWait()
    {
        m_resultPanel->hide();
        QTRY_VERIFY(!m_panel->isVisible());
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_backend = X11Platform::create();
        QVERIFY(m_backend);
        const Platform ports = m_backend->platform();
        m_resultPanel =
            std::make_unique<ResultPanel>(ports.screens, ports.inputMonitor, [this](ResultPanelButtons &buttons) {
                auto panel = std::make_unique<ResultPanelWindow>(&buttons);
                m_panel = panel.get();
                return panel;
            });
        QVERIFY(TestSupport::startTestEditor(m_editor, QStringLiteral("Result Panel Editor")));
        m_editorWindow = X11WindowProps::activeWindow(m_backend->connection());
        QVERIFY(m_editorWindow != 0);
    }

    void appearsBesideTheAnchorWithoutTakingFocus()
    {
        // Anchor in the core's coordinates: y up from the bottom of the 1280 × 800 screen.
        const QRectF anchor(400, 500, 1, 18);
        m_resultPanel->anchor = anchor;
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Proofreading…")));
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        QTest::qWait(300);
        QCOMPARE(X11WindowProps::activeWindow(m_backend->connection()), m_editorWindow);
        QVERIFY(!QGuiApplication::focusWindow());

        const QRect expected = ScreenCoordinates::fromYUp(m_resultPanel->frame(), primaryGeometry()).toAlignedRect();
        QCOMPARE(panelOnDesktop(), expected);
        QCOMPARE(expected.left(), 407);
        // Centred on the anchor, which spans desktop y 282 to 300.
        QVERIFY(qAbs(expected.center().y() - 291) <= 1);

        // Near the right edge it goes to the anchor's left, inside the margin.
        m_resultPanel->anchor = QRectF(1270, 500, 1, 18);
        m_resultPanel->show(ResultPanelState::failed(QStringLiteral("No text selected.")));
        QTRY_COMPARE(panelOnDesktop().right(), 1270 - 6 - 1);
        QVERIFY(panelOnDesktop().left() >= 4);
        QCOMPARE(X11WindowProps::activeWindow(m_backend->connection()), m_editorWindow);
        hideAndWait();
    }

    void progressLetsClicksThroughAndResultTakesThem()
    {
        m_resultPanel->anchor = QRectF(500, 400, 1, 18);
        m_resultPanel->show(ResultPanelState::working(QStringLiteral("Rewriting…")));
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
        const QPoint centre = panelOnDesktop().center();
        xdotool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y())});
        QTRY_VERIFY(windowUnderPointer() != 0);
        QVERIFY(windowUnderPointer() != m_panel->winId());

        m_resultPanel->show(ResultPanelState::result(QStringLiteral("A result that takes clicks.")));
        QTRY_COMPARE(windowUnderPointer(), quint64(m_panel->winId()));
        hideAndWait();
    }

    void buttonsWorkWithoutActivating()
    {
        int copies = 0;
        int replaces = 0;
        QObject::connect(m_resultPanel.get(), &ResultPanel::copyChosen, this, [&] { ++copies; });
        QObject::connect(m_resultPanel.get(), &ResultPanel::replaceChosen, this, [&] { ++replaces; });
        showResult(QRectF(300, 400, 1, 18), QStringLiteral("The corrected sentence."), true);
        QTest::qWait(200);
        clickAt(m_panel->replaceButton()->mapToGlobal(m_panel->replaceButton()->rect().center()));
        QTRY_COMPARE(replaces, 1);
        QTRY_VERIFY(!m_panel->isVisible());
        QCOMPARE(copies, 0);
        QCOMPARE(X11WindowProps::activeWindow(m_backend->connection()), m_editorWindow);

        showResult(QRectF(300, 400, 1, 18), QStringLiteral("Copy only."));
        QVERIFY(!m_panel->replaceButton()->isVisible());
        QVERIFY(m_panel->copyButton()->isProminent());
        QTest::qWait(200);
        clickAt(m_panel->copyButton()->mapToGlobal(m_panel->copyButton()->rect().center()));
        QTRY_COMPARE(copies, 1);
        QTRY_VERIFY(!m_panel->isVisible());
        QCOMPARE(X11WindowProps::activeWindow(m_backend->connection()), m_editorWindow);
        m_resultPanel->disconnect(this);
    }

    void clickOrKeyElsewhereHidesAResult()
    {
        showResult(QRectF(100, 700, 1, 18), QStringLiteral("Shown until the user does something else."));
        QTest::qWait(200);
        // A click in the editor, far from the panel.
        clickAt(QPoint(900, 600));
        QTRY_VERIFY(!m_panel->isVisible());
        QVERIFY(!m_resultPanel->watchesOutsideInput());

        showResult(QRectF(100, 700, 1, 18), QStringLiteral("Typing elsewhere hides it too."));
        QTest::qWait(200);
        // A modifier alone is not typing; scrolling is not clicking.
        xdotool({QStringLiteral("key"), QStringLiteral("shift")});
        xdotool({QStringLiteral("mousemove"), QStringLiteral("900"), QStringLiteral("600"), QStringLiteral("click"),
                 QStringLiteral("5")});
        QTest::qWait(400);
        QVERIFY(m_panel->isVisible());
        xdotool({QStringLiteral("key"), QStringLiteral("x")});
        QTRY_VERIFY(!m_panel->isVisible());
    }
};

QTEST_MAIN(ItestResultPanel)
#include "itest_resultpanel.moc"
