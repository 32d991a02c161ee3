#include "actions/appcontroller.h"

#include "actions/applookup.h"
#include "actions/askopener.h"
#include "actions/controllerstatus.h"
#include "actions/cursorindicator.h"
#include "actions/keystroke.h"
#include "base/ringleerror.h"
#include "actions/shortcutscli.h"
#include "ai/aiengine.h"
#include "ai/requestcancelled.h"
#include "caret/caretlocator.h"
#include "globalshortcuts/name.h"
#include "globalshortcuts/registry.h"
#include "platform/clipboard.h"
#include "platform/keyboard.h"
#include "platform/screens.h"
#include "platform/sound.h"
#include "wheel/actionwheel.h"
#include "wheel/customprompt.h"
#include "wheel/keycombostore.h"
#include "wheel/mousewheeltrigger.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitem.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QUrl>

Q_LOGGING_CATEGORY(lcController, "ringle.controller", QtInfoMsg)

namespace {

quint64 eventFlags(KeyModifiers modifiers)
{
    quint64 flags = 0;
    if (modifiers.contains(KeyModifiers::command))
        flags |= EventFlag::command;
    if (modifiers.contains(KeyModifiers::option))
        flags |= EventFlag::option;
    if (modifiers.contains(KeyModifiers::control))
        flags |= EventFlag::control;
    if (modifiers.contains(KeyModifiers::shift))
        flags |= EventFlag::shift;
    return flags;
}

// The work's result, with "Done" shown while it is pasted.
template <typename T>
QCoro::Task<T> thenDone(QCoro::Task<T> work, QPointer<QObject> owner, CursorIndicator *indicator)
{
    T result = co_await std::move(work);
    if (owner)
        indicator->show(CursorIndicatorState::done());
    co_return result;
}

// Runs the model, then says "Done" while the result is pasted. A free function so that nothing it
// uses lives in a lambda that could go away while it waits.
QCoro::Task<QString> transformThenDone(std::function<QCoro::Task<QString>(QString)> run,
                                       QPointer<QObject> owner, CursorIndicator *indicator, QString text)
{
    co_return co_await thenDone(run(std::move(text)), std::move(owner), indicator);
}

} // namespace

AppController::AppController(Parts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
{
}

AppController::~AppController() = default;

QString AppController::accessibilityMessage()
{
    return tr("Ringle needs Accessibility permission.");
}

std::optional<QString> AppController::failureMessage(const std::exception_ptr &error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const RingleError &e) {
        return e.errorDescription();
    } catch (const RequestCancelled &) {
        return std::nullopt;
    } catch (const std::exception &e) {
        const QString what = QString::fromUtf8(e.what()).trimmed();
        if (!what.isEmpty())
            return what;
    } catch (...) {
    }
    return tr("Something went wrong.");
}

void AppController::start()
{
    const QPointer<AppController> self(this);
    const GlobalShortcuts::Name wheelName = GlobalShortcuts::Name::actionWheel();
    m_parts.shortcuts.onKeyDown(wheelName, [self] {
        qCDebug(lcController) << "shortcut down";
        if (self)
            self->openWheel(std::nullopt);
    });
    m_parts.shortcuts.onKeyUp(wheelName, [self] {
        qCDebug(lcController) << "shortcut up";
        if (self)
            self->closeWheel(std::nullopt);
    });

    MouseWheelTrigger &trigger = m_parts.mouseTrigger;
    trigger.onBegin = [self](QPointF point) {
        if (self)
            self->openWheel(point);
    };
    trigger.onMove = [self](QPointF point) {
        if (self && self->m_parts.wheel.isOpen())
            self->m_parts.wheel.select(point);
    };
    trigger.onEnd = [self](std::optional<QPointF> point) {
        if (self)
            self->closeWheel(point);
    };
    trigger.onScroll = [self](const ScrollInput &input) {
        if (self)
            self->m_parts.wheel.scroll(input);
    };
    trigger.start();
    qCDebug(lcController) << "started";
}

void AppController::openWheel(std::optional<QPointF> point)
{
    if (m_parts.status.isWorking() || (m_parts.ask && m_parts.ask->isAnswering())) {
        qCDebug(lcController) << "busy: the wheel stays closed";
        m_parts.platform.sound.beep();
        return;
    }
    m_parts.wheel.open(point);
    m_parts.mouseTrigger.setCapturesScroll(true);
}

void AppController::closeWheel(std::optional<QPointF> point)
{
    m_parts.mouseTrigger.setCapturesScroll(false);
    const WheelSlot item = m_parts.wheel.close(point);
    if (item)
        run(*item);
}

