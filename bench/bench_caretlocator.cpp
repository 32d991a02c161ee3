// Time of CaretLocator::textAccess() and browserHost() against real applications: the Qt test
// window and Debian's Chromium (when installed). Median and worst of 50 calls each. Run inside a
// private X session with the accessibility bus:
//   tests/integration/x11-session.sh build/release/bench/bench_caretlocator
#include "caret/caretlocator.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/linux/atspiaccessibility.h"
#include "testbrowser.h"
#include "textwindowdriver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {
constexpr int calls = 50;

void measure(QTextStream &out, const QString &what, const std::function<QString()> &call)
{
    std::vector<double> ms;
    QString answer;
    for (int i = 0; i < calls; ++i) {
        QElapsedTimer timer;
        timer.start();
        answer = call();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    out << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(0) << QStringLiteral(" median %1 ms, worst %2 ms (%3)\n")
               .arg(ms[calls / 2], 0, 'f', 1).arg(ms.back(), 0, 'f', 1).arg(answer);
    out.flush();
}

QString accessName(TextAccess access)
{
    return QString(textAccessName(access));
}

QString hostName(const std::optional<QString> &host)
{
    return host.value_or(QStringLiteral("none"));
}

bool waitFor(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QTest::qWait(50);
    }
    return true;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("RINGLE_BUILD_DIR"))
        qputenv("RINGLE_BUILD_DIR", QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/..")).absolutePath().toUtf8());
    QTextStream out(stdout);
    FakeWorkspace workspace;
    FakeScreens screens;
    AtspiAccessibility tree(workspace);
    if (!tree.status().isUsable()) {
        out << "No accessibility bus: run inside tests/integration/x11-session.sh\n";
        return 1;
    }
    CaretLocator locator(tree, workspace, screens);

    {
        TextWindowDriver window;
        if (!window.start())
            return 1;
        workspace.setFrontApplication(RunningApp{window.pid(), QStringLiteral("accessibletextwindow"), QString()});
        window.send(QStringLiteral("focus view"));
        window.send(QStringLiteral("select view 6 10"));
        waitFor([&] { return locator.textAccess() == TextAccess::readOnly; }, 5000);
        measure(out, QStringLiteral("Qt window, read-only view: textAccess"), [&] { return accessName(locator.textAccess()); });
        window.send(QStringLiteral("focus edit"));
        window.send(QStringLiteral("select edit 2 8"));
        waitFor([&] { return locator.textAccess() == TextAccess::editable; }, 5000);
        measure(out, QStringLiteral("Qt window, line edit: textAccess"), [&] { return accessName(locator.textAccess()); });
        measure(out, QStringLiteral("Qt window: browserHost"), [&] { return hostName(locator.browserHost()); });
    }

    if (TestBrowser::executable().isEmpty()) {
        out << "chromium is not installed: browser figures skipped\n";
        return 0;
    }
    TestBrowser browser;
    if (!browser.start() || !waitFor([&] { return browser.isPageRunning(); }, 30000)) {
        out << "chromium did not show the page\n";
        return 1;
    }
    workspace.setFrontApplication(RunningApp{browser.pid(), QStringLiteral("chromium"), QStringLiteral("Chromium")});
    waitFor([&] { return locator.browserHost() == QStringLiteral("example.test"); }, 30000);
    measure(out, QStringLiteral("Chromium: browserHost"), [&] { return hostName(locator.browserHost()); });
    browser.setCommand("page");
    waitFor([&] { return locator.textAccess() == TextAccess::readOnly; }, 10000);
    measure(out, QStringLiteral("Chromium, page text: textAccess"), [&] { return accessName(locator.textAccess()); });
    browser.setCommand("field");
    waitFor([&] { return locator.textAccess() == TextAccess::editable; }, 10000);
    measure(out, QStringLiteral("Chromium, form field: textAccess"), [&] { return accessName(locator.textAccess()); });
    return 0;
}
