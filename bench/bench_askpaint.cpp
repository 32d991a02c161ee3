// The Ask window against the test model server on a real X server: how long the window takes to
// open (to the end of its first paint), how long a streamed chunk takes from reaching the chat to
// the answer's paint (a 500-chunk answer), and the memory after a 200-message conversation.
// Run inside a private X session with a build that has the tests:
//   RINGLE_BUILD_DIR=build/bench tests/integration/x11-session.sh build/bench/bench/bench_askpaint
#include "ai/askchat.h"
#include "ai/localmodelclient.h"
#include "modelserverprocess.h"
#include "platform/fake/memorydefaults.h"
#include "platform/unavailableondevicemodel.h"
#include "platform/linux/qtscreens.h"
#include "platform/x11/x11windowsystem.h"
#include "ui/askconversation.h"
#include "ui/askmessageviews.h"
#include "ui/askpanel.h"
#include "ui/askquestionfield.h"
#include "ui/askview.h"
#include "ui/askwindow.h"

#include "residentmemory.h"

#include <QApplication>
#include <QJsonDocument>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {
constexpr int opens = 20;
constexpr int chunks = 500;
constexpr int conversationQuestions = 100; // and as many answers

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void report(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.2f ms, worst %.2f ms, over %zu\n", what, values[values.size() / 2], values.back(),
                values.size());
}

// Calls `painted` after each paint of the watched widget.
class PaintWatch final : public QObject {
public:
    std::function<void()> painted;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        const bool handled = watched->event(event);
        watched->installEventFilter(this);
        if (painted)
            painted();
        return handled;
    }
};

std::vector<double> openingTimes(AskWindow &window)
{
    std::vector<double> times;
    PaintWatch watch;
    for (int i = 0; i < opens; ++i) {
        std::optional<Clock::time_point> done;
        watch.painted = [&done] {
            if (!done)
                done = Clock::now();
        };
        const Clock::time_point start = Clock::now();
        window.open(QStringLiteral("A short selected text to ask about."));
        window.panel()->view()->field()->installEventFilter(&watch);
        if (!QTest::qWaitFor([&] { return done.has_value(); }, 5000))
            std::fputs("a window did not paint\n", stderr);
        if (done)
            times.push_back(ms(*done - start));
        window.close();
        QTest::qWait(50);
    }
    return times;
}

QByteArray streamOf(int pieces, int delayMs, const QString &word)
{
    QList<QByteArray> lines;
    for (int i = 0; i < pieces; ++i)
        lines.append(ModelServerProcess::deltaEvent(word.arg(i)));
    lines.append("data: [DONE]\n\n");
    return QJsonDocument(ModelServerProcess::eventStream(lines, delayMs)).toJson(QJsonDocument::Compact);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ModelServerProcess server;
    if (!server.isRunning()) {
        std::fputs("the test model server did not start\n", stderr);
        return 1;
    }
    MemoryDefaults defaults;
    defaults.setString(QStringLiteral("modelProvider"), QStringLiteral("ollama"));
    defaults.setString(QStringLiteral("modelServer"), server.url().toString());
    defaults.setString(QStringLiteral("modelName"), QStringLiteral("bench"));
    LocalModelClient client;
    UnavailableOnDeviceModel onDevice;
    QtScreens screens;
    const AskChat::Models models{client, onDevice, defaults};
    std::printf("memory before the first window: %s\n", qPrintable(residentMemory()));

    X11WindowSystem windows;
    AskWindow window(AskWindow::Parts{models, screens, windows, {}});
    report("opening, to the end of the first paint", openingTimes(window));

    // Chunk to paint: the chat's update signal is connected before the window's own views.
    AskChat chat(models, QStringLiteral("The selected text."));
    std::vector<Clock::time_point> pending;
    std::vector<double> latencies;
    QObject::connect(&chat, &AskChat::messageTextChanged, [&pending](int) { pending.push_back(Clock::now()); });
    auto *view = new AskView(chat);
    AskPanel panel(view, [&windows] { return windows.isCompositing(); });
    panel.setGeometry(300, 150, AskView::width, 400);
    QObject::connect(view, &AskView::heightChanged, &panel, [&panel](qreal h) { panel.resize(panel.width(), int(h)); });
    panel.show();
    QTest::qWait(300);
    QObject::connect(&chat, &AskChat::messagesChanged, [&] {
        if (AskAnswerView *answer = view->conversation()->answerView(int(chat.messages().size()) - 1)) {
            answer->label()->onPainted = [&pending, &latencies] {
                const Clock::time_point now = Clock::now();
                for (const Clock::time_point arrived : pending)
                    latencies.push_back(ms(now - arrived));
                pending.clear();
            };
        }
    });
    server.enqueue(QJsonDocument::fromJson(streamOf(chunks, 20, QStringLiteral("word%1 "))).object());
    chat.send(QStringLiteral("Write a long answer, please."));
    if (!QTest::qWaitFor([&] { return !chat.isResponding(); }, 120000))
        std::fputs("the long answer did not end\n", stderr);
    QTest::qWait(100);
    std::printf("chunks painted: %zu of %d (several chunks may share a paint)\n", latencies.size(), chunks);
    report("chunk arriving to its paint", latencies);

    // A conversation of 200 messages in the window.
    window.open(QStringLiteral("The selected text."));
    AskChat *conversation = window.chat();
    for (int i = 0; i < conversationQuestions; ++i) {
        server.enqueue(QJsonDocument::fromJson(streamOf(30, 0, QStringLiteral("answer%1 text "))).object());
        conversation->send(QStringLiteral("Question number %1?").arg(i));
        if (!QTest::qWaitFor([&] { return !conversation->isResponding(); }, 20000))
            std::fputs("an answer did not end\n", stderr);
    }
    QTest::qWait(500);
    std::printf("messages: %lld, memory: %s\n", qint64(conversation->messages().size()), qPrintable(residentMemory()));
    return 0;
}
