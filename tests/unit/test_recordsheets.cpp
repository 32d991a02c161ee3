// The key-combination and prompt sheets on the real widgets, and the rules by which a key press is
// recorded.
#include "globalshortcuts/registry.h"
#include "platform/fake/fakehotkeyservice.h"
#include "platform/fake/fakekeyboardlayout.h"
#include "platform/fake/memorydefaults.h"
#include "ui/keycomborecordbox.h"
#include "ui/keycombosheet.h"
#include "ui/promptsheet.h"
#include "ui/symbolbutton.h"
#include "ui/symbolicons.h"
#include "wheel/keycomborecording.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using GlobalShortcuts::Registry;
using Outcome = KeyComboRecording::Outcome;

namespace {
const Qt::KeyboardModifiers none = Qt::NoModifier;
const Qt::KeyboardModifiers ctrlAltSuper = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

CustomKeyCombo stored()
{
    return CustomKeyCombo{QUuid::createUuid(), KeyCombo{QStringLiteral("Match Style"), 9,
                                                        KeyModifiers::option | KeyModifiers::shift, QStringLiteral("V")},
                          QStringLiteral("paintbrush")};
}
} // namespace

class TestRecordSheets final : public QObject {
    Q_OBJECT

    MemoryDefaults m_defaults;
    FakeHotKeyService m_service;
    std::unique_ptr<Registry> m_registry;
    FakeKeyboardLayout m_layout;
    SymbolIcons m_icons;
    std::unique_ptr<QWidget> m_window;
    QAction *m_quit = nullptr;

    KeyComboSheet *openSheet(const std::optional<CustomKeyCombo> &original)
    {
        auto *sheet = new KeyComboSheet(original, m_layout, m_registry.get(), m_icons, m_window.get());
        sheet->open();
        QApplication::setActiveWindow(sheet);
        if (!QTest::qWaitForWindowActive(sheet))
            qWarning("sheet not active");
        return sheet;
    }
    // A key press as the window delivers it: to the widget with the focus.
    static void press(QWidget *sheet, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = sheet->focusWidget() ? sheet->focusWidget() : sheet;
        QTest::keyClick(target, key, modifiers);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const std::tuple<Qt::Key, int, const char *> keys[] = {
            {Qt::Key_S, 1, "s"}, {Qt::Key_K, 40, "k"}, {Qt::Key_Q, 12, "q"}, {Qt::Key_H, 4, "h"},
            {Qt::Key_Escape, 53, ""}, {Qt::Key_Tab, 48, ""}, {Qt::Key_Return, 36, ""}, {Qt::Key_Space, 49, " "}};
        for (const auto &[key, code, character] : keys)
            m_layout.addKey(key, code, QString::fromLatin1(character));
    }

    void init()
    {
        m_registry = std::make_unique<Registry>(m_defaults, m_service, nullptr);
        m_window = std::make_unique<QWidget>();
        m_quit = new QAction(m_window.get());
        m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
        m_quit->setShortcutContext(Qt::ApplicationShortcut);
        m_window->addAction(m_quit);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_registry.reset();
    }

