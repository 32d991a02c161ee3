#include "base/ringleerror.h"
#include "actions/textreplacer.h"
#include "caret/selectionstate.h"
#include "platform/fake/fakeplatform.h"
#include "platform/fake/faketextapp.h"
#include "platform/monotonicsleep.h"
#include "taskrunner.h"

#include <QTimer>

#include <QTest>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {
class ScriptedSelection final : public SelectionStateSource {
public:
    SelectionState state = SelectionState::unknown;
    SelectionState selectionState() override { return state; }
};

const RunningApp editor{4242, QStringLiteral("org.example.Editor"), QStringLiteral("Editor")};
const RunningApp otherApp{5151, QStringLiteral("org.example.Other"), QStringLiteral("Other")};

const QList<ClipboardItem> userContent{
    ClipboardItem{{QStringLiteral("text/plain"), QByteArrayLiteral("the user's own text")},
                  {QStringLiteral("image/png"), QByteArray("\x89PNG\r\n\x1a\n\0\0data", 14)},
                  {QStringLiteral("text/uri-list"), QByteArrayLiteral("file:///home/u/a.txt\r\n")}},
};

enum class Expect { none, nothingSelected, focusChanged, bodyError };
enum class Board { untouched, restored, result };

struct BodyFailure final : std::exception {
    const char *what() const noexcept override { return "model failed"; }
};

qint64 msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count();
}

const QList<KeyEvent> ctrlC{{8, true, KeyModifiers::control}, {8, false, KeyModifiers::control}};
const QList<KeyEvent> ctrlV{{9, true, KeyModifiers::control}, {9, false, KeyModifiers::control}};
} // namespace

