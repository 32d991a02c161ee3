// The whole road as a user takes it: the real app in its own configuration home, the test editor
// in front, a model server on loopback, and the wheel driven with xdotool through the shortcut and
// the mouse button.
#include "base/ringleerror.h"
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "panelbuttonpoint.h"
#include "ringleprocess.h"
#include "testrings.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"
#include "testsupport.h"
#include "wheelgestures.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTest>

using TestSupport::editorWith;
using TestSupport::Formats;
using TestSupport::buttonPoint;
using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::fixed;
using TestSupport::mouseGesture;
using TestSupport::shortcutGesture;
using TestSupport::typo;
using TestSupport::useAskRing;
using TestSupport::useTestRing;
using TestSupport::xdotool;

namespace {
const QString explanation = QStringLiteral("The sentence says that it contains a typing mistake.");

// The title of the window that has the keyboard focus.
QString focusedWindowName()
{
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname")});
    xdo.waitForFinished(5000);
    return QString::fromUtf8(xdo.readAllStandardOutput()).trimmed();
}

// A picture of the screen for the README, when RINGLE_SCREENSHOT_DIR names where to keep it.
void screenshot(const QString &name)
{
    const QString dir = qEnvironmentVariable("RINGLE_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        QProcess::execute(QStringLiteral("/usr/bin/import"), {QStringLiteral("-window"), QStringLiteral("root"), dir + QLatin1Char('/') + name});
}

// The latest diagnostics line containing `text`, wherever the waits have got to.
QString lastLine(const RingleProcess &ringle, const QString &text)
{
    const QStringList lines = ringle.transcript().split(QLatin1Char('\n'));
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (it->contains(text))
            return *it;
    }
    return QString();
}

bool click(const QPoint &point)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

QString shown(const QString &kind, const QString &text)
{
    return RingleProcess::resultPanelShows(kind, text);
}
} // namespace

class ItestEndToEnd final : public QObject {
    Q_OBJECT

