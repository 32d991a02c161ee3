#include "actions/ringleerror.h"
#include "actions/textreplacer.h"
#include "caret/selectionstate.h"
#include "platform/fake/fakeplatform.h"
#include "platform/fake/faketextapp.h"
#include "taskrunner.h"

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

qint64 msSince(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

qint64 msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count();
}

const QList<KeyEvent> ctrlC{{8, true, EventFlag::control}, {8, false, EventFlag::control}};
const QList<KeyEvent> ctrlV{{9, true, EventFlag::control}, {9, false, EventFlag::control}};
} // namespace

Q_DECLARE_METATYPE(SelectionState)
Q_DECLARE_METATYPE(Expect)
Q_DECLARE_METATYPE(Board)
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
        bool restoredToUserContent() const
        {
            const FakeClipboard &c = fake.clipboard;
            return c.items() == userContent && !c.itemWrites().isEmpty() && c.itemWrites().last() == userContent;
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
            QVERIFY(rig.restoredToUserContent());
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
        QTest::addColumn<QString>("expected"); // empty: nothingSelected
        QTest::addColumn<Board>("board");
        QTest::addColumn<int>("minMs");

        const std::optional<QString> none;
        QTest::newRow("selected, untrimmed") << SelectionState::selected << std::optional<QString>(u"  Hello\n"_qs) << true
                                             << u"  Hello\n"_qs << Board::restored << 0;
        QTest::newRow("unknown still copies") << SelectionState::unknown << std::optional<QString>(u"x"_qs) << true << u"x"_qs
                                              << Board::restored << 0;
        QTest::newRow("accessibility says empty") << SelectionState::empty << std::optional<QString>(u"x"_qs) << true << QString()
                                                  << Board::untouched << 0;
        QTest::newRow("copy keys ignored") << SelectionState::unknown << std::optional<QString>(u"x"_qs) << false << QString()
                                           << Board::restored << 780;
        QTest::newRow("nothing to copy") << SelectionState::selected << none << true << QString() << Board::restored << 780;
        QTest::newRow("only white space") << SelectionState::selected << std::optional<QString>(u" \n\t\u00a0 \r\n"_qs) << true
                                          << QString() << Board::restored << 0;
    }
    void copySelection()
    {
        QFETCH(SelectionState, state);
        QFETCH(std::optional<QString>, appSelection);
        QFETCH(bool, respondsToCopy);
        QFETCH(QString, expected);
        QFETCH(Board, board);
        QFETCH(int, minMs);

        Rig rig;
        rig.selection.state = state;
        rig.app.setSelection(appSelection);
        rig.app.setRespondsToCopy(respondsToCopy);
        const qint64 countBefore = rig.fake.clipboard.changeCount();
        const auto start = Clock::now();
        const auto outcome = TaskRunner::run(rig.replacer.copySelection());
        const qint64 elapsed = msSince(start);

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
        rig.fake.keyboard.holdModifiers(EventFlag::option | EventFlag::shift, std::chrono::milliseconds(holdMs));
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

    void slowCopyWithinDeadline()
    {
        Rig rig;
        rig.app.setSelection(u"late"_qs);
        rig.app.setCopyDelay(600ms);
        const auto outcome = TaskRunner::run(rig.replacer.copySelection());
        QVERIFY(!outcome.error);
        QCOMPARE(*outcome.value, u"late"_qs);
        QVERIFY(rig.restoredToUserContent());
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
        const std::optional<QString> none;
        for (bool viaOptional : {false, true}) {
            const char *p = viaOptional ? "optional body: " : "replace: ";
            auto name = [p](const char *n) { return QByteArray(p) + n; };
            QTest::newRow(name("success")) << viaOptional << SelectionState::selected << sel << false << false << Expect::none << Board::restored;
            QTest::newRow(name("accessibility empty")) << viaOptional << SelectionState::empty << sel << false << false
                                                       << Expect::nothingSelected << Board::untouched;
            QTest::newRow(name("copy changed nothing")) << viaOptional << SelectionState::unknown << none << false << false
                                                        << Expect::nothingSelected << Board::restored;
            QTest::newRow(name("blank selection")) << viaOptional << SelectionState::selected << std::optional<QString>(u"\n \n"_qs)
                                                   << false << false << Expect::nothingSelected << Board::restored;
            QTest::newRow(name("transform fails")) << viaOptional << SelectionState::selected << sel << true << false << Expect::bodyError
                                                   << Board::restored;
            QTest::newRow(name("focus changed")) << viaOptional << SelectionState::selected << sel << false << true << Expect::focusChanged
                                                 << Board::result;
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

        using S = std::optional<QString>;
        QTest::newRow("no selection in a text field") << SelectionState::empty << S(u"sel"_qs) << S(u"out"_qs) << S() << Board::untouched
                                                      << false << false;
        QTest::newRow("copy changed nothing") << SelectionState::unknown << S() << S(u"out"_qs) << S() << Board::restored << true
                                              << false;
        QTest::newRow("selection, no output") << SelectionState::selected << S(u"sel"_qs) << S() << S(u"sel"_qs) << Board::restored << true
                                              << false;
        QTest::newRow("selection and output") << SelectionState::selected << S(u"sel"_qs) << S(u"out"_qs) << S(u"sel"_qs)
                                              << Board::restored << true << true;
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
        rig.fake.keyboard.holdModifiers(EventFlag::command, 2s);
        const auto start = Clock::now();
        const auto error = TaskRunner::run(rig.replacer.paste(u"result"_qs, editor));
        QVERIFY(!error);
        // Pasting does not wait for the modifiers.
        QVERIFY(msBetween(start, rig.fake.keyboard.postTimes().first()) < 100);
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

    void sameAppRule()
    {
        QVERIFY(isSameApp(std::nullopt, std::nullopt));
        QVERIFY(!isSameApp(editor, std::nullopt));
        QVERIFY(!isSameApp(std::nullopt, editor));
        RunningApp renamed = editor;
        renamed.name = u"Renamed"_qs;
        QVERIFY(isSameApp(editor, renamed));
        QVERIFY(!isSameApp(editor, otherApp));
    }
};

QTEST_GUILESS_MAIN(TestTextReplacer)
#include "test_textreplacer.moc"
