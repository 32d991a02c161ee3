#include "globalshortcuts/registry.h"
#include "keys/keymodifiers.h"
#include "platform/fake/fakehotkeyservice.h"
#include "platform/fake/fakekeyboardlayout.h"
#include "platform/fake/memorydefaults.h"
#include "ui/shortcutrecorder.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace GlobalShortcuts;

namespace {
constexpr KeyModifiers controlOption = KeyModifiers::control | KeyModifiers::option;
const QString wheelKey = QStringLiteral("GlobalShortcuts_actionWheel");
const Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
} // namespace

class TestShortcutRecorder final : public QObject {
    Q_OBJECT

    std::unique_ptr<MemoryDefaults> m_defaults;
    std::unique_ptr<FakeHotKeyService> m_service;
    std::unique_ptr<Registry> m_registry;
    FakeKeyboardLayout m_layout;
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_other = nullptr;
    ShortcutRecorder *m_recorder = nullptr;
    int m_wheelOpened = 0;

    void startRecording()
    {
        QTest::mouseClick(m_recorder, Qt::LeftButton);
        QTRY_VERIFY(m_recorder->isRecording());
    }

    QAbstractButton *alertButton(const QString &text)
    {
        const auto buttons = m_recorder->alert()->buttons();
        for (QAbstractButton *button : buttons) {
            if (button->text() == text)
                return button;
        }
        return buttons.size() == 1 && text.isEmpty() ? buttons.first() : nullptr;
    }

    // The alert shown for the last key: its title, after which the given button is clicked.
    QString answerAlert(const QString &button = QString())
    {
        if (!QTest::qWaitFor([this] { return m_recorder->alert() && m_recorder->alert()->isVisible(); }))
            return QStringLiteral("<no alert>");
        const QString title = m_recorder->alert()->text();
        QAbstractButton *target = alertButton(button);
        if (!target)
            return QStringLiteral("<no button %1>").arg(button);
        target->click();
        return title;
    }

private Q_SLOTS:
    void init()
    {
        m_defaults = std::make_unique<MemoryDefaults>();
        m_service = std::make_unique<FakeHotKeyService>();
        m_registry = std::make_unique<Registry>(*m_defaults, *m_service, nullptr);
        m_registry->onKeyDown(Name::actionWheel(), [this] { ++m_wheelOpened; });
        m_wheelOpened = 0;
        const std::pair<Qt::Key, int> keys[] = {{Qt::Key_H, 4}, {Qt::Key_J, 38}, {Qt::Key_K, 40}};
        for (const auto &[qtKey, code] : keys)
            m_layout.addKey(qtKey, code, QString(QChar(qtKey)).toLower());
        m_layout.addKey(Qt::Key_F5, 96);
        m_layout.addKey(Qt::Key_F12, 111);

        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_recorder = new ShortcutRecorder(*m_registry, m_layout, Name::actionWheel());
        m_other = new QLineEdit;
        layout->addWidget(m_recorder);
        layout->addWidget(m_other);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_registry.reset();
    }

