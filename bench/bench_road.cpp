// Latencies of the running app as a user meets them, over 20 proofreads of the test editor's text
// through Ctrl+Alt+H: the shortcut's key-down reaching the app to the wheel's first paint, and the
// key-up to the first paint of the "working" panel. Both ends are read off the app's own
// time-stamped diagnostics. Run inside a private X session with the test programs built:
//   RINGLE_BUILD_DIR=build/release tests/integration/x11-session.sh build/release/bench/bench_road
#include "benchsummary.h"
#include "lineprocess.h"
#include "modelserverprocess.h"
#include "ringleprocess.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
constexpr int runs = 20;
const QString typo = QStringLiteral("Ths sentence has a tpyo in it.");

// Milliseconds between the lines that contain `from` and `to`, the second after the first.
std::optional<double> between(RingleProcess &ringle, const QString &from, const QString &to)
{
    const std::optional<double> start = RingleProcess::secondsOf(ringle.waitForLine(from, 10000));
    const std::optional<double> end = RingleProcess::secondsOf(ringle.waitForLine(to, 10000));
    if (!start || !end)
        return std::nullopt;
    return (*end - *start) * 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    ModelServerProcess server;
    RingleProcess ringle;
    if (!server.isRunning() || !server.setDefault(ModelServerProcess::completion(typo))
        || !ringle.useModelServer(server.url())
        || !ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")) || !ringle.start()) {
        out << "could not start the app and its model server\n";
        return 1;
    }
    LineProcess editor;
    if (!TestSupport::startTestEditor(editor, QStringLiteral("bench")))
        return 1;

    std::vector<double> toWheel;
    std::vector<double> toPanel;
    for (int run = 0; run < runs; ++run) {
        if (!TestSupport::setAndSelect(editor, typo, 0, int(typo.size()))
            || !xdotool({QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("420"), QStringLiteral("keydown"),
                         QStringLiteral("ctrl+alt+h")}))
            return 1;
        const std::optional<double> wheel =
            between(ringle, QStringLiteral("ringle.controller: shortcut down"), QStringLiteral("ringle.wheel.overlay: painted"));
        xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"), QStringLiteral("0"), QStringLiteral("-90"),
                 QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("keyup"), QStringLiteral("h"),
                 QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
        const std::optional<double> panel =
            between(ringle, QStringLiteral("ringle.controller: shortcut up"), QStringLiteral("ringle.resultpanel.window: painted working"));
        if (!wheel || !panel || ringle.waitForLine(QStringLiteral("ringle.resultpanel: hidden"), 10000).isEmpty()) {
            out << "run " << run << " did not finish:\n" << ringle.transcript() << '\n';
            return 1;
        }
        toWheel.push_back(*wheel);
        toPanel.push_back(*panel);
    }
    out << "shortcut down to the wheel's first paint: " << benchSummary(toWheel) << '\n'
        << "shortcut up to the working panel's first paint: " << benchSummary(toPanel) << '\n';
    return 0;
}
