#include "app/configcheck.h"
#include "app/configcommand.h"
#include "app/launcher.h"
#include "app/wheeldemo.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/settingsmigration.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Language detection allocates ~130 KB scratch per call; without this glibc hands it back to the
    // kernel every time and the next call pays for it again.
    mallopt(M_TRIM_THRESHOLD, 4 * 1024 * 1024);
#endif
    const bool checkConfig = argc > 1 && qstrcmp(argv[1], "--check-config") == 0;
    const bool configCommand = argc > 1 && qstrcmp(argv[1], "config") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (checkConfig || configCommand)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ringle"));

    JsonFileDefaults defaults(JsonFileDefaults::pathForDomain(QStringLiteral("Ringle")));
    {
        JsonFileDefaults earlier(JsonFileDefaults::pathForDomain(QStringLiteral("Varno")));
        SettingsMigration::runOnce(defaults, earlier);
    }
    if (checkConfig) {
        QTextStream out(stdout);
        return ConfigCheck::run(defaults, out);
    }
    if (configCommand) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return ConfigCommand::run(app->arguments().mid(2), defaults, out, err);
    }
    if (argc > 1 && qstrcmp(argv[1], "--demo-wheel") == 0) {
        QTextStream out(stdout);
        return WheelDemo::run(defaults, out);
    }
    return Launcher::run(static_cast<QApplication &>(*app), defaults, defaults.filePath(), app->arguments().mid(1));
}
