// The recorder field against a real X server: real key presses from xdotool, a real key grab held by
// another client, the real keyboard map.
#include "globalshortcuts/registry.h"
#include "keys/keymodifiers.h"
#include "platform/fake/memorydefaults.h"
#include "platform/x11/x11hotkeyservice.h"
#include "platform/x11/x11keyboardlayout.h"
#include "ui/shortcutrecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QVBoxLayout>

using namespace GlobalShortcuts;

namespace {
constexpr KeyModifiers controlOption = KeyModifiers::control | KeyModifiers::option;

void xdotool(const QStringList &arguments)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
}
} // namespace

class TestShortcutRecorderX11 final : public QObject {
    Q_OBJECT

    MemoryDefaults m_defaults;
    std::unique_ptr<X11HotKeyService> m_service;
    std::unique_ptr<Registry> m_registry;
    X11KeyboardLayout m_layout;
    std::unique_ptr<QWidget> m_window;
    ShortcutRecorder *m_recorder = nullptr;
    int m_downs = 0;

private Q_SLOTS:
    void init()
    {
        cleanup(); // after a failed init, cleanup() did not run
        m_service = std::make_unique<X11HotKeyService>();
        m_registry = std::make_unique<Registry>(m_defaults, *m_service, nullptr);
        m_registry->onKeyDown(Name::actionWheel(), [this] { ++m_downs; });
        m_registry->setShortcut(Name::actionWheel().defaultShortcut, Name::actionWheel());
        m_downs = 0;
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_recorder = new ShortcutRecorder(*m_registry, m_layout, Name::actionWheel());
        layout->addWidget(m_recorder);
        layout->addWidget(new QLineEdit);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::mouseClick(m_recorder, Qt::LeftButton);
        QTRY_VERIFY(m_recorder->isRecording());
    }

    void cleanup()
    {
        m_window.reset();
        m_registry.reset();
        m_service.reset();
    }

    void recordsRealKeysAndTheNewHotKeyFires()
    {
        // The old shortcut is released while recording, so the press reaches the field.
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+h")});
        QTRY_VERIFY(!m_recorder->isRecording());
        QCOMPARE(m_downs, 0);

        QTest::mouseClick(m_recorder, Qt::LeftButton);
        QTRY_VERIFY(m_recorder->isRecording());
        xdotool({QStringLiteral("key"), QStringLiteral("super+F5")});
        QTRY_COMPARE(m_recorder->text(), QStringLiteral("Super+F5"));
        QCOMPARE(m_defaults.stringValue(QStringLiteral("GlobalShortcuts_actionWheel")),
                 std::optional<QString>(QStringLiteral("{\"carbonKeyCode\":96,\"carbonModifiers\":256}")));
        QTRY_VERIFY(!m_registry->isPaused());
        xdotool({QStringLiteral("key"), QStringLiteral("super+F5")});
        QTRY_COMPARE(m_downs, 1);
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+h")});
        QTest::qWait(200);
        QCOMPARE(m_downs, 1);
    }

    void keyHeldByAnotherClientIsReportedAsTaken()
    {
        QProcess holder;
        holder.start(qEnvironmentVariable("RINGLE_BUILD_DIR") + QStringLiteral("/tests/programs/x11keytool/x11keytool"),
                     {QStringLiteral("grab"), QStringLiteral("6b"), QStringLiteral("c")});
        QVERIFY(holder.waitForReadyRead(5000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("grabbed"));

        // The holder's grab takes the real key press, so this one is made up; its keysym is k.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_K, Qt::ControlModifier | Qt::AltModifier, 0, 0x6b, 0);
        QApplication::sendEvent(m_recorder, &press);
        QTRY_VERIFY(m_recorder->alert() && m_recorder->alert()->isVisible());
        QCOMPARE(m_recorder->alert()->text(), QStringLiteral("Another application or your desktop already uses this shortcut."));
        m_recorder->alert()->buttons().first()->click();
        QTRY_VERIFY(m_recorder->isRecording());
        QCOMPARE(m_registry->shortcut(Name::actionWheel()), std::optional<Shortcut>(Shortcut{4, controlOption}));

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished());
        QApplication::sendEvent(m_recorder, &press);
        QTRY_COMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+K"));
    }
};

QTEST_MAIN(TestShortcutRecorderX11)
#include "itest_shortcutrecorder.moc"
