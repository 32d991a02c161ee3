// Time from releasing the wheel on a Shortcuts slot to the script's output pasted in the test
// editor, over 20 runs of the example script "Upper Case" on a selected line. The release is the
// moment xdotool has sent the key-up; the paste is the first look at the editor that finds the new
// text (the editor is asked every millisecond or so). The app's own diagnostics give the part of
// it the script took: key-up to the "Done" state, which comes when the script has ended.
// Run inside a private X session with the test programs built:
//   RINGLE_BUILD_DIR=build/bench tests/integration/x11-session.sh build/bench/bench/bench_shortcutrun
#include "actions/shortcutlisting.h"
#include "benchsummary.h"
#include "lineprocess.h"
#include "ringleprocess.h"
#include "testsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
constexpr int runs = 20;
const QString line = QStringLiteral("    the quick brown fox\n");

// The example script in the app's scripts folder, and a wheel whose top slot runs it.
bool useExampleSlot(RingleProcess &ringle)
{
    const QString folder = ringle.configHome() + QStringLiteral("/Ringle/Shortcuts");
    const QString example = QStringLiteral(RINGLE_SOURCE_DIR "/examples/scripts/Upper Case.sh");
    if (!QDir().mkpath(folder) || !QFile::copy(example, folder + QStringLiteral("/Upper Case.sh")))
        return false;
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), ringle.configHome());
    tool.setProcessEnvironment(environment);
    tool.start(TestSupport::buildPath(QStringLiteral("src/app/ringle-shortcuts")),
               {QStringLiteral("list"), QStringLiteral("--show-identifiers")});
    if (!tool.waitForFinished(10000))
        return false;
    const QList<ShortcutInfo> listed = parseShortcutListing(QString::fromUtf8(tool.readAllStandardOutput()));
    if (listed.size() != 1)
        return false;
    QList<WheelSet> sets = WheelStore::shippedDefault();
    sets[0].rings[0].slots = {WheelItem::shortcut(listed[0].name, listed[0].id), WheelItem::proofread(),
                              WheelItem::explain(), WheelItem::summarize()};
    return ringle.configure(QStringLiteral("wheelSets"), QString::fromUtf8(WheelSet::encodeList(sets)));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    RingleProcess ringle;
    if (!useExampleSlot(ringle) || !ringle.start()) {
        out << "could not set up the app with the example script\n";
        return 1;
    }
    LineProcess editor;
    if (!TestSupport::startTestEditor(editor, QStringLiteral("bench")))
        return 1;
    const QString text = QStringLiteral("before\n") + line + QStringLiteral("after");
    const QString expected = QStringLiteral("before\n") + line.toUpper() + QStringLiteral("after");

    std::vector<double> toPaste;
    std::vector<double> toDone;
    for (int run = 0; run < runs; ++run) {
        if (!TestSupport::setAndSelect(editor, text, 7, int(7 + line.size()))
            || !xdotool({QStringLiteral("mousemove"), QStringLiteral("640"), QStringLiteral("420"), QStringLiteral("keydown"),
                         QStringLiteral("ctrl+alt+h")})
            || ringle.waitForLine(QStringLiteral("ringle.wheel.overlay: painted"), 10000).isEmpty())
            return 1;
        xdotool({QStringLiteral("mousemove_relative"), QStringLiteral("--"), QStringLiteral("0"), QStringLiteral("-90"),
                 QStringLiteral("sleep"), QStringLiteral("0.1")});
        xdotool({QStringLiteral("keyup"), QStringLiteral("h"), QStringLiteral("keyup"), QStringLiteral("ctrl+alt")});
        QElapsedTimer sinceRelease;
        sinceRelease.start();
        while (TestSupport::editorText(editor) != expected && sinceRelease.elapsed() < 10000) {
        }
        const double pasted = double(sinceRelease.nsecsElapsed()) / 1e6;
        const std::optional<double> up = RingleProcess::secondsOf(ringle.waitForLine(QStringLiteral("ringle.controller: shortcut up"), 10000));
        const std::optional<double> done = RingleProcess::secondsOf(ringle.waitForLine(QStringLiteral("ringle.resultpanel: shows done"), 10000));
        if (pasted >= 10000 || !up || !done || ringle.waitForLine(QStringLiteral("ringle.resultpanel: hidden"), 10000).isEmpty()) {
            out << "run " << run << " did not finish:\n" << ringle.transcript() << '\n';
            return 1;
        }
        toPaste.push_back(pasted);
        toDone.push_back((*done - *up) * 1000.0);
    }
    out << "release to the output pasted in the editor: " << benchSummary(toPaste, 1) << '\n'
        << "release to the script's end (the Done state): " << benchSummary(toDone, 1) << '\n';
    return 0;
}
