#include "actions/actionrunner.h"
#include "actions/appcontroller.h"
#include "actions/askopener.h"
#include "actions/controllerstatus.h"
#include "actions/sessionparts.h"
#include "base/ringleerror.h"
#include "ai/requestcancelled.h"
#include "fakeresultpanelview.h"
#include "keys/keymodifiers.h"
#include "lineprocess.h"
#include "platform/fake/fakeplatform.h"
#include "platform/fake/faketextapp.h"
#include "platform/fake/memorydefaults.h"
#include "taskrunner.h"
#include "testsupport.h"
#include "wheel/customkeycombo.h"
#include "wheel/customprompt.h"
#include "ai/worddiff.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {
const QString typo = QStringLiteral("Ths sentence has a tpyo in it.");
const QString fixed = QStringLiteral("This sentence has a typo in it.");
const KeyCombo selectAll{QStringLiteral("Select All"), 0, KeyModifiers(KeyModifiers::control), QStringLiteral("A")};
constexpr KeyModifiers wheelButtonFlags = KeyModifiers::control | KeyModifiers::option;

struct NoWheelPanel final : WheelPanel {
    void showWheel(QPointF, const std::optional<QRectF> &) override {}
    void hideWheel() override {}
};

// Records what the Ask window was opened with.
struct FakeAskOpener final : AskOpener {
    void open(std::optional<QString> context) override { openings.append(context); }
    bool isAnswering() const override { return answering; }
    QList<std::optional<QString>> openings;
    bool answering = false;
};

// The controller over fakes of everything outside the process, with the real core in between: a
// text application answering the copy and paste keys, a scripted on-device model, the real wheel,
// mouse trigger, shortcut registry, result panel and text replacer.
struct Desk {
    MemoryDefaults defaults;
    FakePlatform fakes;
    FakeTextApp app{fakes.keyboard, fakes.clipboard};
    FakeResultPanelView *panel = nullptr;
    ControllerStatus status;
    bool trusted = true;
    SessionParts parts{fakes.platform(), defaults, status,
                       {.wheelPanel = [](WheelModel &) { return std::make_unique<NoWheelPanel>(); },
                        .resultPanel =
                            [this](ResultPanelButtons &buttons) {
                                auto made = std::make_unique<FakeResultPanelView>(buttons);
                                panel = made.get();
                                return made;
                            },
                        .isTrusted = [this] { return trusted; },
                        .shortcutsTool = TestSupport::buildPath(QStringLiteral("src/app/ringle-shortcuts")),
                        .resultTimings = ResultPanel::Timings{5ms, 5ms, 10ms, 3000ms, 300ms}}};
    FakeOnDeviceModel &model = fakes.onDeviceModel;
    FakeHotKeyService &hotKeys = fakes.hotKeys;
    ActionWheel &wheel = parts.wheel;
    ResultPanel &resultPanel = parts.resultPanel;
    FakeAskOpener ask;
    AppController controller{parts};

    Desk()
    {
        parts.ask = &ask;
        fakes.workspace.setFrontApplication(RunningApp{41, QStringLiteral("org.example.Editor"), QStringLiteral("Editor")});
        app.setSelection(typo);
        controller.start();
    }

    // The user's gesture with the mouse trigger: press, drag `offset` (y down), release.
    void mouseGesture(QPointF offset)
    {
        const QPointF start(400, 300);
        fakes.mouseTap.send({MouseTapEvent::Type::buttonDown, 1, wheelButtonFlags, start, {}});
        fakes.mouseTap.send({MouseTapEvent::Type::buttonDragged, 1, wheelButtonFlags, start + offset, {}});
        fakes.mouseTap.send({MouseTapEvent::Type::buttonUp, 1, wheelButtonFlags, start + offset, {}});
    }

