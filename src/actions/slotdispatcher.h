#pragma once

#include "ai/aiaction.h"
#include "ai/targetlanguage.h"
#include "wheel/keycombo.h"

#include <QCoroTask>
#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

class ActionRunner;
class WheelItem;
struct SessionParts;
struct CustomPrompt;

// Runs what each kind of slot stands for. At most one model action, script or Ask runs at a time; key
// combinations and opening apps or addresses are never refused.
class SlotDispatcher final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds keyComboModifierWait{1000};

    SlotDispatcher(SessionParts &parts, ActionRunner &runner);

    void run(const WheelItem &item);

private:
    void trigger(AIAction action, std::optional<TargetLanguage> language);
    void trigger(const CustomPrompt &prompt);
    void sendKeys(const KeyCombo &combo);
    QCoro::Task<void> postCombo(KeyCombo combo);
    void openApp(const QString &appId);
    void openAddress(const QString &address);
    void openAsk();
    QCoro::Task<void> copyThenAsk();
    void runShortcut(const QString &name, const QString &id);
    void unavailable(const WheelItem &item);
    bool canReplaceFocusedText();

    SessionParts &m_parts;
    ActionRunner &m_runner;
};
