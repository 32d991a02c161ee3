#include "app/appidentity.h"
#include "app/apptranslations.h"
#include "app/backendchoice.h"
#include "app/commandline.h"
#include "app/configcheck.h"
#include "app/configcommand.h"
#include "app/doctor.h"
#include "app/instancechannel.h"
#include "app/launcher.h"
#include "app/wheeldemo.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/settingsmigration.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// `ringle wheel press|release`: hands the gesture to the running instance.
int sendWheelCommand(const QString &gesture, const QString &settingsPath)
{
    InstanceChannel channel(InstanceChannel::nameFor(InstanceChannel::sessionDisplay(), settingsPath));
    int code = 1;
    QObject::connect(&channel, &InstanceChannel::handOverFinished, &channel, [&code](bool delivered) {
        if (!delivered)
            std::fputs(qPrintable(QCoreApplication::translate("CommandLine", "Ringle is not running.\n")), stderr);
        code = delivered ? 0 : 1;
        QCoreApplication::quit();
    });
    // Inside the loop: the answer may come at once, and ending the loop needs it running.
    const InstanceChannel::Request request = gesture == u"press"    ? InstanceChannel::Request::wheelPress
                                           : gesture == u"release" ? InstanceChannel::Request::wheelRelease
                                                                   : InstanceChannel::Request::wheelToggle;
    QTimer::singleShot(0, &channel, [&channel, request] { channel.handOver(request); });
    QCoreApplication::exec();
    return code;
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
    CommandLine::Request request;
    std::optional<DesktopBackend::Kind> backend;
    {
        // What is said before the application is made (help, wrong usage, no display) is translated
        // through this short-lived one: a translator needs an application.
        QCoreApplication early(argc, argv);
        const AppTranslations translations;
        request = CommandLine::parse(words);
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
        if (CommandLine::needsDisplay(request.mode)) {
            const BackendChoice::Choice choice = BackendChoice::choose(BackendChoice::current(request.backend));
            if (!choice.kind) {
                std::fprintf(stderr, "%s\n", qPrintable(choice.problem));
                return 1;
            }
            if (!choice.note.isEmpty())
                std::fprintf(stderr, "ringle: %s\n", qPrintable(choice.note));
            backend = choice.kind;
            // Qt opens its own connection to the same display as Ringle's backend.
            BackendChoice::applyQtPlatform(*backend);
        }
    }

    std::unique_ptr<QCoreApplication> app;
    if (CommandLine::needsDisplay(request.mode)) {
        app = std::make_unique<QApplication>(argc, argv);
        QGuiApplication::setDesktopFileName(AppIdentity::desktopId());
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const AppTranslations translations;
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
        return WheelDemo::run(*backend, defaults, out);
    case CommandLine::Mode::doctor:
        return Doctor::run(*backend, defaults, out);
    case CommandLine::Mode::wheel:
        return sendWheelCommand(request.wheelGesture, defaults.filePath());
    default:
        // Settings written elsewhere (ringle config, another writer) apply while the app runs.
        defaults.watchForOtherWriters();
        return Launcher::run(static_cast<QApplication &>(*app), *backend, defaults, defaults.filePath(),
                             request.mode == CommandLine::Mode::settings);
    }
}