    std::optional<ResultPanelState> shown() const { return resultPanel.state(); }
    QList<ResultPanelState> shownStates() const
    {
        QList<ResultPanelState> states;
        if (panel) {
            for (const FakeResultPanelView::Content &content : panel->contents)
                states.append(content.state);
        }
        return states;
    }
    bool lastOffersReplace() const { return panel && !panel->contents.isEmpty() && panel->contents.last().offersReplace; }
    bool isResult() const { return shown() && shown()->kind == ResultPanelState::Kind::result; }
    bool isFailure(const QString &message) const { return shown() == ResultPanelState::failed(message); }
};

bool waitUntilIdle(const ControllerStatus &status)
{
    return QTest::qWaitFor([&] { return !status.isWorking(); }, 5000);
}

// A shortcut slot for a new script "Script" in the scripts folder of this test's configuration.
WheelItem scriptSlot(Desk &desk, const QByteArray &body)
{
    if (!TestSupport::writeShortcutScript(qEnvironmentVariable("XDG_CONFIG_HOME"), "Script.sh", body))
        return WheelItem::shortcut(QStringLiteral("Script"), QString());
    const auto listed = TaskRunner::run(desk.parts.shortcutsCLI.folders());
    const QList<ShortcutInfo> shortcuts = listed.value.value_or(QList<ShortcutFolder>{}).value(0).shortcuts;
    return WheelItem::shortcut(QStringLiteral("Script"), shortcuts.value(0).id);
}
} // namespace

Q_DECLARE_METATYPE(std::optional<QString>)

class TestAppController final : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_config;

