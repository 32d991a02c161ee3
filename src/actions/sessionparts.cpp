#include "actions/sessionparts.h"

#include "platform/workspace.h"

namespace {
ActionWheel::Context wheelContext(CaretLocator &caret, Workspace &workspace)
{
    ActionWheel::Context context;
    context.browserHost = [&caret] { return caret.browserHost(); };
    context.frontApplication = [&workspace]() -> std::optional<QString> {
        const std::optional<RunningApp> app = workspace.frontApplication();
        return app ? std::optional<QString>(app->appId) : std::nullopt;
    };
    context.focusedTextIsReadOnly = [&caret] { return caret.textAccess() == TextAccess::readOnly; };
    return context;
}
} // namespace

SessionParts::SessionParts(Platform platform, UserDefaults &defaults, ControllerStatus &status, Views views)
    : platform(platform)
    , defaults(defaults)
    , status(status)
    , isTrusted(std::move(views.isTrusted))
    , caret(platform.accessibility, platform.workspace, platform.screens)
    , replacer(platform.clipboard, platform.keyboard, platform.workspace, caret)
    , shortcutsCLI(std::move(views.shortcutsTool))
    , engine(defaults, localModels, platform.onDeviceModel)
    , store(defaults)
    , combos(defaults, store)
    , prompts(defaults, store)
    , apps(platform.workspace)
    , display(combos, prompts, defaults, [this](const QString &appId) { return apps.name(appId); })
    , shortcuts(defaults, platform.hotKeys, views.menus)
    , mouseTrigger(defaults, platform.mouseTap, platform.screens)
    , wheel(store, platform.screens, wheelContext(caret, platform.workspace), std::move(views.wheelPanel))
    , resultPanel(platform.screens, platform.inputMonitor, std::move(views.resultPanel),
                  [this] { return caret.selectionEndRect(); }, views.resultTimings)
{
}