    ModelServerProcess m_server;
    Formats m_userContent{{QStringLiteral("text/plain"), QByteArrayLiteral("the user's own copy")},
                          {QStringLiteral("text/html"), QByteArrayLiteral("<b>the user's own copy</b>")},
                          {QStringLiteral("application/x-ringle-test"), QByteArray("\0\1\2\3", 4)}};
    std::unique_ptr<LineProcess> m_clipboardOwner;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.isRunning());
    }

    void init()
    {
        m_server.forgetEvents();
        m_clipboardOwner = std::make_unique<LineProcess>();
        QVERIFY(m_clipboardOwner->start(TestSupport::programPath(QStringLiteral("clipboardtool"))));
        QCOMPARE(m_clipboardOwner->request("own " + TestSupport::encodeFormats(m_userContent)), QByteArray("ok"));
    }

    void cleanup()
    {
        xdotool({QStringLiteral("keyup"), QStringLiteral("h"), QStringLiteral("ctrl"), QStringLiteral("alt")});
        m_clipboardOwner.reset();
    }

    void shortcutProofreadsShowsTheResultAndReplaces()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("working"), QStringLiteral("Proofreading…"))).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("result"), fixed)).isEmpty(), qPrintable(ringle.transcript()));
        const std::optional<QPoint> replace = buttonPoint(ringle.waitForLine(QStringLiteral("button replace"), 3000));
        QVERIFY(replace);
        QCOMPARE(m_server.requests().size(), 1);

        QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(replace->x()), QString::number(replace->y()),
                         QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 10000);
        // The user's own clipboard comes back once the paste is through.
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(TestSupport::clipboardFromOtherProcess()),
                                  TestSupport::contentOf(m_userContent), 10000);
    }

    void streamedProofreadShowsItsChangesReplacesAndUndoes()
    {
        RingleProcess ringle;
        // A failure message is cut short; the whole transcript tells what happened.
        const auto say = qScopeGuard([&ringle] {
            if (QTest::currentTestFailed())
                qInfo().noquote() << ringle.transcript();
        });
        QVERIFY(ringle.useModelServer(m_server.url()));
        // The answer a word at a time, as a slow local model writes it, each write reported.
        QList<QByteArray> events;
        const QStringList words = fixed.split(QLatin1Char(' '));
        for (qsizetype i = 0; i < words.size(); ++i)
            events.append(ModelServerProcess::deltaEvent(i == 0 ? words[i] : QLatin1Char(' ') + words[i]));
        events.append("data: [DONE]\n\n");
        QVERIFY(m_server.setDefault(ModelServerProcess::eventStream(events, 150, true)));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY(!m_server.events(QStringLiteral("wrote"), 1, 15000).isEmpty());
        QElapsedTimer sinceFirstWords;
        sinceFirstWords.start();
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.resultpanel.window: painted streaming"), 3000).isEmpty(),
                 qPrintable(ringle.transcript()));
        const qint64 toPaint = sinceFirstWords.elapsed();
        QVERIFY2(toPaint < 100, qPrintable(QString::number(toPaint)));
        QVERIFY(!ringle.waitForLine(shown(QStringLiteral("streaming"), QStringLiteral("This sentence"))).isEmpty());
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("result"), fixed)).isEmpty(), qPrintable(ringle.transcript()));
        const std::optional<QPoint> replace = buttonPoint(ringle.waitForLine(QStringLiteral("button replace"), 3000));
        QVERIFY(replace);
        QVERIFY(ringle.waitForLine(QStringLiteral("button changes"), 3000).contains(QStringLiteral("button changes")));
        QCOMPARE(TestSupport::editorText(*editor), typo);

        // Replace pastes the clean text, and the user's clipboard comes back.
        QVERIFY(click(*replace));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(TestSupport::clipboardFromOtherProcess()),
                                  TestSupport::contentOf(m_userContent), 10000);

        // Undo puts the original back in the same place; the clipboard is still the user's.
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("done-undo"), QString())).isEmpty(), qPrintable(ringle.transcript()));
        const std::optional<QPoint> undo = buttonPoint(ringle.waitForLine(QStringLiteral("button undo"), 3000));
        QVERIFY(undo);
        QVERIFY(click(*undo));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("undo: restored"), 10000).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), typo, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(TestSupport::clipboardFromOtherProcess()),
                                  TestSupport::contentOf(m_userContent), 10000);
        qInfo().noquote() << "first words to their first paint:" << toPaint << "ms";
    }

    // A first start with nothing configured finds a model server at Ollama's usual address and uses
    // it for the first action.
    void firstProofreadNeedsNoModelSettings()
    {
        ModelServerProcess ollama(11434);
        QVERIFY2(ollama.isRunning(), "port 11434 is taken (an Ollama server running here?)");
        QVERIFY(ollama.enqueue(ModelServerProcess::modelList({QStringLiteral("llama3.2")})));
        QVERIFY(ollama.setDefault(ModelServerProcess::completion(fixed)));
        RingleProcess ringle;
        QVERIFY(useTestRing(ringle));
        QVERIFY(ringle.start());
        QVERIFY2(!ringle.waitForLine(QStringLiteral("chose the model server at http://localhost:11434 with the model llama3.2"))
                      .isEmpty(),
                 qPrintable(ringle.transcript()));
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("result"), fixed)).isEmpty(), qPrintable(ringle.transcript()));
        const QList<QJsonObject> requests = ollama.requests(2);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(0).value(QLatin1String("path")).toString(), QStringLiteral("/v1/models"));
        QCOMPARE(requests.at(1).value(QLatin1String("path")).toString(), QStringLiteral("/v1/chat/completions"));
        QVERIFY(requests.at(1).value(QLatin1String("body")).toString().contains(QLatin1String("\"model\":\"llama3.2\"")));
    }

    void directReplacementButExplainStillShows()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")));
        QVERIFY(useTestRing(ringle));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("done"), QString())).isEmpty(), qPrintable(ringle.transcript()));
        // "Done" offers to undo for a few seconds, then goes.
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("done-undo"), QString())).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY(ringle.seesWithin(QStringLiteral("ringle.resultpanel: hidden"), 8000));

        // Explain (the bottom slot) answers in the panel, without Replace.
        QVERIFY(TestSupport::setAndSelect(*editor, fixed, 0, int(fixed.size())));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(explanation)));
        QVERIFY(shortcutGesture(ringle, 0, 90));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("result"), explanation)).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY(ringle.seesWithin(QStringLiteral("button copy"), 3000));
        QTest::qWait(500);
        for (const QString &line : ringle.unreadLines())
            QVERIFY2(!line.contains(QStringLiteral("button replace")), qPrintable(line));
        QCOMPARE(TestSupport::editorText(*editor), fixed);
    }

    void mouseTriggerTakesTheSameRoad()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(mouseGesture(0, -90));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("working"), QStringLiteral("Proofreading…"))).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(*editor), fixed, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::contentOf(TestSupport::clipboardFromOtherProcess()),
                                  TestSupport::contentOf(m_userContent), 10000);
    }

    void centreRunsNothingAndTheWheelWaitsWhileBusy()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QJsonObject slow = ModelServerProcess::completion(fixed);
        QJsonArray parts = slow.value(QStringLiteral("parts")).toArray();
        QJsonObject part = parts.at(0).toObject();
        part.insert(QStringLiteral("delayMs"), 4000);
        parts[0] = part;
        slow.insert(QStringLiteral("parts"), parts);
        QVERIFY(m_server.setDefault(slow));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, 0));
        QVERIFY(!ringle.seesWithin(QStringLiteral("ringle.resultpanel"), 1500));
        QVERIFY(m_server.events(QStringLiteral("request"), 0, 0).isEmpty());

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("working"), QStringLiteral("Proofreading…"))).isEmpty(), qPrintable(ringle.transcript()));
        QCOMPARE(m_server.requests(1, 10000).size(), 1);
        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("busy: the wheel stays closed")).isEmpty(), qPrintable(ringle.transcript()));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("result"), fixed)).isEmpty(), qPrintable(ringle.transcript()));
        QCOMPARE(m_server.requests(1, 0).size(), 1);
    }

    void nothingSelectedIsToldAndHides()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 4, 4);
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        const QString message = RingleError::nothingSelected().errorDescription();
        QCOMPARE(message, QStringLiteral("No text selected, or the app doesn't allow copying."));
        QVERIFY2(!ringle.waitForLine(shown(QStringLiteral("failed"), message)).isEmpty(), qPrintable(ringle.transcript()));
        QElapsedTimer shownFor;
        shownFor.start();
        QTRY_VERIFY2_WITH_TIMEOUT(ringle.transcript().contains(QStringLiteral("ringle.tray: status line: ") + message),
                                  qPrintable(ringle.transcript().right(900)), 2000);
        QVERIFY(ringle.seesWithin(QStringLiteral("ringle.resultpanel: hidden"), 6000));
        QVERIFY2(shownFor.elapsed() >= 2500, qPrintable(QString::number(shownFor.elapsed())));
        QVERIFY(m_server.events(QStringLiteral("request"), 0, 0).isEmpty());
        QCOMPARE(TestSupport::editorText(*editor), typo);
    }

    void aServerThatIsDownIsNamed()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port))));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 0, int(typo.size()));
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY(!ringle.waitForLine(shown(QStringLiteral("failed"),
                                          QStringLiteral("Can't reach Ollama. Is it running, with its server started?")))
                     .isEmpty());
        QCOMPARE(TestSupport::editorText(*editor), typo);
    }

    void keyCombinationSlotActsOnTheEditor()
    {
        RingleProcess ringle;
        QVERIFY(useTestRing(ringle));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 2, 2);
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 90, 0)); // the right-hand slot
        QTRY_COMPARE_WITH_TIMEOUT(editor->request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(!ringle.seesWithin(QStringLiteral("ringle.resultpanel"), 300));
    }

    void askStreamsStopsStartsOverAndCloses()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(useAskRing(ringle));
        QVERIFY(ringle.start());
        const QString text = QStringLiteral("Ringle opens a wheel of actions beside the pointer. Each slot runs an action "
                                            "on the selected text: proofreading, translating or asking about it.");
        auto editor = editorWith(text, 0, int(text.size()));
        QVERIFY(editor);
        const QString editorTitle = focusedWindowName();

        QVERIFY(shortcutGesture(ringle, 0, -90));
        const QString opened = ringle.waitForLine(QStringLiteral("ringle.ask: opened with a quote at"));
        QVERIFY2(!opened.isEmpty(), qPrintable(ringle.transcript()));
        const std::optional<QPoint> topLeft = buttonPoint(opened);
        QVERIFY(topLeft);
        QTRY_VERIFY_WITH_TIMEOUT(focusedWindowName() == QStringLiteral("Ask Ringle"), 5000);
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"), {QStringLiteral("-name"), QStringLiteral("Ask Ringle"), QStringLiteral("_NET_WM_DESKTOP")});
        QVERIFY(xprop.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(xprop.readAllStandardOutput()).trimmed(), QStringLiteral("_NET_WM_DESKTOP(CARDINAL) = 4294967295"));

        // A slow answer, word by word.
        QList<QByteArray> words;
        const QStringList answer = QStringLiteral("The text says that **Ringle** shows a *wheel* of actions next to the "
                                                  "pointer, and that each slot runs an action such as `Proofread`, "
                                                  "Translate or Ask on the text you selected. Asking opens this window.")
                                       .split(QLatin1Char(' '));
        for (const QString &word : answer)
            words.append(ModelServerProcess::deltaEvent(word + QLatin1Char(' ')));
        words.append("data: [DONE]\n\n");
        QVERIFY(m_server.enqueue(ModelServerProcess::eventStream(words, 250)));
        QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("What does it say?")}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.ask: answering messages 2")).isEmpty(), qPrintable(ringle.transcript()));
        QCOMPARE(m_server.requests(1, 5000).size(), 1);
        QTest::qWait(2500);
        const std::optional<QPoint> stop = buttonPoint(lastLine(ringle, QStringLiteral("ringle.ask: button stop")));
        QVERIFY2(stop, qPrintable(ringle.transcript()));
        screenshot(QStringLiteral("ask-streaming.png"));

        // The wheel's shortcut while it answers: only the alert sound.
        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("busy: the wheel stays closed")).isEmpty(), qPrintable(ringle.transcript()));

        // Stop keeps what was written so far.
        QVERIFY(click(*stop));
        const QString stopped = ringle.waitForLine(QStringLiteral("ringle.ask: idle messages 2"));
        QVERIFY2(!stopped.isEmpty(), qPrintable(ringle.transcript()));
        const int kept = stopped.section(QStringLiteral(" last "), 1).section(QLatin1Char(' '), 0, 0).toInt();
        QVERIFY2(kept > 0 && kept < answer.join(QLatin1Char(' ')).size(), qPrintable(stopped));

        // A whole answer, then a failure whose line offers Start Over.
        QVERIFY(m_server.enqueue(ModelServerProcess::eventStream(words, 5)));
        QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("And the slots?")}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.ask: idle messages 4")).isEmpty(), qPrintable(ringle.transcript()));
        QTest::qWait(500);
        screenshot(QStringLiteral("ask-answer.png"));
        QVERIFY(m_server.enqueue(ModelServerProcess::json(500, {{QStringLiteral("error"), QStringLiteral("model crashed")}})));
        QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("Once more?")}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("error The local model failed: model crashed")).isEmpty(), qPrintable(ringle.transcript()));
        QTest::qWait(300);
        const std::optional<QPoint> startOver = buttonPoint(lastLine(ringle, QStringLiteral("ringle.ask: button startOver")));
        QVERIFY2(startOver, qPrintable(ringle.transcript()));
        screenshot(QStringLiteral("ask-error.png"));
        QVERIFY(click(*startOver));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.ask: messages 0")).isEmpty(), qPrintable(ringle.transcript()));

        // Dragged by its background.
        const auto windowTop = [] {
            QProcess xdo;
            xdo.start(QStringLiteral("xwininfo"), {QStringLiteral("-name"), QStringLiteral("Ask Ringle")});
            xdo.waitForFinished(5000);
            const QString info = QString::fromUtf8(xdo.readAllStandardOutput());
            return info.section(QStringLiteral("Absolute upper-left Y:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
        };
        const int topBefore = windowTop();
        QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(topLeft->x() + 320), QString::number(topLeft->y() + 4),
                         QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.2"),
                         QStringLiteral("mousemove_relative"), QStringLiteral("0"), QStringLiteral("40"),
                         QStringLiteral("sleep"), QStringLiteral("0.2"), QStringLiteral("mousemove_relative"),
                         QStringLiteral("0"), QStringLiteral("40"), QStringLiteral("sleep"), QStringLiteral("0.2"),
                         QStringLiteral("mouseup"), QStringLiteral("1")}));
        QTRY_VERIFY2_WITH_TIMEOUT(windowTop() >= topBefore + 60, qPrintable(QString::number(windowTop() - topBefore)), 3000);

        // Escape closes, and the editor has the keyboard again.
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.ask: closed")).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowName(), editorTitle, 5000);
        QCOMPARE(TestSupport::editorText(*editor), text);
    }

    void askWithNothingSelectedAndNoServerSaysWhatIsMissing()
    {
        RingleProcess ringle;
        QVERIFY(useAskRing(ringle));
        QVERIFY(ringle.start());
        auto editor = editorWith(typo, 4, 4);
        QVERIFY(editor);

        QVERIFY(shortcutGesture(ringle, 0, -90));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.ask: opened without a quote")).isEmpty(), qPrintable(ringle.transcript()));
        // No error for the missing selection; the chat cannot start without a model and says so.
        QVERIFY(!ringle.transcript().contains(QStringLiteral("ringle.resultpanel: shows failed")));
        QVERIFY2(ringle.transcript().contains(QStringLiteral("error Apple Intelligence is unavailable (Linux has no on-device model")),
                 qPrintable(ringle.transcript()));
        QTest::qWait(800);
        screenshot(QStringLiteral("ask-no-model.png"));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QVERIFY2(!ringle.waitForLine(QStringLiteral("ringle.ask: closed")).isEmpty(), qPrintable(ringle.transcript()));
    }
};

QTEST_GUILESS_MAIN(ItestEndToEnd)
#include "itest_endtoend.moc"