    void recordingRules_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<std::optional<int>>("keyCode");
        QTest::addColumn<QString>("character");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("storedModifiers");
        QTest::addColumn<QString>("label");
        const auto code = [](int c) { return std::optional<int>(c); };
        QTest::newRow("S alone") << int(Qt::Key_S) << none << code(1) << "s" << Outcome::record << 0 << "S";
        QTest::newRow("ctrl+alt+super+K") << int(Qt::Key_K) << ctrlAltSuper << code(40) << "k" << Outcome::record << 7
                                          << "K";
        QTest::newRow("shift+ctrl") << int(Qt::Key_K) << (Qt::ShiftModifier | Qt::ControlModifier) << code(40) << "k"
                                    << Outcome::record << 12 << "K";
        QTest::newRow("Tab alone") << int(Qt::Key_Tab) << none << code(48) << "" << Outcome::passOn << 0 << "";
        QTest::newRow("ctrl+Tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ControlModifier) << code(48) << ""
                                  << Outcome::record << 4 << "Tab";
        QTest::newRow("Escape alone") << int(Qt::Key_Escape) << none << code(53) << "" << Outcome::stop << 0 << "";
        QTest::newRow("ctrl+Escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ControlModifier) << code(53)
                                     << "" << Outcome::record << 4 << "Esc";
        QTest::newRow("Return alone") << int(Qt::Key_Return) << none << code(36) << "" << Outcome::record << 0
                                      << "Enter";
        QTest::newRow("F5 alone") << int(Qt::Key_F5) << none << code(96) << "" << Outcome::record << 0 << "F5";
        QTest::newRow("no character") << int(Qt::Key_unknown) << none << code(10) << "" << Outcome::record << 0 << "?";
        QTest::newRow("control alone") << int(Qt::Key_Control) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                       << code(59) << "" << Outcome::wait << 0 << "";
        QTest::newRow("super alone") << int(Qt::Key_Meta) << Qt::KeyboardModifiers(Qt::MetaModifier) << code(55) << ""
                                     << Outcome::wait << 0 << "";
        QTest::newRow("no key code") << int(Qt::Key_LaunchMail) << none << std::optional<int>() << "" << Outcome::reject
                                     << 0 << "";
        QTest::newRow("no key code, modified") << int(Qt::Key_LaunchMail) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                               << std::optional<int>() << "" << Outcome::reject << 0 << "";
    }

    void recordingRules()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(std::optional<int>, keyCode);
        QFETCH(QString, character);
        QFETCH(Outcome, outcome);
        QFETCH(int, storedModifiers);
        QFETCH(QString, label);
        const std::optional<Key> pressed = keyCode ? std::optional<Key>(quint16(*keyCode)) : std::nullopt;
        const KeyComboRecording::Decision decision = KeyComboRecording::decide(key, modifiers, pressed, character);
        QCOMPARE(decision.outcome, outcome);
        QCOMPARE(decision.combo.has_value(), outcome == Outcome::record);
        if (decision.combo) {
            QCOMPARE(decision.combo->title, QString());
            QCOMPARE(int(decision.combo->key.code), *keyCode);
            QCOMPARE(decision.combo->toJson().value(QLatin1String("modifiers")).toInt(), storedModifiers);
            QCOMPARE(decision.combo->keyLabel, label);
        }
    }

    void aNewCombinationRecordsAtOnceAndEscapeLeavesNothing()
    {
        KeyComboSheet *sheet = openSheet(std::nullopt);
        QCOMPARE(sheet->heading()->text(), QStringLiteral("New Key Combo"));
        QCOMPARE(sheet->symbolButton()->symbol(), QStringLiteral("keyboard"));
        QVERIFY(sheet->recordBox()->isRecording());
        QCOMPARE(sheet->recordBox()->text(), QStringLiteral("Press the keys…"));
        QVERIFY(m_registry->isPaused());
        QVERIFY(!sheet->saveButton()->isEnabled());
        press(sheet, Qt::Key_Escape);
        QVERIFY(sheet->isVisible()); // Escape ends recording, not the sheet
        QVERIFY(!sheet->recordBox()->isRecording());
        QVERIFY(!m_registry->isPaused());
        QCOMPARE(sheet->recordBox()->text(), QStringLiteral("Click to record"));
        QVERIFY(!sheet->saveButton()->isEnabled());
        press(sheet, Qt::Key_Escape); // now it is Cancel
        QTRY_VERIFY(!sheet->isVisible());
    }

    void recordedKeysAreSavedUnderTheTrimmedName()
    {
        KeyComboSheet *sheet = openSheet(std::nullopt);
        QSignalSpy saved(sheet, &KeyComboSheet::saved);
        press(sheet, Qt::Key_Tab); // passes on: the focus moves, recording goes on
        QVERIFY(sheet->recordBox()->isRecording());
        sheet->recordBox()->setFocus();
        press(sheet, Qt::Key_Control, Qt::ControlModifier); // a modifier alone records nothing
        QVERIFY(sheet->recordBox()->isRecording());
        press(sheet, Qt::Key_K, ctrlAltSuper);
        QVERIFY(!sheet->recordBox()->isRecording());
        QCOMPARE(sheet->recordBox()->text(), QStringLiteral("Ctrl+Alt+Super+K"));
        QVERIFY(sheet->saveButton()->isEnabled());
        sheet->nameField()->setText(QStringLiteral(" \tSpread Out\t "));
        sheet->saveButton()->click();
        QCOMPARE(saved.size(), 1);
        const auto record = saved.at(0).at(0).value<CustomKeyCombo>();
        QCOMPARE(record.combo, (KeyCombo{QStringLiteral("Spread Out"), 40, KeyModifiers::command | KeyModifiers::option | KeyModifiers::control, QStringLiteral("K")}));
        QCOMPARE(record.symbol, QStringLiteral("keyboard"));
    }