void AppController::run(const WheelItem &item)
{
    using Kind = WheelItem::Kind;
    switch (item.kind()) {
    case Kind::proofread:
        return trigger(AIAction::proofread, std::nullopt);
    case Kind::rewrite:
        return trigger(AIAction::rewrite, std::nullopt);
    case Kind::translate:
        return trigger(AIAction::translate, std::nullopt);
    case Kind::translateTo:
        return trigger(AIAction::translate, item.language());
    case Kind::explain:
        return trigger(AIAction::explain, std::nullopt);
    case Kind::summarize:
        return trigger(AIAction::summarize, std::nullopt);
    case Kind::customPrompt:
        // A slot whose prompt was deleted does nothing.
        if (const std::optional<CustomPrompt> prompt = m_parts.prompts.prompt(item.recordID()))
            trigger(*prompt);
        return;
    case Kind::keys:
        return sendKeys(item.combo());
    case Kind::customKeys:
        if (const std::optional<CustomKeyCombo> custom = m_parts.combos.combo(item.recordID()))
            sendKeys(custom->combo);
        return;
    case Kind::openApp:
        return openApp(item.bundleID());
    case Kind::openURL:
        return openAddress(item.address());
    case Kind::ask:
        return openAsk();
    case Kind::shortcut:
        return runShortcut(item.shortcutName(), item.shortcutID());
    }
}

void AppController::unavailable(const WheelItem &item)
{
    qCWarning(lcController) << "this build cannot run" << item.toJson().keys().value(0) << "slots yet";
    m_parts.platform.sound.beep();
}

bool AppController::beginBusyAction()
{
    if (m_parts.status.isWorking()) {
        qCDebug(lcController) << "busy: refused";
        m_parts.platform.sound.beep();
        return false;
    }
    if (m_parts.isTrusted && !m_parts.isTrusted()) {
        reportFailure(accessibilityMessage());
        return false;
    }
    m_parts.status.setWorking(true);
    return true;
}

bool AppController::canReplaceFocusedText()
{
    // Unknown counts as replaceable: most applications do not say.
    return m_parts.caret.textAccess() != TextAccess::readOnly;
}

void AppController::trigger(AIAction action, std::optional<TargetLanguage> language)
{
    if (!beginBusyAction())
        return;
    const bool canReplace = action != AIAction::explain && canReplaceFocusedText();
    const QString title = language ? tr("Translating to %1…").arg(TargetLanguages::localizedName(*language))
                                   : AIActions::progressTitle(action);
    const bool direct = !AIActions::showResultFirst(m_parts.defaults) && !AIActions::alwaysShowsResult(action)
        && canReplace;
    AIEngine *engine = &m_parts.engine;
    runBusy(title, direct, canReplace,
            [engine, action, language](QString text) { return engine->run(action, std::move(text), language); });
}

void AppController::trigger(const CustomPrompt &prompt)
{
    if (!beginBusyAction())
        return;
    const bool canReplace = canReplaceFocusedText();
    const bool direct = !AIActions::showResultFirst(m_parts.defaults)
        && prompt.result != CustomPrompt::ResultMode::show && canReplace;
    AIEngine *engine = &m_parts.engine;
    const CustomInstruction instruction{prompt.instruction, prompt.keepLanguage};
    runBusy(prompt.title() + QStringLiteral("…"), direct, canReplace,
            [engine, instruction](QString text) { return engine->run(instruction, std::move(text)); });
}

void AppController::runBusy(const QString &title, bool direct, bool canReplace, Run run)
{
    showProgress(title);
    finishBusy(direct ? replaceDirectly(std::move(run)) : showResult(canReplace, std::move(run)));
}

void AppController::showProgress(const QString &title)
{
    std::optional<QRectF> anchor = m_parts.caret.selectionEndRect();
    if (!anchor) {
        const QPointF pointer = m_parts.platform.screens.pointerLocation() + pointerAnchorOffset;
        anchor = QRectF(pointer.x(), pointer.y(), 1, pointerAnchorHeight);
    }
    m_parts.indicator.anchor = anchor;
    m_parts.indicator.show(CursorIndicatorState::working(title));
}

QCoro::Task<void> AppController::finishBusy(QCoro::Task<void> action)
{
    const QPointer<AppController> self(this);
    co_await action;
    if (self)
        m_parts.status.setWorking(false);
}

QCoro::Task<void> AppController::replaceDirectly(Run run)
{
    const QPointer<AppController> self(this);
    CursorIndicator *indicator = &m_parts.indicator;
    // Named, not a temporary in the co_await: this compiler destroys such temporaries twice.
    TextReplacer::Transform transform = [run, self, indicator](QString text) {
        return transformThenDone(run, QPointer<QObject>(self.data()), indicator, std::move(text));
    };
    QCoro::Task<void> replacing = m_parts.replacer.replaceSelection(std::move(transform));
    co_await finishReplacement(std::move(replacing));
}

