#include "actions/slotdispatcher.h"

#include "actions/actionrunner.h"
#include "actions/applookup.h"
#include "actions/askopener.h"
#include "actions/controllerstatus.h"
#include "actions/keystroke.h"
#include "actions/sessionparts.h"
#include "actions/shortcutscli.h"
#include "ai/aiengine.h"
#include "caret/caretlocator.h"
#include "platform/keyboard.h"
#include "platform/sound.h"
#include "platform/workspace.h"
#include "wheel/customprompt.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitem.h"

#include <QLoggingCategory>
#include <QPointer>
#include <QUrl>

// The same category as the rest of the controller: its log lines are what the end-to-end tests wait for.
Q_LOGGING_CATEGORY(lcSlots, "ringle.controller", QtInfoMsg)

SlotDispatcher::SlotDispatcher(SessionParts &parts, ActionRunner &runner)
    : m_parts(parts)
    , m_runner(runner)
{
}

void SlotDispatcher::run(const WheelItem &item)
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
        return openApp(item.appId());
    case Kind::openURL:
        return openAddress(item.address());
    case Kind::ask:
        return openAsk();
    case Kind::shortcut:
        return runShortcut(item.shortcutName(), item.shortcutID());
    }
}

void SlotDispatcher::unavailable(const WheelItem &item)
{
    qCWarning(lcSlots) << "this build cannot run" << item.toJson().keys().value(0) << "slots yet";
    m_parts.platform.sound.beep();
}

bool SlotDispatcher::canReplaceFocusedText()
{
    // Unknown counts as replaceable: most applications do not say.
    return m_parts.caret.textAccess() != TextAccess::readOnly;
}

void SlotDispatcher::trigger(AIAction action, std::optional<TargetLanguage> language)
{
    if (!m_runner.beginBusyAction())
        return;
    const bool canReplace = action != AIAction::explain && canReplaceFocusedText();
    const QString title = language ? tr("Translating to %1…").arg(TargetLanguages::localizedName(*language))
                                   : AIActions::progressTitle(action);
    const bool direct = !AIActions::showResultFirst(m_parts.defaults) && !AIActions::alwaysShowsResult(action)
        && canReplace;
    AIEngine *engine = &m_parts.engine;
    ModelRequest request{title, direct, canReplace, action == AIAction::proofread || action == AIAction::rewrite,
                         [engine, action, language](QString text, AnswerProgress *progress) {
                             return engine->run(action, std::move(text), language, progress);
                         }};
    m_runner.runOnSelection(std::move(request));
}

void SlotDispatcher::trigger(const CustomPrompt &prompt)
{
    if (!m_runner.beginBusyAction())
        return;
    const bool canReplace = canReplaceFocusedText();
    const bool direct = !AIActions::showResultFirst(m_parts.defaults)
        && prompt.result != CustomPrompt::ResultMode::show && canReplace;
    AIEngine *engine = &m_parts.engine;
    const CustomInstruction instruction{prompt.instruction, prompt.keepLanguage};
    // A prompt whose answer replaces the text is an edit of it, shown as one.
    const bool marksChanges = prompt.result != CustomPrompt::ResultMode::show;
    ModelRequest request{prompt.title() + QStringLiteral("…"), direct, canReplace, marksChanges,
                         [engine, instruction](QString text, AnswerProgress *progress) {
                             return engine->run(instruction, std::move(text), progress);
                         }};
    m_runner.runOnSelection(std::move(request));
}

void SlotDispatcher::sendKeys(const KeyCombo &combo)
{
    // No busy check: a combination may be sent while a model action runs.
    if (m_runner.ensureTrusted())
        postCombo(combo);
}

QCoro::Task<void> SlotDispatcher::postCombo(KeyCombo combo)
{
    const QPointer<SlotDispatcher> self(this);
    // The keys that opened the wheel may still be held; they must not join the combination.
    co_await m_parts.replacer.waitForModifierRelease(keyComboModifierWait);
    if (self)
        Keystroke::sendCombo(m_parts.platform.keyboard, {combo.key, combo.modifiers});
}

void SlotDispatcher::openApp(const QString &appId)
{
    Workspace &workspace = m_parts.platform.workspace;
    if (!workspace.application(appId)) {
        m_runner.reportFailure(tr("Couldn't find the app."));
        return;
    }
    if (!workspace.openApplication(appId))
        m_runner.reportFailure(tr("Couldn't open %1.").arg(AppLookup(workspace).name(appId)));
}

void SlotDispatcher::openAddress(const QString &address)
{
    // Opened exactly as stored; an address without a scheme is not something a handler can take.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || !m_parts.platform.workspace.openUrl(url))
        m_runner.reportFailure(tr("Couldn't open %1.").arg(address));
}

void SlotDispatcher::openAsk()
{
    if (!m_parts.ask)
        return unavailable(WheelItem::ask());
    if (m_runner.refusedWhileBusy())
        return;
    m_parts.status.setWorking(true);
    copyThenAsk();
}

QCoro::Task<void> SlotDispatcher::copyThenAsk()
{
    const QPointer<SlotDispatcher> self(this);
    std::optional<QString> context;
    // Without a selection, or without the right to read it, the chat is about anything; no error.
    if (!m_parts.isTrusted || m_parts.isTrusted()) {
        try {
            const QString copied = (co_await m_parts.replacer.copySelection()).trimmed();
            if (!copied.isEmpty())
                context = copied;
        } catch (...) {
            qCDebug(lcSlots) << "Ask without a selection";
        }
    }
    if (!self)
        co_return;
    m_parts.ask->open(std::move(context));
    m_parts.status.setWorking(false);
}

void SlotDispatcher::runShortcut(const QString &name, const QString &id)
{
    if (!m_runner.beginBusyAction())
        return;
    ShortcutsCLI *cli = &m_parts.shortcutsCLI;
    m_runner.runOnOptionalSelection(tr("Running %1…").arg(name), [cli, id](std::optional<QString> selection) {
        return cli->run(id, std::move(selection));
    });
}