    void recordingClaimsTheWindowsShortcuts()
    {
        // Not recording, Ctrl+Q acts as the application's shortcut.
        KeyComboSheet *sheet = openSheet(stored());
        // Where the sheet is in front, the shortcuts of the window it blocks cannot act anyway.
        m_quit->setShortcutContext(Qt::WindowShortcut);
        sheet->addAction(m_quit);
        QSignalSpy quit(m_quit, &QAction::triggered);
        press(sheet, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.size(), 1);
        QTest::mouseClick(sheet->recordBox(), Qt::LeftButton);
        QVERIFY(sheet->recordBox()->isRecording());
        press(sheet, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(quit.size(), 1);
        QCOMPARE(sheet->recordBox()->captured()->key, Key::q);
        QCOMPARE(sheet->recordBox()->text(), QStringLiteral("Ctrl+Q"));
        // Return while recording is a key like any other, not Save.
        QSignalSpy saved(sheet, &KeyComboSheet::saved);
        QTest::mouseClick(sheet->recordBox(), Qt::LeftButton);
        press(sheet, Qt::Key_Return);
        QCOMPARE(saved.size(), 0);
        QCOMPARE(sheet->recordBox()->text(), QStringLiteral("Enter"));
        press(sheet, Qt::Key_Return); // now Save
        QCOMPARE(saved.size(), 1);
    }

    void escapeOrTheNameFieldBringsThePreviousCombinationBack()
    {
        const CustomKeyCombo original = stored();
        KeyComboSheet *sheet = openSheet(original);
        QCOMPARE(sheet->heading()->text(), QStringLiteral("Edit Key Combo"));
        QVERIFY(!sheet->recordBox()->isRecording());
        QVERIFY(!m_registry->isPaused());
        QTest::mouseClick(sheet->recordBox(), Qt::LeftButton);
        QVERIFY(!sheet->saveButton()->isEnabled());
        QVERIFY(m_registry->isPaused());
        press(sheet, Qt::Key_Escape);
        QVERIFY(sheet->saveButton()->isEnabled());
        QCOMPARE(sheet->recordBox()->text(), QStringLiteral("Alt+Shift+V"));
        QTest::mouseClick(sheet->recordBox(), Qt::LeftButton);
        QTest::mouseClick(sheet->nameField(), Qt::LeftButton);
        QVERIFY(!sheet->recordBox()->isRecording());
        QVERIFY(!m_registry->isPaused());
        QCOMPARE(sheet->recordBox()->captured(), std::optional<KeyCombo>(original.combo));
    }

    void editingKeepsTheIdentityAndTheKeys()
    {
        const CustomKeyCombo original = stored();
        KeyComboSheet *sheet = openSheet(original);
        QSignalSpy saved(sheet, &KeyComboSheet::saved);
        sheet->nameField()->setText(QStringLiteral("Paste Plain"));
        sheet->symbolButton()->setSymbol(QStringLiteral("doc.on.clipboard"));
        sheet->saveButton()->click();
        QCOMPARE(saved.size(), 1);
        const auto record = saved.at(0).at(0).value<CustomKeyCombo>();
        QCOMPARE(record.id, original.id);
        QCOMPARE(record.combo.key, original.combo.key);
        QCOMPARE(record.combo.modifiers, original.combo.modifiers);
        QCOMPARE(record.combo.title, QStringLiteral("Paste Plain"));
        QCOMPARE(record.symbol, QStringLiteral("doc.on.clipboard"));
    }

    void aKeyWithoutCodeBeepsAndRecordingGoesOn()
    {
        KeyComboSheet *sheet = openSheet(std::nullopt);
        press(sheet, Qt::Key_LaunchMail, Qt::ControlModifier);
        QVERIFY(sheet->recordBox()->isRecording());
        QVERIFY(!sheet->recordBox()->captured());
        press(sheet, Qt::Key_S);
        QCOMPARE(sheet->recordBox()->captured(), (std::optional<KeyCombo>(KeyCombo{QString(), 1, {}, QStringLiteral("S")})));
    }

    void closingTheSheetWhileRecordingGivesTheHotKeysBack()
    {
        KeyComboSheet *sheet = openSheet(std::nullopt);
        QVERIFY(m_registry->isPaused());
        sheet->cancelButton()->click();
        QTRY_VERIFY(!m_registry->isPaused());
    }

    void promptSaveNeedsAnInstruction_data()
    {
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("spaces and line breaks") << QStringLiteral("  \n\t \n") << false;
        QTest::newRow("one character") << QStringLiteral("x") << true;
        QTest::newRow("text between blanks") << QStringLiteral("\n Shout it \n") << true;
    }

    void promptSaveNeedsAnInstruction()
    {
        QFETCH(QString, instruction);
        QFETCH(bool, enabled);
        auto *sheet = new PromptSheet(std::nullopt, m_icons, m_window.get());
        sheet->instructionField()->setPlainText(instruction);
        QCOMPARE(sheet->saveButton()->isEnabled(), enabled);
        sheet->deleteLater();
    }

    void aNewPromptIsSavedAsTyped()
    {
        auto *sheet = new PromptSheet(std::nullopt, m_icons, m_window.get());
        sheet->open();
        QCOMPARE(sheet->heading()->text(), QStringLiteral("New Prompt"));
        QCOMPARE(sheet->instructionField()->placeholderText(),
                 QStringLiteral("e.g. Make it more formal, then shorten it to at most three sentences."));
        QVERIFY(sheet->instructionField()->height() >= 110);
        QVERIFY(sheet->replaceChoice()->isChecked());
        QVERIFY(sheet->keepLanguageSwitch()->isChecked());
        QCOMPARE(sheet->symbolButton()->symbol(), QStringLiteral("text.bubble"));
        QSignalSpy saved(sheet, &PromptSheet::saved);
        sheet->nameField()->setText(QStringLiteral("  "));
        sheet->instructionField()->setPlainText(QStringLiteral("Upper-case it."));
        sheet->saveButton()->click();
        QCOMPARE(saved.size(), 1);
        const auto prompt = saved.at(0).at(0).value<CustomPrompt>();
        QCOMPARE(prompt.name, QStringLiteral("  "));
        QCOMPARE(prompt.title(), QStringLiteral("Untitled Prompt"));
        QCOMPARE(prompt.instruction, QStringLiteral("Upper-case it."));
        QCOMPARE(prompt.result, CustomPrompt::ResultMode::replace);
        QVERIFY(prompt.keepLanguage);
        QTRY_VERIFY(!sheet->isVisible());
    }

    void editingAPromptKeepsItsIdentity()
    {
        const CustomPrompt original{QUuid::createUuid(), QStringLiteral("German"), QStringLiteral("translate"),
                                    QStringLiteral("Translate to German."), CustomPrompt::ResultMode::show, false};
        auto *sheet = new PromptSheet(original, m_icons, m_window.get());
        sheet->open();
        QCOMPARE(sheet->heading()->text(), QStringLiteral("Edit Prompt"));
        QVERIFY(sheet->showChoice()->isChecked());
        QVERIFY(!sheet->keepLanguageSwitch()->isChecked());
        QCOMPARE(sheet->draft(), original);
        QSignalSpy saved(sheet, &PromptSheet::saved);
        sheet->replaceChoice()->click();
        sheet->keepLanguageSwitch()->click();
        sheet->saveButton()->click();
        QCOMPARE(saved.size(), 1);
        CustomPrompt expected = original;
        expected.result = CustomPrompt::ResultMode::replace;
        expected.keepLanguage = true;
        QCOMPARE(saved.at(0).at(0).value<CustomPrompt>(), expected);
    }
};

QTEST_MAIN(TestRecordSheets)
#include "test_recordsheets.moc"
