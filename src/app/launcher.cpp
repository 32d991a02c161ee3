#include "app/launcher.h"

#include "actions/appcontroller.h"
#include "actions/appnotifications.h"
#include "actions/controllerstatus.h"
#include "app/applogging.h"
#include "app/appsession.h"
#include "app/firstrunprobe.h"
#include "app/instancechannel.h"
#include "app/quitsignals.h"
#include "app/ringleapp.h"
#include "app/traymenu.h"
#include "platform/accessibilitytree.h"
#include "ui/generalsettingsview.h"
#include "ui/settingscontext.h"
#include "ui/settingswindow.h"

#include <QApplication>
#include <QCoroTask>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>

namespace Launcher {
namespace {
// Long enough for the tray to have embedded the icon, short beside a user's first reach for the wheel.
constexpr std::chrono::milliseconds wheelPreparationDelay{300};

// Everything the running instance keeps until it quits.
struct Session {
    ControllerStatus status;
    AppNotifications notifications;
    std::unique_ptr<AppSession> app;
    std::unique_ptr<RingleApp> shell;
    std::unique_ptr<FirstRunProbe> probe;
    bool quitting = false;
};

// Quitting by any road: the session lets go of what it holds and hands the clipboard on while the
// event loop still runs, then the loop ends (aboutToQuit), then the session is destroyed in the
// reverse order of its making.
QCoro::Task<void> quitCleanly(Session *session, QApplication *app)
{
    co_await session->app->prepareToQuit();
    app->quit();
}

// With no model chosen yet, looks for a local server once the tray is up.
void lookForModelServer(Session &session, UserDefaults &defaults)
{
    if (!FirstRunProbe::isNeeded(defaults))
        return;
    session.probe = std::make_unique<FirstRunProbe>(defaults);
    QObject::connect(session.probe.get(), &FirstRunProbe::finished, session.shell.get(),
                     [shell = session.shell.get(), &defaults](std::optional<ModelProvider> stored) {
                         if (!stored && FirstRunProbe::isNeeded(defaults))
                             shell->suggestModelSetup();
                     });
    session.probe->start();
}

} // namespace

int run(QApplication &app, DesktopBackend::Kind backend, UserDefaults &defaults, const QString &settingsPath,
        bool openSettings)
{
    const InstanceChannel::Request request =
        openSettings ? InstanceChannel::Request::openSettings : InstanceChannel::Request::none;

    InstanceChannel channel(InstanceChannel::nameFor(InstanceChannel::sessionDisplay(), settingsPath));
    std::unique_ptr<Session> session;
    const auto quit = [&] {
        // A second request while the first is under way, or one before there is anything to
        // hand on, ends the loop at once.
        if (!session || !session->app || session->quitting) {
            app.quit();
            return;
        }
        session->quitting = true;
        quitCleanly(session.get(), &app);
    };
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::received, &app, [&quit](int number) {
        qCInfo(lcApp).noquote() << "quitting on" << (number == SIGTERM ? "SIGTERM" : number == SIGINT ? "SIGINT" : "SIGHUP");
        quit();
    });
    QObject::connect(&channel, &InstanceChannel::handOverFinished, &app, [&](bool delivered) {
        if (delivered) {
            if (request == InstanceChannel::Request::none)
                std::fputs(qPrintable(QCoreApplication::translate("Launcher", "Ringle is already running.\n")), stderr);
            app.exit(0);
            return;
        }
        if (!channel.listen())
            qCWarning(lcApp) << "later starts will not find this instance";
        QString why;
        std::unique_ptr<DesktopBackend> desktop = DesktopBackend::create(backend, &why);
        if (!desktop) {
            std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("Launcher", "Ringle cannot start: %1.").arg(why)));
            app.exit(1);
            return;
        }
        // Without its compositor Ringle can do nothing: it ends, saying so, instead of waiting.
        desktop->setLostHandler([&app](const QString &reason) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("Launcher", "Ringle quits: %1.").arg(reason)));
            app.exit(1);
        });
        session = std::make_unique<Session>();
        session->app = AppSession::create(std::move(desktop), defaults, session->status, session->notifications);
        session->shell = std::make_unique<RingleApp>(defaults, session->status, session->notifications);
        QObject::connect(session->shell.get(), &RingleApp::quitRequested, &app, quit);
        session->shell->fillSettings = [app = session->app.get(), menu = session->shell->trayMenu().menu()](
                                           SettingsWindow &window) {
            window.setTabContent(SettingsTab::general, new GeneralSettingsView(app->settingsContext(menu)));
            window.setTabContent(SettingsTab::wheel, app->makeWheelSettings());
        };
        QObject::connect(&channel, &InstanceChannel::requestReceived, session->shell.get(),
                         [shell = session->shell.get(), appSession = session->app.get()](InstanceChannel::Request received) {
                             if (received == InstanceChannel::Request::openSettings)
                                 shell->openSettings();
                             else if (received == InstanceChannel::Request::wheelPress
                                      || received == InstanceChannel::Request::wheelRelease)
                                 appSession->controller().wheelCommand(received == InstanceChannel::Request::wheelPress);
                             else if (received == InstanceChannel::Request::wheelToggle)
                                 appSession->controller().wheelToggle();
                         });
        // Without the accessibility bus everything still works, but the wheel cannot tell read-only
        // text or the website in front; the menu says so instead of failing quietly.
        const AccessibilityStatus accessibility = session->app->accessibility();
        if (!accessibility.explanation.isEmpty()) {
            qCWarning(lcApp).noquote() << accessibility.explanation;
            session->shell->trayMenu().setNotice(accessibility.explanation);
        }
        session->app->watchTrayHosts(session->shell->trayIcon());
        session->shell->start();
        QTimer::singleShot(wheelPreparationDelay, session->shell.get(),
                           [app = session->app.get()] { app->prepareWheel(); });
        lookForModelServer(*session, defaults);
        if (request == InstanceChannel::Request::openSettings)
            session->shell->openSettings();
    });
    channel.handOver(request);
    const int code = app.exec();
    session.reset();
    return code;
}

} // namespace Launcher