QCoro::Task<void> AppController::showResult(bool canReplace, Run run)
{
    const QPointer<AppController> self(this);
    // Taken before anything is copied: Replace goes back to this application only.
    const std::optional<RunningApp> app = m_parts.platform.workspace.frontApplication();
    QString result;
    try {
        QString text = co_await m_parts.replacer.copySelection();
        if (!self)
            co_return;
        result = co_await run(std::move(text));
    } catch (...) {
        if (self)
            reportFailure(std::current_exception());
        co_return;
    }
    if (!self)
        co_return;
    m_parts.status.setLastError(std::nullopt);

    // The panel and Copy show the bare text; Replace keeps the spacing that surrounded the selection.
    const QString shown = result.trimmed();
    Clipboard *clipboard = &m_parts.platform.clipboard;
    m_parts.indicator.onCopy = [clipboard, shown] { clipboard->writeText(shown, false); };
    if (canReplace) {
        m_parts.indicator.onReplace = [self, result, app] {
            if (self)
                self->replace(result, app);
        };
    } else {
        m_parts.indicator.onReplace = nullptr;
    }
    m_parts.indicator.show(CursorIndicatorState::result(shown));
}

QCoro::Task<void> AppController::replace(QString text, std::optional<RunningApp> app)
{
    const QPointer<AppController> self(this);
    try {
        co_await m_parts.replacer.paste(std::move(text), std::move(app));
    } catch (...) {
        if (self)
            reportFailure(std::current_exception());
    }
}

void AppController::sendKeys(const KeyCombo &combo)
{
    // No busy check: a combination may be sent while a model action runs.
    if (m_parts.isTrusted && !m_parts.isTrusted()) {
        reportFailure(accessibilityMessage());
        return;
    }
    postCombo(combo);
}

QCoro::Task<void> AppController::postCombo(KeyCombo combo)
{
    const QPointer<AppController> self(this);
    // The keys that opened the wheel may still be held; they must not join the combination.
    co_await m_parts.replacer.waitForModifierRelease(keyComboModifierWait);
    if (self)
        Keystroke::sendCombo(m_parts.platform.keyboard, combo.keyCode, eventFlags(combo.modifiers));
}

void AppController::openApp(const QString &appId)
{
    Workspace &workspace = m_parts.platform.workspace;
    if (!workspace.application(appId)) {
        reportFailure(tr("Couldn't find the app."));
        return;
    }
    if (!workspace.openApplication(appId))
        reportFailure(tr("Couldn't open %1.").arg(AppLookup(workspace).name(appId)));
}

void AppController::openAddress(const QString &address)
{
    // Opened exactly as stored; an address without a scheme is not something a handler can take.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || !m_parts.platform.workspace.openUrl(url))
        reportFailure(tr("Couldn't open %1.").arg(address));
}

void AppController::openAsk()
{
    if (!m_parts.ask)
        return unavailable(WheelItem::ask());
    if (m_parts.status.isWorking()) {
        qCDebug(lcController) << "busy: Ask refused";
        m_parts.platform.sound.beep();
        return;
    }
    m_parts.status.setWorking(true);
    copyThenAsk();
}

QCoro::Task<void> AppController::copyThenAsk()
{
    const QPointer<AppController> self(this);
    std::optional<QString> context;
    // Without a selection, or without the right to read it, the chat is about anything; no error.
    if (!m_parts.isTrusted || m_parts.isTrusted()) {
        try {
            const QString copied = (co_await m_parts.replacer.copySelection()).trimmed();
            if (!copied.isEmpty())
                context = copied;
        } catch (...) {
            qCDebug(lcController) << "Ask without a selection";
        }
    }
    if (!self)
        co_return;
    m_parts.ask->open(std::move(context));
    m_parts.status.setWorking(false);
}

void AppController::runShortcut(const QString &name, const QString &id)
{
    if (!beginBusyAction())
        return;
    showProgress(tr("Running %1…").arg(name));
    finishBusy(runShortcutOnSelection(id));
}

QCoro::Task<void> AppController::runShortcutOnSelection(QString id)
{
    const QPointer<AppController> self(this);
    ShortcutsCLI *cli = &m_parts.shortcutsCLI;
    CursorIndicator *indicator = &m_parts.indicator;
    // Named, not a temporary in the co_await: this compiler destroys such temporaries twice.
    TextReplacer::Body body = [cli, indicator, self, id](std::optional<QString> selection) {
        return thenDone(cli->run(id, std::move(selection)), QPointer<QObject>(self.data()), indicator);
    };
    QCoro::Task<void> replacing = m_parts.replacer.withOptionalSelection(std::move(body));
    co_await finishReplacement(std::move(replacing));
}

QCoro::Task<void> AppController::finishReplacement(QCoro::Task<void> replacing)
{
    const QPointer<AppController> self(this);
    std::exception_ptr error;
    try {
        co_await std::move(replacing);
    } catch (...) {
        error = std::current_exception();
    }
    if (!self)
        co_return;
    if (error) {
        reportFailure(error);
        co_return;
    }
    m_parts.indicator.hide();
    m_parts.status.setLastError(std::nullopt);
}

void AppController::reportFailure(const QString &message)
{
    qCInfo(lcController) << "failure:" << message;
    m_parts.status.setLastError(message);
    m_parts.indicator.fail(message);
    m_parts.platform.sound.beep();
}

void AppController::reportFailure(const std::exception_ptr &error)
{
    if (const std::optional<QString> message = failureMessage(error))
        reportFailure(*message);
}
