#include "app/appidentity.h"
#include "app/commandline.h"
#include "app/configcheck.h"
#include "app/configcommand.h"
#include "app/launcher.h"
#include "app/wheeldemo.h"
#include "platform/jsonfiledefaults.h"
#include "platform/x11/x11displayprobe.h"
#include "wheel/settingsmigration.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Ringle works through X11 only; in a Wayland session Qt would otherwise pick its Wayland plugin.
// Tests choose their own platform (offscreen) and keep it.
bool prefersX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform.startsWith("wayland"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    return qgetenv("QT_QPA_PLATFORM") == "xcb";
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Language detection allocates ~130 KB scratch per call; without this glibc hands it back to the
    // kernel every time and the next call pays for it again.
    mallopt(M_TRIM_THRESHOLD, 4 * 1024 * 1024);
#endif
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Request request = CommandLine::parse(words);
    switch (request.mode) {
    case CommandLine::Mode::help:
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    case CommandLine::Mode::version:
        std::fputs(qPrintable(CommandLine::versionText()), stdout);
        return 0;
    case CommandLine::Mode::badUsage:
        std::fprintf(stderr, "ringle: %s\n%s", qPrintable(request.error), qPrintable(CommandLine::usage()));
        return 2;
    default:
        break;
    }
    if (CommandLine::needsDisplay(request.mode) && prefersX11()) {
        const QByteArray display = qgetenv("DISPLAY");
        const QString problem = CommandLine::displayProblem(display, qgetenv("WAYLAND_DISPLAY"),
                                                            !display.isEmpty() && X11DisplayProbe::reachable(display));
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
    }

    std::unique_ptr<QCoreApplication> app;
    if (CommandLine::needsDisplay(request.mode)) {
        app = std::make_unique<QApplication>(argc, argv);
        QGuiApplication::setDesktopFileName(AppIdentity::desktopId());
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Ringle"));
    QCoreApplication::setApplicationVersion(AppIdentity::version());

    JsonFileDefaults defaults(JsonFileDefaults::pathForDomain(QStringLiteral("Ringle")));
    {
        JsonFileDefaults earlier(JsonFileDefaults::pathForDomain(QStringLiteral("Varno")));
        SettingsMigration::runOnce(defaults, earlier);
    }
    QTextStream out(stdout);
    switch (request.mode) {
    case CommandLine::Mode::checkConfig:
        return ConfigCheck::run(defaults, out);
    case CommandLine::Mode::config: {
        QTextStream err(stderr);
        return ConfigCommand::run(request.configArguments, defaults, out, err);
    }
    case CommandLine::Mode::demoWheel:
        return WheelDemo::run(defaults, out);
    default:
        // Settings written elsewhere (ringle config, another writer) apply while the app runs.
        defaults.watchForOtherWriters();
        return Launcher::run(static_cast<QApplication &>(*app), defaults, defaults.filePath(),
                             request.mode == CommandLine::Mode::settings);
    }
}
