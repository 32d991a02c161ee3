#pragma once

#include "actions/textreplacer.h"
#include "ai/aiaction.h"
#include "ai/targetlanguage.h"
#include "platform/platform.h"
#include "platform/workspace.h"
#include "wheel/keycombo.h"

#include <QCoroTask>
#include <QObject>
#include <QPointF>
#include <QString>
#include <exception>
#include <functional>
#include <optional>

class ActionWheel;
class AskOpener;
class AIEngine;
class CaretLocator;
class ControllerStatus;
class CursorIndicator;
class KeyComboStore;
class MouseWheelTrigger;
class PromptStore;
class ShortcutsCLI;
class UserDefaults;
class WheelItem;
struct CustomPrompt;
namespace GlobalShortcuts {
class Registry;
}

// Turns the user's gestures into actions: opens the wheel from the shortcut or the mouse trigger, runs
// the chosen slot, and reports every outcome next to the caret or with the alert sound. At most one
// model action runs at a time; key combinations and opening apps or addresses are never refused. While
// the Ask window writes an answer the wheel stays closed: the window has the focus, so the wheel's
// actions would act on it.
// Main thread only. Every part must outlive the controller.
class AppController final : public QObject {
    Q_OBJECT
public:
    struct Parts {
        Platform platform;
        ControllerStatus &status;
        GlobalShortcuts::Registry &shortcuts;
        ActionWheel &wheel;
        MouseWheelTrigger &mouseTrigger;
        CursorIndicator &indicator;
        CaretLocator &caret;
        TextReplacer &replacer;
        AIEngine &engine;
        PromptStore &prompts;
        KeyComboStore &combos;
        ShortcutsCLI &shortcutsCLI;
        const UserDefaults &defaults;
        // Whether other applications may be read and typed into; none means always.
        std::function<bool()> isTrusted;
        // The Ask window; none leaves Ask slots unavailable.
        AskOpener *ask = nullptr;
    };

    // Where progress is shown when the caret cannot be found: this far from the pointer (y up).
    static constexpr QPointF pointerAnchorOffset{12, -30};
    static constexpr qreal pointerAnchorHeight = 18;
    static constexpr std::chrono::milliseconds keyComboModifierWait{1000};

    explicit AppController(Parts parts, QObject *parent = nullptr);
    ~AppController() override;

    // Attaches the wheel to the shortcut and to the mouse trigger, and starts the trigger.
    void start();
    // Runs a slot's action as if it had been chosen on the wheel.
    void run(const WheelItem &item);

    // The message shown for a failure; none for a cancelled request, which is not one.
    static std::optional<QString> failureMessage(const std::exception_ptr &error);
    static QString accessibilityMessage();

private:
    using Run = std::function<QCoro::Task<QString>(QString)>;

    void openWheel(std::optional<QPointF> point);
    void closeWheel(std::optional<QPointF> point);
    void trigger(AIAction action, std::optional<TargetLanguage> language);
    void trigger(const CustomPrompt &prompt);
    void sendKeys(const KeyCombo &combo);
    void openApp(const QString &appId);
    void openAddress(const QString &address);
    void openAsk();
    QCoro::Task<void> copyThenAsk();
    void runShortcut(const QString &name, const QString &id);
    void unavailable(const WheelItem &item);

    // The guard of the actions that must not overlap: false (after telling the user) when refused.
    bool beginBusyAction();
    void runBusy(const QString &title, bool direct, bool canReplace, Run run);
    void showProgress(const QString &title);
    bool canReplaceFocusedText();
    void reportFailure(const QString &message);
    void reportFailure(const std::exception_ptr &error);

    QCoro::Task<void> finishBusy(QCoro::Task<void> action);
    QCoro::Task<void> replaceDirectly(Run run);
    QCoro::Task<void> showResult(bool canReplace, Run run);
    QCoro::Task<void> replace(QString text, std::optional<RunningApp> app);
    QCoro::Task<void> postCombo(KeyCombo combo);
    QCoro::Task<void> runShortcutOnSelection(QString id);
    // Waits for a replacement of the selection, then hides the panel or shows why it failed.
    QCoro::Task<void> finishReplacement(QCoro::Task<void> replacing);

    Parts m_parts;
};