private Q_SLOTS:
    void initTestCase()
    {
        m_config.reset(TestSupport::isolateConfigHome());
    }

    void mouseGestureRunsProofreadAndShowsTheResultFirst()
    {
        Desk desk;
        desk.model.enqueue(fixed);
        desk.mouseGesture({0, -80}); // toward the top slot: Proofread
        QTRY_VERIFY(desk.status.isWorking());
        QCOMPARE(desk.shownStates().value(0), ResultPanelState::working(QStringLiteral("Proofreading…")));
        QTRY_VERIFY(desk.isResult());
        QVERIFY(waitUntilIdle(desk.status));
        QCOMPARE(desk.shown()->text, fixed);
        QVERIFY(desk.lastOffersReplace());
        QVERIFY(!desk.status.lastError());
        QCOMPARE(desk.model.requests().size(), 1);
        QVERIFY(desk.app.pasted().isEmpty()); // nothing replaced before the user asks
    }

    void streamedAnswersGrowOnThePanelThenShowTheirChanges()
    {
        Desk desk;
        desk.model.enqueue(QStringList{QStringLiteral("This"), QStringLiteral("This sentence has"), fixed});
        desk.controller.run(WheelItem::proofread());
        QTRY_VERIFY(desk.isResult());
        QStringList written;
        for (const ResultPanelState &state : desk.shownStates()) {
            if (state.kind == ResultPanelState::Kind::streaming) {
                QCOMPARE(state.title, QStringLiteral("Proofreading…"));
                written.append(state.text);
            }
        }
        QCOMPARE(written, (QStringList{QStringLiteral("This"), QStringLiteral("This sentence has"), fixed}));
        // Complete, the answer shows what it changed, and Replace takes the clean text.
        QCOMPARE(desk.shown()->changes, WordDiff::compare(typo, fixed));
        QVERIFY(desk.lastOffersReplace());
        QVERIFY(waitUntilIdle(desk.status));
        desk.panel->replaceClicked();
        QTRY_COMPARE(desk.app.pasted(), QStringList{fixed});
        QCOMPARE(desk.status.results().entries().value(0), (RecentResults::Entry{QStringLiteral("Proofreading"), fixed}));
        QVERIFY(waitUntilIdle(desk.status));

        // Explaining marks nothing: its answer is no edit of the text.
        desk.model.enqueue(QStringLiteral("It has two spelling mistakes."));
        desk.controller.run(WheelItem::explain());
        QTRY_VERIFY(desk.isResult() && desk.shown()->text == u"It has two spelling mistakes.");
        QVERIFY(!desk.shown()->changes);
        QCOMPARE(desk.status.results().entries().size(), 2);
    }

    void anUnchangedTextHasNothingToReplace()
    {
        Desk desk;
        desk.app.setSelection(fixed);
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QTRY_VERIFY(desk.isResult());
        QVERIFY(desk.shown()->isUnchanged());
        QVERIFY(!desk.lastOffersReplace());
    }

    void stopKeepsWhatWasWrittenToCopyOnly()
    {
        Desk desk;
        desk.model.setStreamInterval(150ms);
        desk.model.enqueue(QStringList{QStringLiteral("This sentence"), QStringLiteral("This sentence has a"), fixed});
        desk.controller.run(WheelItem::proofread());
        QTRY_VERIFY(desk.shown() && desk.shown()->kind == ResultPanelState::Kind::streaming);
        // Not usable until the answer is complete.
        desk.panel->copyClicked();
        QVERIFY(desk.fakes.clipboard.textWrites().isEmpty());
        desk.panel->stopClicked();
        QTRY_VERIFY(desk.isResult());
        QVERIFY(waitUntilIdle(desk.status));
        QCOMPARE(*desk.shown(), ResultPanelState::stoppedResult(QStringLiteral("This sentence")));
        QVERIFY(!desk.lastOffersReplace());
        QVERIFY(!desk.status.lastError());
        QCOMPARE(desk.fakes.sound.beeps(), 0);
        desk.panel->copyClicked();
        QCOMPARE(desk.fakes.clipboard.textWrites().last().text, QStringLiteral("This sentence"));
        QCOMPARE(desk.status.results().entries().value(0).text, QStringLiteral("This sentence"));
    }

    void undoPutsTheOriginalBackOnlyWhereThatIsSafe_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<bool>("restored");
        QTest::newRow("nothing happened since") << QString() << true;
        QTest::newRow("the user typed after it") << QStringLiteral("typed") << false;
        QTest::newRow("another app came forward") << QStringLiteral("other app") << false;
        QTest::newRow("the app does not select back") << QStringLiteral("fixed selection") << false;
        // Its arrow keys would move a shell's cursor.
        QTest::newRow("a terminal") << QStringLiteral("terminal") << false;
    }

    void undoPutsTheOriginalBackOnlyWhereThatIsSafe()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, restored);
        Desk desk;
        desk.defaults.setBool(QStringLiteral("showResultFirst"), false);
        const QString document = QStringLiteral("Note: ") + typo + QStringLiteral(" 🙂 end");
        if (meanwhile != u"fixed selection")
            desk.app.edit(document, 6, 6 + typo.size() + 3); // the typo, a space and the emoji
        desk.fakes.clipboard.setTextFromOtherProcess(QStringLiteral("the user's own"));
        desk.model.enqueue(fixed + QStringLiteral(" 🙂"));
        desk.controller.run(WheelItem::proofread());
        QVERIFY(waitUntilIdle(desk.status));
        QTRY_VERIFY(desk.status.results().canUndo());
        const QString replaced = desk.app.text();
        if (meanwhile == u"typed")
            desk.app.type(QStringLiteral("!"));
        const qsizetype keysBefore = desk.fakes.keyboard.events().size();
        if (meanwhile == u"other app")
            desk.fakes.workspace.setFrontApplication(RunningApp{77, QStringLiteral("org.example.Other"), QStringLiteral("Other")});
        if (meanwhile == u"terminal")
            desk.fakes.keyboard.setTerminal(desk.fakes.workspace.frontApplication().value_or(RunningApp{}).appId);

        desk.status.results().requestUndo();
        QVERIFY(!desk.status.results().canUndo());
        QTRY_VERIFY(!desk.status.isWorking());
        QVERIFY(waitUntilIdle(desk.status));
        QTest::qWait(50);
        if (restored) {
            QCOMPARE(replaced, QStringLiteral("Note: ") + fixed + QStringLiteral(" 🙂 end"));
            QCOMPARE(desk.app.text(), document);
            QTRY_COMPARE(desk.fakes.clipboard.currentText(), QStringLiteral("the user's own"));
            QVERIFY(!desk.status.lastError());
        } else {
            QTRY_VERIFY(desk.isFailure(ActionRunner::undoCopiedMessage()));
            QCOMPARE(desk.fakes.clipboard.textWrites().last().text, meanwhile == u"fixed selection" ? typo : typo + QStringLiteral(" 🙂"));
            if (meanwhile == u"typed")
                QCOMPARE(desk.app.text(), QStringLiteral("Note: ") + fixed + QStringLiteral(" 🙂! end"));
            if (meanwhile == u"other app" || meanwhile == u"terminal")
                QCOMPARE(desk.fakes.keyboard.events().size(), keysBefore); // nothing typed anywhere
        }
        // Once only.
        desk.status.results().requestUndo();
        QVERIFY(!desk.status.isWorking());
    }

    void theNextActionEndsTheOfferToUndo()
    {
        Desk desk;
        desk.defaults.setBool(QStringLiteral("showResultFirst"), false);
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QVERIFY(waitUntilIdle(desk.status));
        QTRY_VERIFY(desk.status.results().canUndo());
        desk.model.enqueue(QStringLiteral("An explanation."));
        desk.controller.run(WheelItem::explain());
        QVERIFY(!desk.status.results().canUndo());
        QTRY_VERIFY(desk.isResult());
        desk.panel->copyClicked();
        QVERIFY(!desk.status.results().canUndo());
    }

    void centreReleaseRunsNothing()
    {
        Desk desk;
        desk.mouseGesture({5, -5});
        QTest::qWait(50);
        QVERIFY(!desk.wheel.isOpen());
        QVERIFY(!desk.status.isWorking());
        QVERIFY(!desk.shown());
        QCOMPARE(desk.app.copyRequests(), 0);
        QCOMPARE(desk.fakes.sound.beeps(), 0);
        QVERIFY(!desk.parts.mouseTrigger.capturesScroll());
    }

    void shortcutOpensAtThePointerAndIsRefusedWhileBusy()
    {
        Desk desk;
        constexpr KeyModifiers controlOption = KeyModifiers::control | KeyModifiers::option;
        desk.fakes.screens.setPointerLocation({700, 400});
        desk.app.setCopyDelay(300ms); // keeps the first action running for a while
        desk.model.enqueue(fixed);
        QVERIFY(desk.hotKeys.press(4, controlOption));
        QVERIFY(desk.wheel.isOpen());
        QVERIFY(desk.parts.mouseTrigger.capturesScroll());
        desk.fakes.screens.setPointerLocation({700, 480}); // y up: toward the top slot
        QVERIFY(desk.hotKeys.release(4, controlOption));
        QVERIFY(!desk.parts.mouseTrigger.capturesScroll());
        QVERIFY(desk.status.isWorking());

        // A second press while it runs: the alert sound, no wheel; the release only ends scroll capture.
        QVERIFY(desk.hotKeys.press(4, controlOption));
        QVERIFY(!desk.wheel.isOpen());
        QCOMPARE(desk.fakes.sound.beeps(), 1);
        QVERIFY(desk.hotKeys.release(4, controlOption));
        QVERIFY(!desk.parts.mouseTrigger.capturesScroll());
        QVERIFY(desk.status.isWorking());

        // Key combinations are never refused, not even now.
        desk.controller.run(WheelItem::keys(selectAll));
        QTRY_VERIFY(desk.fakes.keyboard.events().contains(KeyEvent{0, true, KeyModifiers::control}));

        QVERIFY(waitUntilIdle(desk.status));
        QTRY_VERIFY(desk.isResult());
        QCOMPARE(desk.fakes.sound.beeps(), 1);
    }

    void copyTakesTheTrimmedResultAndReplaceTheWholeOne()
    {
        Desk desk;
        desk.app.setSelection(QStringLiteral(" ") + typo + QStringLiteral("\n"));
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QTRY_VERIFY(desk.isResult());
        QCOMPARE(desk.shown()->text, fixed);

        desk.panel->copyClicked();
        QCOMPARE(desk.fakes.clipboard.textWrites().size(), 1);
        QCOMPARE(desk.fakes.clipboard.textWrites().last().text, fixed);
        QVERIFY(!desk.fakes.clipboard.textWrites().last().transient);

        desk.resultPanel.show(ResultPanelState::result(fixed), true); // again; Replace stays the result's
        desk.panel->replaceClicked();
        QTRY_COMPARE(desk.app.pasted(), QStringList{QStringLiteral(" ") + fixed + QStringLiteral("\n")});
        QVERIFY(!desk.status.lastError());
    }

    void replaceAfterAnotherAppCameForwardLeavesTheResultOnTheClipboard()
    {
        Desk desk;
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::rewrite());
        QTRY_VERIFY(desk.isResult());
        desk.fakes.workspace.setFrontApplication(RunningApp{77, QStringLiteral("org.example.Other"), QStringLiteral("Other")});
        desk.panel->replaceClicked();
        const QString message = RingleError::focusChanged().errorDescription();
        QTRY_VERIFY(desk.isFailure(message));
        QCOMPARE(desk.status.lastError(), message);
        QVERIFY(desk.app.pasted().isEmpty());
        QCOMPARE(desk.fakes.clipboard.textWrites().last().text, fixed);
        QCOMPARE(desk.fakes.sound.beeps(), 1);
    }

    void directReplacementOnlyWhereItMayReplace()
    {
        Desk desk;
        desk.defaults.setBool(QStringLiteral("showResultFirst"), false);
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QTRY_COMPARE(desk.app.pasted(), QStringList{fixed});
        QVERIFY(waitUntilIdle(desk.status));
        QVERIFY(desk.shownStates().contains(ResultPanelState::done()));
        QCOMPARE(desk.shown(), ResultPanelState::doneWithUndo());
        QTRY_VERIFY(!desk.resultPanel.isVisible());

        // Explain always shows its answer, and never offers Replace.
        desk.model.enqueue(QStringLiteral("The sentence says that it contains a typing mistake."));
        desk.controller.run(WheelItem::explain());
        QTRY_VERIFY(desk.isResult());
        QVERIFY(!desk.lastOffersReplace());
        QCOMPARE(desk.app.pasted().size(), 1);

        // Summarize shows its answer too, but may replace an editable text.
        desk.model.enqueue(QStringLiteral("A sentence with a typo."));
        desk.controller.run(WheelItem::summarize());
        QTRY_COMPARE(desk.shown()->text, QStringLiteral("A sentence with a typo."));
        QVERIFY(desk.lastOffersReplace());

        // Read-only text is never replaced.
        QVERIFY(waitUntilIdle(desk.status));
        auto label = FakeAccessibleElement::create(AccessibleRole::Kind::textArea, QStringLiteral("text"));
        label->selectedTextAnswer = typo;
        desk.fakes.accessibility.focused = label;
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QTRY_COMPARE(desk.shown()->text, fixed);
        QVERIFY(!desk.lastOffersReplace());
        QCOMPARE(desk.app.pasted().size(), 1);
    }

    void promptsFollowTheirResultModeAndTitle()
    {
        Desk desk;
        desk.defaults.setBool(QStringLiteral("showResultFirst"), false);
        CustomPrompt shown;
        shown.name = QStringLiteral("  Pirate  ");
        shown.instruction = QStringLiteral("Say it like a pirate.");
        shown.result = CustomPrompt::ResultMode::show;
        desk.parts.prompts.save(shown);
        desk.model.enqueue(QStringLiteral("Arr, this sentence has a typo in it."));
        desk.controller.run(WheelItem::customPrompt(shown.id));
        QTRY_VERIFY(desk.isResult());
        QCOMPARE(desk.shownStates().value(0), ResultPanelState::working(QStringLiteral("Pirate…")));
        QVERIFY(desk.app.pasted().isEmpty());
        QCOMPARE(desk.model.requests().last().instructions.contains(QStringLiteral("Say it like a pirate.")), true);

        // A slot whose prompt or key combination was deleted does nothing at all.
        QVERIFY(waitUntilIdle(desk.status));
        const int contents = int(desk.panel->contents.size());
        const int posts = int(desk.fakes.keyboard.posts().size());
        desk.controller.run(WheelItem::customPrompt(QUuid::createUuid()));
        desk.controller.run(WheelItem::customKeys(QUuid::createUuid()));
        QTest::qWait(30);
        QCOMPARE(desk.panel->contents.size(), contents);
        QVERIFY(!desk.status.isWorking());
        QCOMPARE(desk.fakes.keyboard.posts().size(), posts);
        QCOMPARE(desk.fakes.sound.beeps(), 0);
    }

    void failuresAreReportedThreeWays_data()
    {
        QTest::addColumn<bool>("selection");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing selected") << false << RingleError::nothingSelected().errorDescription();
        QTest::newRow("model failed") << true << RingleError::localModelFailed(QStringLiteral("out of memory")).errorDescription();
    }
    void failuresAreReportedThreeWays()
    {
        QFETCH(bool, selection);
        QFETCH(QString, message);
        Desk desk;
        if (selection)
            desk.model.enqueue(std::make_exception_ptr(RingleError::localModelFailed(QStringLiteral("out of memory"))));
        else
            desk.app.setSelection(std::nullopt);
        desk.controller.run(WheelItem::proofread());
        QVERIFY(waitUntilIdle(desk.status));
        QVERIFY(desk.isFailure(message));
        QCOMPARE(desk.status.lastError(), message);
        QCOMPARE(desk.fakes.sound.beeps(), 1);
        QCOMPARE(desk.model.requests().isEmpty(), !selection);

        // The next success clears the remembered error.
        desk.app.setSelection(typo);
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QTRY_VERIFY(desk.isResult());
        QVERIFY(!desk.status.lastError());
    }

    void aCancelledRequestIsNotAFailure()
    {
        Desk desk;
        desk.model.enqueue(std::make_exception_ptr(RequestCancelled()));
        desk.controller.run(WheelItem::proofread());
        QVERIFY(waitUntilIdle(desk.status));
        QVERIFY(!desk.status.lastError());
        QCOMPARE(desk.fakes.sound.beeps(), 0);
    }

    void withoutTrustNothingIsReadOrTyped()
    {
        Desk desk;
        desk.trusted = false;
        desk.controller.run(WheelItem::translate());
        QVERIFY(desk.isFailure(QStringLiteral("Ringle needs Accessibility permission.")));
        QVERIFY(!desk.status.isWorking());
        desk.controller.run(WheelItem::keys(selectAll));
        QTest::qWait(30);
        QCOMPARE(desk.app.copyRequests(), 0);
        QVERIFY(desk.fakes.keyboard.events().isEmpty());
        QCOMPARE(desk.fakes.sound.beeps(), 2);

        // Opening applications needs no trust.
        desk.fakes.workspace.install({QStringLiteral("org.example.Mail"), QStringLiteral("Mail"), {}, {}});
        desk.controller.run(WheelItem::openApp(QStringLiteral("org.example.Mail")));
        QCOMPARE(desk.fakes.workspace.openedApps(), QStringList{QStringLiteral("org.example.Mail")});
    }

    void keyCombinationsWaitForTheWheelKeysAndKeepTheirModifiers()
    {
        Desk desk;
        desk.fakes.keyboard.holdModifiers(KeyModifiers::control | KeyModifiers::option, 150ms);
        const KeyCombo redo{QStringLiteral("Redo"), 6, KeyModifiers::control | KeyModifiers::shift, QStringLiteral("Z")};
        const auto started = std::chrono::steady_clock::now();
        desk.controller.run(WheelItem::keys(redo));
        QTRY_VERIFY(!desk.fakes.keyboard.posts().isEmpty());
        QVERIFY(desk.fakes.keyboard.postTimes().first() - started >= 140ms);
        const QList<KeyEvent> events = desk.fakes.keyboard.events();
        QVERIFY(events.contains(KeyEvent{6, true, KeyModifiers::control | KeyModifiers::shift}));
        QVERIFY(!desk.status.isWorking());

        CustomKeyCombo custom;
        custom.combo = selectAll;
        desk.parts.combos.save(custom);
        desk.controller.run(WheelItem::customKeys(custom.id));
        QTRY_VERIFY(desk.fakes.keyboard.events().contains(KeyEvent{0, true, KeyModifiers::control}));
    }

    void shortcutSlotsRunTheirScriptOnTheSelection_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<std::optional<QString>>("selection");
        QTest::addColumn<QStringList>("pasted");
        QTest::addColumn<QString>("failure");
        QTest::newRow("the output replaces the selection, which keeps its spacing")
            << QByteArray("tr a-z A-Z") << std::optional<QString>(u"  hello\n"_qs) << QStringList{u"  HELLO\n"_qs} << QString();
        QTest::newRow("no output: nothing pasted, no failure")
            << QByteArray("cat >/dev/null") << std::optional<QString>(u"hello"_qs) << QStringList{} << QString();
        QTest::newRow("nothing selected: the script runs without input and nothing is pasted")
            << QByteArray("test \"$(wc -c)\" = 0 && echo ran") << std::optional<QString>() << QStringList{} << QString();
        QTest::newRow("a failing script shows its message")
            << QByteArray("echo 'no network' >&2; exit 2") << std::optional<QString>(u"hello"_qs) << QStringList{}
            << u"The shortcut failed: no network"_qs;
    }

    void shortcutSlotsRunTheirScriptOnTheSelection()
    {
        QFETCH(QByteArray, body);
        QFETCH(std::optional<QString>, selection);
        QFETCH(QStringList, pasted);
        QFETCH(QString, failure);
        Desk desk;
        desk.status.setLastError(u"an earlier failure"_qs);
        desk.app.setSelection(selection);
        const WheelItem slot = scriptSlot(desk, body);
        desk.controller.run(slot);
        QVERIFY(desk.status.isWorking());
        QCOMPARE(desk.shownStates().value(0), ResultPanelState::working(u"Running Script…"_qs));
        QVERIFY(waitUntilIdle(desk.status));

        QCOMPARE(desk.app.pasted(), pasted);
        QCOMPARE(desk.status.lastError(), failure.isEmpty() ? std::nullopt : std::optional<QString>(failure));
        QCOMPARE(desk.fakes.sound.beeps(), failure.isEmpty() ? 0 : 1);
        if (failure.isEmpty()) {
            QVERIFY(desk.shownStates().contains(ResultPanelState::done()));
            QTRY_VERIFY(!desk.resultPanel.isVisible());
        } else {
            QVERIFY(desk.isFailure(failure));
        }
    }

    void shortcutSlotsAreRefusedWhileBusyAndWithoutTrust()
    {
        Desk desk;
        const WheelItem slot = scriptSlot(desk, "sleep 0.4; tr a-z A-Z");
        desk.controller.run(slot);
        desk.controller.run(slot);
        QCOMPARE(desk.fakes.sound.beeps(), 1);
        QVERIFY(waitUntilIdle(desk.status));
        QCOMPARE(desk.app.pasted(), QStringList{typo.toUpper()});

        desk.trusted = false;
        desk.controller.run(slot);
        QVERIFY(desk.isFailure(u"Ringle needs Accessibility permission."_qs));
        QVERIFY(!desk.status.isWorking());
        QCOMPARE(desk.app.copyRequests(), 1);
    }

    void opensApplicationsAndAddresses()
    {
        Desk desk;
        desk.fakes.workspace.install({QStringLiteral("org.example.Mail"), QStringLiteral("Mail"), {}, {}});
        desk.controller.run(WheelItem::openApp(QStringLiteral("org.example.Missing")));
        QVERIFY(desk.isFailure(QStringLiteral("Couldn't find the app.")));

        desk.fakes.workspace.setOpensSucceed(false);
        desk.controller.run(WheelItem::openApp(QStringLiteral("org.example.Mail")));
        QVERIFY(desk.isFailure(QStringLiteral("Couldn't open Mail.")));
        desk.controller.run(WheelItem::openURL(QStringLiteral("https://example.org/a"), {}));
        QVERIFY(desk.isFailure(QStringLiteral("Couldn't open https://example.org/a.")));

        desk.fakes.workspace.setOpensSucceed(true);
        desk.controller.run(WheelItem::openURL(QStringLiteral("not an address"), {}));
        QVERIFY(desk.isFailure(QStringLiteral("Couldn't open not an address.")));
        desk.controller.run(WheelItem::openURL(QStringLiteral("mailto:someone@example.org"), {}));
        QCOMPARE(desk.fakes.workspace.openedUrls().last(), QUrl(QStringLiteral("mailto:someone@example.org")));
        QCOMPARE(desk.status.lastError(), QStringLiteral("Couldn't open not an address."));
        QVERIFY(!desk.status.isWorking());
    }

    void askOpensTheWindowOnTheSelection_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("context"); // empty: none
        QTest::newRow("selection, trimmed") << QStringLiteral("  ") + typo + QStringLiteral("\n") << true << typo;
        QTest::newRow("nothing selected") << QString() << true << QString();
        QTest::newRow("white space only") << QStringLiteral(" \n ") << true << QString();
        QTest::newRow("not trusted") << typo << false << QString();
    }

    void askOpensTheWindowOnTheSelection()
    {
        QFETCH(QString, selection);
        QFETCH(bool, trusted);
        QFETCH(QString, context);
        Desk desk;
        desk.trusted = trusted;
        desk.app.setSelection(selection);
        desk.app.setCopyDelay(50ms);
        desk.controller.run(WheelItem::ask());
        // Busy while copying: another action must wait until the window is open.
        QCOMPARE(desk.status.isWorking(), trusted);
        QTRY_COMPARE_WITH_TIMEOUT(desk.ask.openings.size(), 1, 5000);
        QCOMPARE(desk.ask.openings.first(), context.isEmpty() ? std::nullopt : std::optional<QString>(context));
        QVERIFY(!desk.status.isWorking());
        // Whatever happened to the copy, nothing is reported.
        QVERIFY(!desk.shown());
        QCOMPARE(desk.fakes.sound.beeps(), 0);
        QCOMPARE(desk.app.copyRequests() > 0, trusted);
    }

    void askIsRefusedWhileAnActionRuns()
    {
        Desk desk;
        desk.app.setCopyDelay(300ms);
        desk.model.enqueue(fixed);
        desk.controller.run(WheelItem::proofread());
        QVERIFY(desk.status.isWorking());
        desk.controller.run(WheelItem::ask());
        QCOMPARE(desk.fakes.sound.beeps(), 1);
        QVERIFY(waitUntilIdle(desk.status));
        QVERIFY(desk.ask.openings.isEmpty());
    }

    void wheelStaysClosedWhileAskAnswers()
    {
        Desk desk;
        constexpr KeyModifiers controlOption = KeyModifiers::control | KeyModifiers::option;
        desk.ask.answering = true;
        QVERIFY(desk.hotKeys.press(4, controlOption));
        QVERIFY(!desk.wheel.isOpen());
        QCOMPARE(desk.fakes.sound.beeps(), 1);
        QVERIFY(desk.hotKeys.release(4, controlOption));
        desk.ask.answering = false;
        QVERIFY(desk.hotKeys.press(4, controlOption));
        QVERIFY(desk.wheel.isOpen());
        QVERIFY(desk.hotKeys.release(4, controlOption));
    }
};

QTEST_GUILESS_MAIN(TestAppController)
#include "test_appcontroller.moc"
