// Opening the settings window in the running app: from "Settings…" (here `ringle --settings`, which
// reaches the same handler) to the window's first paint, the first time (window and General tab
// built) and again after closing it (window kept, only shown), and the app's memory before, with
// the window open and after it is closed. Both ends of a time are the app's own time-stamped
// diagnostics. Run inside a private X session with the tests built:
//   RINGLE_BUILD_DIR=build/bench tests/integration/x11-session.sh build/bench/bench/bench_settingsopen
#include "ringleprocess.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <vector>

using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
constexpr int reopenings = 20;

// Resident and proportional set sizes in KiB, from /proc.
QString memory(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    QString rss;
    QString pss;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "Rss:")
            rss = QString::fromLatin1(words[1]);
        if (words.size() >= 2 && words[0] == "Pss:")
            pss = QString::fromLatin1(words[1]);
    }
    return QStringLiteral("RSS %1 KiB, PSS %2 KiB").arg(rss, pss);
}

// Milliseconds from "opening" to "painted" for one `ringle --settings`.
std::optional<double> open(RingleProcess &ringle)
{
    ringle.unreadLines();
    if (!ringle.openSettings())
        return std::nullopt;
    const std::optional<double> start = RingleProcess::secondsOf(ringle.waitForLine(QStringLiteral("ringle.settings: opening"), 10000));
    const std::optional<double> end = RingleProcess::secondsOf(ringle.waitForLine(QStringLiteral("ringle.settings: painted"), 10000));
    if (!start || !end)
        return std::nullopt;
    return (*end - *start) * 1000.0;
}

// Closes the window as its title bar's close button does.
bool close()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                             QStringLiteral("^Ringle$")});
    search.waitForFinished(5000);
    const QString window = QString::fromUtf8(search.readAllStandardOutput()).split(QLatin1Char('\n')).first();
    return !window.isEmpty() && xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window})
        && xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")})
        && QTest::qWaitFor([&] {
               search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                        QStringLiteral("--name"), QStringLiteral("^Ringle$")});
               search.waitForFinished(5000);
               return search.readAllStandardOutput().trimmed().isEmpty();
           });
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    RingleProcess ringle;
    if (!ringle.start()) {
        out << "could not start the app\n";
        return 1;
    }
    QTest::qWait(1000);
    out << "before opening: " << memory(ringle.pid()) << "\n";
    const std::optional<double> first = open(ringle);
    if (!first) {
        out << "the window did not paint\n" << ringle.transcript() << "\n";
        return 1;
    }
    QTest::qWait(1500); // the model list loads and the status refreshes
    out << "first opening: " << QString::number(*first, 'f', 1) << " ms to the first paint\n";
    out << "window open: " << memory(ringle.pid()) << "\n";
    std::vector<double> again;
    for (int i = 0; i < reopenings; ++i) {
        if (!close())
            return 1;
        QTest::qWait(200);
        if (const std::optional<double> ms = open(ringle))
            again.push_back(*ms);
    }
    if (!close() || again.empty())
        return 1;
    QTest::qWait(1000);
    out << "window closed: " << memory(ringle.pid()) << "\n";
    std::sort(again.begin(), again.end());
    out << "later openings: median " << QString::number(again[again.size() / 2], 'f', 1) << " ms, worst "
        << QString::number(again.back(), 'f', 1) << " ms over " << again.size() << "\n";
    return 0;
}