Q_DECLARE_METATYPE(SelectionState)
Q_DECLARE_METATYPE(Expect)
Q_DECLARE_METATYPE(Board)
Q_DECLARE_METATYPE(std::optional<RunningApp>)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestTextReplacer final : public QObject {
    Q_OBJECT

    struct Rig {
        FakePlatform fake;
        ScriptedSelection selection;
        FakeTextApp app{fake.keyboard, fake.clipboard};
        TextReplacer replacer{fake.clipboard, fake.keyboard, fake.workspace, selection};

        Rig()
        {
            fake.clipboard.setContentFromOtherProcess(userContent);
            fake.workspace.setFrontApplication(editor);
        }
    };

    void checkBoard(Rig &rig, Board board, const QString &result, qint64 countBefore)
    {
        FakeClipboard &c = rig.fake.clipboard;
        switch (board) {
        case Board::untouched:
            QCOMPARE(c.writeCount(), 0);
            QCOMPARE(c.readCount(), 0);
            QCOMPARE(c.changeCount(), countBefore);
            QCOMPARE(c.items(), userContent);
            break;
        case Board::restored:
            QCOMPARE(c.items(), userContent);
            QVERIFY(!c.itemWrites().isEmpty());
            QCOMPARE(c.itemWrites().last(), userContent);
            break;
        case Board::result:
            QCOMPARE(c.currentText(), std::optional<QString>(result));
            QCOMPARE(c.textWrites().last(), (FakeClipboard::TextWrite{result, true}));
            QVERIFY(c.items().first().contains(ClipboardFormat{FakeClipboard::transientType, {}}));
            QVERIFY(c.itemWrites().isEmpty());
            break;
        }
    }

private Q_SLOTS:
    void copySelection_data()
    {
        QTest::addColumn<SelectionState>("state");
        QTest::addColumn<std::optional<QString>>("appSelection");
        QTest::addColumn<bool>("respondsToCopy");
        QTest::addColumn<int>("copyDelayMs");
        QTest::addColumn<QString>("expected"); // empty: nothingSelected
        QTest::addColumn<Board>("board");
        QTest::addColumn<int>("minMs");
        const auto row = [](const char *name, SelectionState state, std::optional<QString> selection, bool responds,
                            int delayMs, const QString &expected, Board board, int minMs) {
            QTest::newRow(name) << state << selection << responds << delayMs << expected << board << minMs;
        };
        using S = SelectionState;
        row("selected, untrimmed", S::selected, u"  Hello\n"_qs, true, 0, u"  Hello\n"_qs, Board::restored, 0);
        row("unknown still copies", S::unknown, u"x"_qs, true, 0, u"x"_qs, Board::restored, 0);
        row("slow copy within the deadline", S::selected, u"late"_qs, true, 600, u"late"_qs, Board::restored, 600);
        row("accessibility says empty", S::empty, u"x"_qs, true, 0, {}, Board::untouched, 0);
        row("copy keys ignored", S::unknown, u"x"_qs, false, 0, {}, Board::restored, 780);
        row("nothing to copy", S::selected, std::nullopt, true, 0, {}, Board::restored, 780);
        row("only white space", S::selected, u" \n\t\u00a0 \r\n"_qs, true, 0, {}, Board::restored, 0);
    }
    void copySelection()
    {
        QFETCH(SelectionState, state);
        QFETCH(std::optional<QString>, appSelection);
        QFETCH(bool, respondsToCopy);
        QFETCH(int, copyDelayMs);
        QFETCH(QString, expected);
        QFETCH(Board, board);
        QFETCH(int, minMs);

        Rig rig;
        rig.selection.state = state;
        rig.app.setSelection(appSelection);
        rig.app.setRespondsToCopy(respondsToCopy);
        rig.app.setCopyDelay(std::chrono::milliseconds(copyDelayMs));
        const qint64 countBefore = rig.fake.clipboard.changeCount();
        const auto start = Clock::now();
        const auto outcome = TaskRunner::run(rig.replacer.copySelection());
        const qint64 elapsed = msBetween(start, Clock::now());

        if (expected.isEmpty()) {
            QCOMPARE(TaskRunner::errorAs<RingleError>(outcome.error), RingleError::nothingSelected());
        } else {
            QVERIFY(!outcome.error);
            QCOMPARE(*outcome.value, expected);
        }
        checkBoard(rig, board, {}, countBefore);
        QCOMPARE(rig.fake.keyboard.events(), board == Board::untouched ? QList<KeyEvent>{} : ctrlC);
        QVERIFY2(elapsed >= minMs && elapsed < minMs + 400, qPrintable(QString::number(elapsed)));
    }

    void copyWaitsForModifiers_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("released after 0.3 s") << 300 << 290 << 500;
        QTest::newRow("held past the deadline") << 3000 << 990 << 1300;
    }
    void copyWaitsForModifiers()
    {
        QFETCH(int, holdMs);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        Rig rig;
        rig.app.setSelection(u"text"_qs);
        rig.fake.keyboard.holdModifiers(KeyModifiers::option | KeyModifiers::shift, std::chrono::milliseconds(holdMs));
        const auto start = Clock::now();
        const auto outcome = TaskRunner::run(rig.replacer.copySelection());
        QVERIFY(!outcome.error);
        const qint64 sentAfter = msBetween(start, rig.fake.keyboard.postTimes().first());
        QVERIFY2(sentAfter >= minMs && sentAfter <= maxMs, qPrintable(QString::number(sentAfter)));
        // Sent as plain copy keys: the held modifiers are not part of the posted events.
        QCOMPARE(rig.fake.keyboard.events(), ctrlC);
        // Polled about every 15 ms, not busily.
        const int expectedPolls = int(std::min(holdMs, 1000) / 15);
        QVERIFY2(rig.fake.keyboard.modifierReads() <= expectedPolls + 3, qPrintable(QString::number(rig.fake.keyboard.modifierReads())));
    }

    void copyRestoresEmptyClipboard()
    {
        Rig rig;
        rig.fake.clipboard.setContentFromOtherProcess({});
        rig.app.setSelection(u"text"_qs);
        const auto outcome = TaskRunner::run(rig.replacer.copySelection());
        QCOMPARE(*outcome.value, u"text"_qs);
        QVERIFY(rig.fake.clipboard.items().isEmpty());
        QCOMPARE(rig.fake.clipboard.itemWrites().last(), QList<ClipboardItem>{});
    }

    // Every row of the failure table, for replaceSelection and for the same pass through
    // withOptionalSelection with a body that requires a selection.
    void replace_data()
    {
        QTest::addColumn<bool>("viaOptional");
        QTest::addColumn<SelectionState>("state");
        QTest::addColumn<std::optional<QString>>("appSelection");
        QTest::addColumn<bool>("bodyFails");
        QTest::addColumn<bool>("switchApp");
        QTest::addColumn<Expect>("expect");
        QTest::addColumn<Board>("board");

        const std::optional<QString> sel(u"hello world"_qs);
        using S = SelectionState;
        for (bool viaOptional : {false, true}) {
            const auto row = [viaOptional](const char *name, S state, std::optional<QString> selection, bool bodyFails,
                                           bool switchApp, Expect expect, Board board) {
                QTest::addRow("%s%s", viaOptional ? "optional body: " : "replace: ", name)
                    << viaOptional << state << selection << bodyFails << switchApp << expect << board;
            };
            row("success", S::selected, sel, false, false, Expect::none, Board::restored);
            row("accessibility empty", S::empty, sel, false, false, Expect::nothingSelected, Board::untouched);
            row("copy changed nothing", S::unknown, std::nullopt, false, false, Expect::nothingSelected, Board::restored);
            row("blank selection", S::selected, u"\n \n"_qs, false, false, Expect::nothingSelected, Board::restored);
            row("transform fails", S::selected, sel, true, false, Expect::bodyError, Board::restored);
            row("focus changed", S::selected, sel, false, true, Expect::focusChanged, Board::result);
        }
    }
    void replace()
    {
        QFETCH(bool, viaOptional);
        QFETCH(SelectionState, state);
        QFETCH(std::optional<QString>, appSelection);
        QFETCH(bool, bodyFails);
        QFETCH(bool, switchApp);
        QFETCH(Expect, expect);
        QFETCH(Board, board);

        Rig rig;
        rig.selection.state = state;
        rig.app.setSelection(appSelection);
        const qint64 countBefore = rig.fake.clipboard.changeCount();
        QStringList transformed;
        auto transform = [&](QString text) -> QCoro::Task<QString> {
            transformed.append(text);
            if (switchApp)
                rig.fake.workspace.setFrontApplication(otherApp);
            if (bodyFails)
                throw BodyFailure();
            co_return text.toUpper();
        };
        std::exception_ptr error;
        if (viaOptional) {
            error = TaskRunner::run(rig.replacer.withOptionalSelection([&](std::optional<QString> s) -> QCoro::Task<std::optional<QString>> {
                if (!s)
                    throw RingleError::nothingSelected();
                co_return co_await transform(*s);
            }));
        } else {
            error = TaskRunner::run(rig.replacer.replaceSelection(transform));
        }

        switch (expect) {
        case Expect::none:
            QVERIFY(!error);
            break;
        case Expect::nothingSelected:
            QCOMPARE(TaskRunner::errorAs<RingleError>(error), RingleError::nothingSelected());
            break;
        case Expect::focusChanged:
            QCOMPARE(TaskRunner::errorAs<RingleError>(error), RingleError::focusChanged());
            break;
        case Expect::bodyError:
            QVERIFY(TaskRunner::errorAs<BodyFailure>(error));
            break;
        }
        const bool transformRan = expect == Expect::none || expect == Expect::bodyError || expect == Expect::focusChanged;
        QCOMPARE(transformed, transformRan ? QStringList{*appSelection} : QStringList{});
        checkBoard(rig, board, u"HELLO WORLD"_qs, countBefore);

        const bool pasted = expect == Expect::none;
        QList<KeyEvent> keys = board == Board::untouched ? QList<KeyEvent>{} : ctrlC;
        if (pasted)
            keys += ctrlV;
        QCOMPARE(rig.fake.keyboard.events(), keys);
        if (pasted) {
            QCOMPARE(rig.app.pasted(), QStringList{u"HELLO WORLD"_qs});
            QCOMPARE(rig.fake.clipboard.textWrites(), (QList<FakeClipboard::TextWrite>{{u"HELLO WORLD"_qs, true}}));
            const qint64 restoreAfterPaste = msBetween(rig.fake.keyboard.postTimes().last(), rig.fake.clipboard.itemWriteTimes().last());
            QVERIFY2(restoreAfterPaste >= 495 && restoreAfterPaste < 800, qPrintable(QString::number(restoreAfterPaste)));
        }
    }

    void optionalSelection_data()
    {
        QTest::addColumn<SelectionState>("state");
        QTest::addColumn<std::optional<QString>>("appSelection");
        QTest::addColumn<std::optional<QString>>("output");
        QTest::addColumn<std::optional<QString>>("bodyInput");
        QTest::addColumn<Board>("board");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<bool>("pasted");

        const auto row = [](const char *name, SelectionState state, std::optional<QString> selection,
                            std::optional<QString> output, std::optional<QString> bodyInput, Board board, bool copied,
                            bool pasted) {
            QTest::newRow(name) << state << selection << output << bodyInput << board << copied << pasted;
        };
        using S = SelectionState;
        const QString sel = u"sel"_qs, out = u"out"_qs;
        row("no selection in a text field", S::empty, sel, out, std::nullopt, Board::untouched, false, false);
        row("copy changed nothing", S::unknown, std::nullopt, out, std::nullopt, Board::restored, true, false);
        row("selection, no output", S::selected, sel, std::nullopt, sel, Board::restored, true, false);
        row("selection and output", S::selected, sel, out, sel, Board::restored, true, true);
    }
    void optionalSelection()
    {
        QFETCH(SelectionState, state);
        QFETCH(std::optional<QString>, appSelection);
        QFETCH(std::optional<QString>, output);
        QFETCH(std::optional<QString>, bodyInput);
        QFETCH(Board, board);
        QFETCH(bool, copied);
        QFETCH(bool, pasted);

        Rig rig;
        rig.selection.state = state;
        rig.app.setSelection(appSelection);
        const qint64 countBefore = rig.fake.clipboard.changeCount();
        QList<std::optional<QString>> inputs;
        const auto error = TaskRunner::run(rig.replacer.withOptionalSelection([&](std::optional<QString> s) -> QCoro::Task<std::optional<QString>> {
            inputs.append(s);
            co_return std::optional<QString>(output);
        }));
        QVERIFY(!error);
        QCOMPARE(inputs, QList<std::optional<QString>>{bodyInput});
        checkBoard(rig, board, {}, countBefore);
        QCOMPARE(rig.app.copyRequests(), copied ? 1 : 0);
        QCOMPARE(rig.app.pasted(), pasted ? QStringList{*output} : QStringList{});
    }

    void optionalBodyErrorWithoutSelection()
    {
        Rig rig;
        rig.selection.state = SelectionState::empty;
        const auto error = TaskRunner::run(rig.replacer.withOptionalSelection([](std::optional<QString>) -> QCoro::Task<std::optional<QString>> {
            throw BodyFailure();
            co_return std::nullopt;
        }));
        QVERIFY(TaskRunner::errorAs<BodyFailure>(error));
        QCOMPARE(rig.fake.clipboard.writeCount(), 0);
        QVERIFY(rig.fake.keyboard.events().isEmpty());
    }

    void pasteIntoSameApp()
    {
        Rig rig;
        // The user copied something else after the copy; that is what comes back.
        const QList<ClipboardItem> newer{ClipboardItem{{u"text/plain"_qs, QByteArrayLiteral("newer copy")}}};
        rig.fake.clipboard.setContentFromOtherProcess(newer);
        rig.fake.keyboard.holdModifiers(KeyModifiers::command, 2s);
        const auto start = Clock::now();
        const auto error = TaskRunner::run(rig.replacer.paste(u"result"_qs, editor));
        QVERIFY(!error);
        // Pasting does not wait for the modifiers, only for the click on the panel to settle.
        QVERIFY(msBetween(start, rig.fake.keyboard.postTimes().first()) < int(TextReplacer::panelClickSettle.count()) + 100);
        QCOMPARE(rig.fake.keyboard.events(), ctrlV);
        QCOMPARE(rig.app.pasted(), QStringList{u"result"_qs});
        QCOMPARE(rig.fake.clipboard.textWrites(), (QList<FakeClipboard::TextWrite>{{u"result"_qs, true}}));
        QCOMPARE(rig.fake.clipboard.items(), newer);
        QVERIFY(msBetween(rig.fake.keyboard.postTimes().last(), rig.fake.clipboard.itemWriteTimes().last()) >= 495);
    }

    void pasteAfterSwitch_data()
    {
        QTest::addColumn<bool>("frontPresent");
        QTest::addColumn<bool>("targetPresent");
        QTest::newRow("another app in front") << true << true;
        QTest::newRow("nothing in front now") << false << true;
        QTest::newRow("remembered none, now an app") << true << false;
    }
    void pasteAfterSwitch()
    {
        QFETCH(bool, frontPresent);
        QFETCH(bool, targetPresent);
        Rig rig;
        rig.fake.workspace.setFrontApplication(frontPresent ? std::optional<RunningApp>(otherApp) : std::nullopt);
        const auto error = TaskRunner::run(rig.replacer.paste(u"result"_qs, targetPresent ? std::optional<RunningApp>(editor) : std::nullopt));
        QCOMPARE(TaskRunner::errorAs<RingleError>(error), RingleError::focusChanged());
        QVERIFY(rig.fake.keyboard.events().isEmpty());
        QCOMPARE(rig.fake.clipboard.currentText(), std::optional<QString>(u"result"_qs));
        QCOMPARE(rig.fake.clipboard.readCount(), 0);
    }

    // A click on the panel may hand the focus to the panel until it is gone: Replace waits for the
    // application to be back in front, but not for long.
    void pasteWaitsForTheFocusToComeBack()
    {
        Rig rig;
        rig.fake.workspace.setFrontApplication(otherApp);
        QTimer::singleShot(150, [&rig] { rig.fake.workspace.setFrontApplication(editor); });
        const auto start = Clock::now();
        QVERIFY(!TaskRunner::run(rig.replacer.paste(u"result"_qs, editor)));
        const qint64 waited = msBetween(start, rig.fake.keyboard.postTimes().first());
        QVERIFY2(waited >= 140 + int(TextReplacer::keyboardReturnDelay.count())
                     && waited < int((TextReplacer::panelClickSettle + TextReplacer::focusReturnTimeout).count()),
                 qPrintable(QString::number(waited)));
        QCOMPARE(rig.app.pasted(), QStringList{u"result"_qs});

        Rig late;
        late.fake.workspace.setFrontApplication(otherApp);
        const auto lateStart = Clock::now();
        const auto error = TaskRunner::run(late.replacer.paste(u"result"_qs, editor));
        QCOMPARE(TaskRunner::errorAs<RingleError>(error), RingleError::focusChanged());
        QVERIFY(msBetween(lateStart, Clock::now()) >= int(TextReplacer::focusReturnTimeout.count()) - 5);
        QVERIFY(late.fake.keyboard.events().isEmpty());
    }

    // Quitting while an action runs: the user's content comes back at once, and nothing is pasted
    // or written afterwards, wherever the action was.
    void stopPutsTheUsersContentBack_data()
    {
        QTest::addColumn<int>("stopAtMs");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("while the model runs") << 150 << false;
        QTest::newRow("while the paste is read") << 300 + int(TextReplacer::restoreDelay.count()) / 2 << true;
    }
    void stopPutsTheUsersContentBack()
    {
        QFETCH(int, stopAtMs);
        QFETCH(bool, pasted);
        Rig rig;
        rig.selection.state = SelectionState::selected;
        rig.app.setSelection(u"typo"_qs);
        auto transform = [](QString text) -> QCoro::Task<QString> {
            co_await MonotonicSleep::sleepFor(std::chrono::milliseconds(300));
            co_return text.toUpper();
        };
        QTimer::singleShot(stopAtMs, [&] {
            rig.replacer.stop();
            QCOMPARE(rig.fake.clipboard.items(), userContent);
        });
        const std::exception_ptr error = TaskRunner::run(rig.replacer.replaceSelection(transform));
        QCOMPARE(TaskRunner::errorAs<RequestCancelled>(error).has_value(), !pasted);
        QCOMPARE(rig.app.pasted(), pasted ? QStringList{u"TYPO"_qs} : QStringList{});
        QCOMPARE(rig.fake.clipboard.items(), userContent);
        const int writes = rig.fake.clipboard.itemWrites().size() + rig.fake.clipboard.textWrites().size();
        QTest::qWait(int(TextReplacer::restoreDelay.count()));
        QCOMPARE(rig.fake.clipboard.itemWrites().size() + rig.fake.clipboard.textWrites().size(), writes);
        // A later Replace from the panel is refused too.
        QVERIFY(TaskRunner::errorAs<RequestCancelled>(TaskRunner::run(rig.replacer.paste(u"late"_qs, editor))));
        QCOMPARE(rig.fake.clipboard.items(), userContent);
    }

    void stopAfterASwitchKeepsTheResult()
    {
        Rig rig;
        rig.selection.state = SelectionState::selected;
        rig.app.setSelection(u"typo"_qs);
        auto transform = [&rig](QString text) -> QCoro::Task<QString> {
            rig.fake.workspace.setFrontApplication(otherApp);
            co_return text.toUpper();
        };
        QCOMPARE(TaskRunner::errorAs<RingleError>(TaskRunner::run(rig.replacer.replaceSelection(transform))),
                 RingleError::focusChanged());
        rig.replacer.stop();
        QCOMPARE(rig.fake.clipboard.currentText(), std::optional<QString>(u"TYPO"_qs));
    }

    void sameAppRule_data()
    {
        QTest::addColumn<std::optional<RunningApp>>("a");
        QTest::addColumn<std::optional<RunningApp>>("b");
        QTest::addColumn<bool>("same");
        RunningApp renamed = editor;
        renamed.name = u"Renamed"_qs;
        // Apps that give no process id, told apart by the client that made their windows.
        const RunningApp noPidA{0, u"xterm"_qs, u"xterm"_qs, 0x400000};
        RunningApp noPidB = noPidA;
        noPidB.instance = 0x600000;
        RunningApp noPidOtherClass = noPidA;
        noPidOtherClass.appId = u"xclock"_qs;
        const RunningApp unknown{0, u"xterm"_qs, u"xterm"_qs, 0};
        RunningApp withPid = noPidA;
        withPid.pid = 4242;
        QTest::newRow("both absent") << std::optional<RunningApp>() << std::optional<RunningApp>() << true;
        QTest::newRow("one absent") << std::optional<RunningApp>(editor) << std::optional<RunningApp>() << false;
        QTest::newRow("same pid, renamed") << std::optional<RunningApp>(editor) << std::optional<RunningApp>(renamed) << true;
        QTest::newRow("other pid") << std::optional<RunningApp>(editor) << std::optional<RunningApp>(otherApp) << false;
        QTest::newRow("no pid, same client") << std::optional<RunningApp>(noPidA) << std::optional<RunningApp>(noPidA) << true;
        QTest::newRow("no pid, other client") << std::optional<RunningApp>(noPidA) << std::optional<RunningApp>(noPidB) << false;
        QTest::newRow("no pid, other class") << std::optional<RunningApp>(noPidA) << std::optional<RunningApp>(noPidOtherClass) << false;
        QTest::newRow("nothing known") << std::optional<RunningApp>(unknown) << std::optional<RunningApp>(unknown) << false;
        QTest::newRow("pid against none") << std::optional<RunningApp>(withPid) << std::optional<RunningApp>(noPidA) << false;
    }
    void sameAppRule()
    {
        QFETCH(std::optional<RunningApp>, a);
        QFETCH(std::optional<RunningApp>, b);
        QFETCH(bool, same);
        QCOMPARE(isSameApp(a, b), same);
        QCOMPARE(isSameApp(b, a), same);
    }
};

QTEST_GUILESS_MAIN(TestTextReplacer)
#include "test_textreplacer.moc"
