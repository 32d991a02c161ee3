// The result panel on a real X server while an answer streams into it: how long a written chunk takes
// from reaching the panel to the end of the panel's next paint (the first chunk of each answer,
// which turns "working" into the answer and grows the panel, and the chunks after it), and the
// memory after 100 streamed answers, each ending with its changes marked, as after 10.
// Run inside a private X session:
//   tests/integration/x11-session.sh build/bench/bench/bench_streampanel
// In an AddressSanitizer build, ASAN_OPTIONS=quarantine_size_mb=0 keeps freed memory from counting.
#include "actions/resultpanel.h"
#include "ai/worddiff.h"
#include "platform/platform.h"
#include "platform/x11/x11platform.h"
#include "ui/resultpanelwindow.h"
#include "ui/wrappedtext.h"
#include "benchsummary.h"
#include "residentmemory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {
constexpr int answers = 100;
constexpr int chunksPerAnswer = 60;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Notes the end of each paint of the widgets it watches.
class PaintWatch final : public QObject {
public:
    std::optional<Clock::time_point> painted;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        watched->removeEventFilter(this);
        const bool handled = watched->event(event);
        watched->installEventFilter(this);
        painted = Clock::now();
        return handled;
    }
};

// Runs the event loop until `done` or `ms` have passed; whether `done`.
bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() >= ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

void wait(int ms)
{
    waitFor([] { return false; }, ms);
}

QString percentile90(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return QString::number(times[times.size() * 9 / 10], 'f', 2);
}

QString word(int answer, int chunk)
{
    static const QStringList words = QStringLiteral(
        "the report was sent on friday and the team agreed to meet again next week to review its findings")
                                         .split(QLatin1Char(' '));
    return words[(answer + chunk) % words.size()];
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::unique_ptr<X11Platform> backend = X11Platform::create();
    if (!backend) {
        std::fputs("no X server\n", stderr);
        return 1;
    }
    const Platform ports = backend->platform();
    ResultPanelWindow *window = nullptr;
    ResultPanel panel(ports.screens, ports.inputMonitor, [&window](ResultPanelButtons &buttons) {
        auto made = std::make_unique<ResultPanelWindow>(&buttons);
        window = made.get();
        return made;
    });

    PaintWatch watch;
    std::vector<double> firstChunks;
    std::vector<double> laterChunks;
    QString afterTen;
    const QString title = QStringLiteral("Proofreading…");
    for (int answer = 0; answer < answers; ++answer) {
        panel.anchor = QRectF(300, 500, 1, 18);
        panel.show(ResultPanelState::working(title));
        wait(20);
        QString written;
        for (int chunk = 0; chunk < chunksPerAnswer; ++chunk) {
            written += (chunk == 0 ? QString() : QStringLiteral(" ")) + word(answer, chunk);
            // Whatever shows the answer may be made on the first chunk; watch every widget there is.
            watch.painted.reset();
            for (QWidget *widget : window->findChildren<WrappedText *>())
                widget->installEventFilter(&watch);
            const Clock::time_point start = Clock::now();
            panel.show(ResultPanelState::streaming(title, written));
            for (QWidget *widget : window->findChildren<WrappedText *>())
                widget->installEventFilter(&watch);
            if (!waitFor([&] { return watch.painted.has_value(); }, 2000)) {
                std::fputs("a chunk was not painted\n", stderr);
                return 1;
            }
            (chunk == 0 ? firstChunks : laterChunks).push_back(ms(*watch.painted - start));
            // A model writes a few words at a time; the next ones come later than a frame.
            wait(2);
        }
        const QString original = QString(written).replace(QStringLiteral("the "), QStringLiteral("teh "));
        panel.show(ResultPanelState::changed(written, WordDiff::compare(original, written)), true);
        wait(20);
        panel.hide();
        wait(30);
        if (answer == 9)
            afterTen = residentMemory();
    }
    std::printf("first chunk to paint: %s, p90 %s ms\n", qPrintable(benchSummary(firstChunks, 2)),
                qPrintable(percentile90(firstChunks)));
    std::printf("later chunks to paint: %s, p90 %s ms\n", qPrintable(benchSummary(laterChunks, 2)),
                qPrintable(percentile90(laterChunks)));
    std::printf("resident memory after 10 answers: %s, after %d: %s\n", qPrintable(afterTen), answers,
                qPrintable(residentMemory()));
    return 0;
}
