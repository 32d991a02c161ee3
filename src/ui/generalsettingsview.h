#pragma once

#include "platform/accessibilitytree.h"
#include "platform/desktopcapability.h"

#include <QWidget>
#include <QCoroTask>
#include <chrono>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QTimer;
class DesktopStatusRows;
class ModelSettingsSection;
class ShortcutRecorder;
class StatusLabel;
class WheelMouseRow;
struct SettingKey;
struct SettingsContext;

// The General tab: the wheel's shortcut and mouse button, whether the wheel follows the app in
// front, whether results show first, the model, the translation target and a status block that
// is refreshed every second while the tab is shown. Every change is stored at once.
class GeneralSettingsView final : public QWidget {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds statusInterval{1};

    explicit GeneralSettingsView(SettingsContext &context, QWidget *parent = nullptr);
    ~GeneralSettingsView() override;

    static QString accessibilityText(AccessibilityStatus::State state);

    // None where the desktop does not let Ringle bind the shortcut: the keyboard row says how then.
    ShortcutRecorder *recorder() const { return m_recorder; }
    QLabel *keyboardHint() const { return m_keyboardHint; }
    DesktopStatusRows *desktopStatus() const { return m_desktop.get(); }
    WheelMouseRow *mouseRow() const { return m_mouseRow; }
    QLabel *mouseExplanation() const { return m_explanation; }
    ModelSettingsSection *modelSection() const { return m_model; }
    QComboBox *languagePicker() const { return m_language; }
    StatusLabel *accessibilityStatus() const { return m_accessibility; }
    QPushButton *turnOnButton() const { return m_turnOn; }
    QLabel *onDeviceStatus() const { return m_onDevice; }
    QLabel *lastError() const { return m_lastError; }
    // None when the app does not offer it.
    QCheckBox *startAtLogin() const { return m_startAtLogin; }
    bool isRefreshing() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *startSection();
    QWidget *actionWheelSection();
    QWidget *resultSection();
    QWidget *translationSection();
    QWidget *statusSection();
    QCheckBox *toggle(const QString &title, const SettingKey &key);
    void settingChanged(const QString &key);
    QCoro::Task<void> refreshStatus();
    QCoro::Task<void> turnOnAccessibility();
    void showLastError();
    void showProviderRows();
    std::optional<DesktopCapability> desktopLine(DesktopCapability::Kind kind) const;
    void showMouseExplanation();

    SettingsContext &m_context;
    ShortcutRecorder *m_recorder = nullptr;
    QLabel *m_keyboardHint = nullptr;
    std::unique_ptr<DesktopStatusRows> m_desktop;
    QList<DesktopCapability> m_desktopLines;
    WheelMouseRow *m_mouseRow = nullptr;
    QLabel *m_explanation = nullptr;
    ModelSettingsSection *m_model = nullptr;
    QComboBox *m_language = nullptr;
    QFormLayout *m_status = nullptr;
    StatusLabel *m_accessibility = nullptr;
    QPushButton *m_turnOn = nullptr;
    QLabel *m_onDevice = nullptr;
    QLabel *m_lastError = nullptr;
    QCheckBox *m_startAtLogin = nullptr;
    QTimer *m_refresh;
    bool m_querying = false;
};