    void recordingPausesHotKeysAndTakesTheCurrentShortcutWithoutAMenuCheck()
    {
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+H"));
        QCOMPARE(m_recorder->sizeHint().width(), 130);
        QTest::qWait(50); // nothing records before a click
        QVERIFY(!m_recorder->isRecording());
        QVERIFY(!m_registry->isPaused());
        QMenu menu;
        menu.addAction(QStringLiteral("Open Wheel"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+H")));
        m_recorder->setMenu(&menu);
        QSignalSpy active(m_registry.get(), &Registry::recorderActiveStatusDidChange);
        startRecording();
        QCOMPARE(m_recorder->placeholderText(), QStringLiteral("Press keys…"));
        QVERIFY(m_registry->isPaused());
        QVERIFY(!m_service->press(4, controlOption));
        QCOMPARE(m_wheelOpened, 0);

        QSignalSpy changed(m_recorder, &ShortcutRecorder::shortcutChanged);
        QTest::keyClick(m_recorder, Qt::Key_H, ctrlAlt);
        QVERIFY(!m_recorder->alert());
        QCOMPARE(changed.size(), 1);
        QVERIFY(!m_recorder->isRecording());
        QCOMPARE(active.size(), 2);
        QVERIFY(m_service->press(4, controlOption));
        QCOMPARE(m_wheelOpened, 1);
    }

    void keysWithoutCommandModifiersMustBeFunctionKeys()
    {
        startRecording();
        const int writes = m_defaults->writeCount();
        QTest::keyClick(m_recorder, Qt::Key_H);
        QTest::keyClick(m_recorder, Qt::Key_H, Qt::ShiftModifier);
        QTest::keyClick(m_recorder, Qt::Key_Control, Qt::ControlModifier);
        QCOMPARE(m_defaults->writeCount(), writes);
        QVERIFY(m_recorder->isRecording());
        QTest::keyClick(m_recorder, Qt::Key_F5);
        QCOMPARE(m_defaults->stringValue(wheelKey),
                 std::optional<QString>(QStringLiteral("{\"carbonKeyCode\":96,\"carbonModifiers\":0}")));
        QCOMPARE(m_recorder->text(), QStringLiteral("F5"));
        QVERIFY(m_service->isRegistered(96, {}));
        QVERIFY(!m_service->isRegistered(4, controlOption));
    }

    void tabMovesOnAndEscapeKeepsTheShortcut()
    {
        startRecording();
        QTest::keyClick(m_recorder, Qt::Key_Tab);
        QVERIFY(!m_recorder->isRecording());
        QTRY_VERIFY(m_other->hasFocus());
        startRecording();
        QTest::keyClick(m_recorder, Qt::Key_Escape);
        QVERIFY(!m_recorder->isRecording());
        QVERIFY(!m_recorder->hasFocus());
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+H"));
        QVERIFY(!m_registry->isPaused());
    }

    void deleteClearsStoresFalseAndKeepsRecording()
    {
        startRecording();
        QSignalSpy changed(m_recorder, &ShortcutRecorder::shortcutChanged);
        QTest::keyClick(m_recorder, Qt::Key_Backspace);
        QCOMPARE(m_defaults->boolValue(wheelKey), std::optional<bool>(false));
        QCOMPARE(m_recorder->text(), QString());
        QCOMPARE(changed.size(), 1);
        QVERIFY(!changed.first().first().value<std::optional<Shortcut>>());
        QVERIFY(m_recorder->isRecording());
        QTest::keyClick(m_recorder, Qt::Key_J, ctrlAlt);
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+J"));
    }

    void menuItemsBlockTheirShortcutsDepthFirst()
    {
        QMenu menu, submenu(QStringLiteral("More"));
        submenu.addAction(QStringLiteral("&Settings && More"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
        menu.addMenu(&submenu);
        m_recorder->setMenu(&menu);
        startRecording();
        QTest::keyClick(m_recorder, Qt::Key_J, ctrlAlt);
        QCOMPARE(answerAlert(), QStringLiteral("The menu item “Settings & More” already uses this shortcut."));
        QTRY_VERIFY(m_recorder->isRecording());
        QCOMPARE(m_registry->shortcut(Name::actionWheel()), Name::actionWheel().defaultShortcut);

        // Under a warning policy the second button uses it anyway.
        m_recorder->setConflictPolicy({ConflictBehavior::warn, ConflictBehavior::warn, ConflictBehavior::block});
        QTest::keyClick(m_recorder, Qt::Key_J, ctrlAlt);
        answerAlert(QStringLiteral("OK"));
        QTRY_VERIFY(m_recorder->isRecording());
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+H"));
        QTest::keyClick(m_recorder, Qt::Key_J, ctrlAlt);
        answerAlert(QStringLiteral("Use Anyway"));
        QTRY_COMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+J"));
        QVERIFY(!m_recorder->isRecording());
    }

    void keysOtherProgramsHoldAreRefusedExceptBareF12()
    {
        m_service->setTaken(40, controlOption);
        m_service->setTaken(111, {});
        startRecording();
        QTest::keyClick(m_recorder, Qt::Key_K, ctrlAlt);
        QCOMPARE(answerAlert(), QStringLiteral("Another application or your desktop already uses this shortcut."));
        QTRY_VERIFY(m_recorder->isRecording());
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+H"));
        QTest::keyClick(m_recorder, Qt::Key_F12);
        QVERIFY(!m_recorder->alert());
        QCOMPARE(m_recorder->text(), QStringLiteral("F12"));

        m_recorder->setConflictPolicy(ConflictPolicy::allowAll());
        startRecording();
        QTest::keyClick(m_recorder, Qt::Key_K, ctrlAlt);
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+K"));
    }

    void validationRefusesWithItsReason()
    {
        m_recorder->setValidator([](const Shortcut &s) {
            return s.key == Key::j ? ValidationResult::disallow(QStringLiteral("J is reserved"))
                                         : ValidationResult::allow();
        });
        startRecording();
        QTest::keyClick(m_recorder, Qt::Key_J, ctrlAlt);
        QCOMPARE(answerAlert(), QStringLiteral("J is reserved"));
        QTRY_VERIFY(m_recorder->isRecording());
        QTest::keyClick(m_recorder, Qt::Key_K, ctrlAlt);
        QCOMPARE(m_recorder->text(), QStringLiteral("Ctrl+Alt+K"));
    }

    void clicksJustOutsideKeepRecording_data()
    {
        QTest::addColumn<int>("distance");
        QTest::addColumn<bool>("stillRecording");
        QTest::newRow("2 px") << 2 << true;
        QTest::newRow("4 px") << 4 << false;
    }
    void clicksJustOutsideKeepRecording()
    {
        QFETCH(int, distance);
        QFETCH(bool, stillRecording);
        startRecording();
        const QPoint outside = m_recorder->mapTo(m_window.get(), QPoint(m_recorder->width() - 1 + distance, 5));
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, outside);
        QCOMPARE(m_recorder->isRecording(), stillRecording);
    }

    void followsChangesMadeElsewhereAndBindsValues()
    {
        m_registry->setShortcut(Shortcut{38, KeyModifiers::command}, Name::actionWheel());
        QCOMPARE(m_recorder->text(), QStringLiteral("Super+J"));

        auto *bound = new ShortcutRecorder(*m_registry, m_layout, std::nullopt);
        m_window->layout()->addWidget(bound);
        QSignalSpy changed(bound, &ShortcutRecorder::shortcutChanged);
        const int writes = m_defaults->writeCount();
        QTest::mouseClick(bound, Qt::LeftButton);
        QTRY_VERIFY(bound->isRecording());
        QTest::keyClick(bound, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(bound->shortcut(), std::optional<Shortcut>(Shortcut{40, KeyModifiers::control}));
        QCOMPARE(changed.size(), 1);
        bound->setShortcut(Shortcut{4, KeyModifiers::control});
        QCOMPARE(bound->text(), QStringLiteral("Ctrl+H"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_defaults->writeCount(), writes);
    }

    void destroyingARecordingFieldResumesHotKeys()
    {
        startRecording();
        QVERIFY(m_registry->isPaused());
        delete m_recorder;
        QVERIFY(!m_registry->isPaused());
        QVERIFY(m_service->press(4, controlOption));
    }
};

QTEST_MAIN(TestShortcutRecorder)
#include "test_shortcutrecorder.moc"
