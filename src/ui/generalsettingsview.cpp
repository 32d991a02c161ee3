#include "ui/generalsettingsview.h"

#include "actions/controllerstatus.h"
#include "ai/aiaction.h"
#include "ai/aiengine.h"
#include "ai/localmodelconfig.h"
#include "ai/targetlanguage.h"
#include "globalshortcuts/name.h"
#include "globalshortcuts/registry.h"
#include "platform/accessibilityswitch.h"
#include "platform/userdefaults.h"
#include "ui/desktopstatusrows.h"
#include "ui/modelsettingssection.h"
#include "ui/settingscontext.h"
#include "ui/settingslogging.h"
#include "ui/shortcutrecorder.h"
#include "ui/statuslabel.h"
#include "ui/wheelmouserow.h"
#include "wheel/wheelstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// Wide enough for the longest sentence to wrap onto a few lines, not one per word.
constexpr int formWidth = 520;

QGroupBox *section(const QString &title, QLayout *content)
{
    auto *box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}

QLabel *footnoteLabel(const QString &text)
{
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}
} // namespace

GeneralSettingsView::GeneralSettingsView(SettingsContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_refresh(new QTimer(this))
{
    setObjectName(QStringLiteral("general"));
    if (m_context.desktopCapabilities)
        m_desktopLines = m_context.desktopCapabilities();
    auto *layout = new QVBoxLayout(this);
    if (m_context.startsAtLogin && m_context.setStartsAtLogin)
        layout->addWidget(startSection());
    layout->addWidget(actionWheelSection());
    layout->addWidget(resultSection());
    m_model = new ModelSettingsSection(m_context.defaults, m_context.models);
    auto *modelLayout = new QVBoxLayout;
    modelLayout->addWidget(m_model);
    layout->addWidget(section(tr("Model"), modelLayout));
    layout->addWidget(translationSection());
    layout->addWidget(statusSection());
    setMinimumWidth(formWidth);

    m_refresh->setInterval(statusInterval);
    connect(m_refresh, &QTimer::timeout, this, [this] { refreshStatus(); });
    connect(&m_context.defaults, &UserDefaults::valueChanged, this, &GeneralSettingsView::settingChanged);
    connect(&m_context.controller, &ControllerStatus::lastErrorChanged, this, &GeneralSettingsView::showLastError);
    connect(&m_context.shortcuts, &GlobalShortcuts::Registry::recorderActiveStatusDidChange, this,
            [](bool active) { qCDebug(lcSettings) << (active ? "recording" : "recording ended"); });
    showLastError();
    showProviderRows();
}

GeneralSettingsView::~GeneralSettingsView() = default;

std::optional<DesktopCapability> GeneralSettingsView::desktopLine(DesktopCapability::Kind kind) const
{
    for (const DesktopCapability &line : m_desktopLines) {
        if (line.kind == kind)
            return line;
    }
    return std::nullopt;
}

QWidget *GeneralSettingsView::startSection()
{
    auto *form = new QVBoxLayout;
    m_startAtLogin = new QCheckBox(tr("Start Ringle at login"));
    m_startAtLogin->setChecked(m_context.startsAtLogin());
    auto *failure = footnoteLabel(QString());
    failure->setVisible(false);
    connect(m_startAtLogin, &QCheckBox::toggled, this, [this, failure](bool on) {
        const QString error = m_context.setStartsAtLogin(on);
        failure->setText(error);
        failure->setVisible(!error.isEmpty());
        const QSignalBlocker blocker(m_startAtLogin);
        m_startAtLogin->setChecked(m_context.startsAtLogin());
    });
    form->addWidget(m_startAtLogin);
    form->addWidget(failure);
    return section(tr("Ringle"), form);
}

QWidget *GeneralSettingsView::actionWheelSection()
{
    auto *form = new QFormLayout;
    if (const std::optional<DesktopCapability> shortcut = desktopLine(DesktopCapability::Kind::shortcut);
        shortcut && !shortcut->works) {
        // The desktop binds the key itself: a recorder would record a key nothing listens to.
        m_keyboardHint = footnoteLabel(DesktopStatusRows::sentence(*shortcut));
        m_keyboardHint->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("Keyboard"), m_keyboardHint);
    } else {
        m_recorder = new ShortcutRecorder(m_context.shortcuts, m_context.keyboardLayout, GlobalShortcuts::Name::actionWheel());
        m_recorder->setMenu(m_context.trayMenu);
        m_recorder->setAccessibleName(tr("Keyboard"));
        auto *recorderRow = new QHBoxLayout;
        recorderRow->addWidget(m_recorder);
        recorderRow->addStretch();
        form->addRow(tr("Keyboard"), recorderRow);
    }
    m_mouseRow = new WheelMouseRow(m_context.defaults);
    form->addRow(tr("Mouse"), m_mouseRow);
    m_explanation = footnoteLabel(QString());
    form->addRow(m_explanation);
    showMouseExplanation();
    form->addRow(toggle(tr("Use the set for the current app or website"), WheelStore::followsAppKey));
    return section(tr("Action Wheel"), form);
}

QWidget *GeneralSettingsView::resultSection()
{
    auto *form = new QVBoxLayout;
    form->addWidget(toggle(tr("Show the result before replacing the text"), AIActions::showResultFirstKey));
    form->addWidget(footnoteLabel(tr("Proofread, Rewrite and Translate show the result next to the cursor, with Copy "
                                     "and Replace. Turn this off to replace the text right away.")));
    return section(tr("Result"), form);
}

QWidget *GeneralSettingsView::translationSection()
{
    auto *form = new QFormLayout;
    m_language = new QComboBox;
    for (TargetLanguage language : TargetLanguages::allCases())
        m_language->addItem(TargetLanguages::localizedName(language), TargetLanguages::rawValue(language));
    connect(m_language, &QComboBox::activated, this,
            [this](int index) { m_context.defaults.setString(TargetLanguages::settingKey.name, m_language->itemData(index).toString()); });
    form->addRow(tr("Translate to"), m_language);
    settingChanged(TargetLanguages::settingKey.name);
    return section(tr("Translation"), form);
}

QWidget *GeneralSettingsView::statusSection()
{
    m_status = new QFormLayout;
    auto *accessibilityRow = new QWidget;
    auto *rowLayout = new QHBoxLayout(accessibilityRow);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    m_accessibility = new StatusLabel;
    m_turnOn = new QPushButton(tr("Turn On"));
    m_turnOn->setVisible(false);
    connect(m_turnOn, &QPushButton::clicked, this, [this] { turnOnAccessibility(); });
    rowLayout->addWidget(m_accessibility, 1);
    rowLayout->addWidget(m_turnOn);
    m_status->addRow(tr("Accessibility"), accessibilityRow);
    m_onDevice = new QLabel;
    m_onDevice->setWordWrap(true);
    m_status->addRow(tr("On-device model"), m_onDevice);
    m_desktop = std::make_unique<DesktopStatusRows>(*m_status);
    m_desktop->show(m_desktopLines);
    m_lastError = new QLabel;
    m_lastError->setWordWrap(true);
    m_lastError->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->addRow(tr("Last error"), m_lastError);
    return section(tr("Status"), m_status);
}

QCheckBox *GeneralSettingsView::toggle(const QString &title, const SettingKey &key)
{
    auto *box = new QCheckBox(title);
    box->setChecked(key.isOn(m_context.defaults));
    connect(box, &QCheckBox::toggled, this, [this, &key](bool on) { m_context.defaults.setBool(key.name, on); });
    connect(&m_context.defaults, &UserDefaults::valueChanged, box, [this, box, &key](const QString &changed) {
        if (changed != key.name)
            return;
        const QSignalBlocker blocker(box);
        box->setChecked(key.isOn(m_context.defaults));
    });
    return box;
}

QString GeneralSettingsView::accessibilityText(AccessibilityStatus::State state)
{
    switch (state) {
    case AccessibilityStatus::State::available:
        return tr("Running and turned on");
    case AccessibilityStatus::State::notEnabled:
        return tr("Running, but turned off: some apps do not share their text");
    case AccessibilityStatus::State::missing:
        break;
    }
    return tr("Not running: install at-spi2-core and log in again");
}

bool GeneralSettingsView::isRefreshing() const
{
    return m_refresh->isActive();
}

void GeneralSettingsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_startAtLogin) {
        const QSignalBlocker blocker(m_startAtLogin);
        m_startAtLogin->setChecked(m_context.startsAtLogin());
    }
    // The desktop's offer changes rarely (a tray that starts): asked each time the tab shows.
    if (m_context.desktopCapabilities) {
        m_desktopLines = m_context.desktopCapabilities();
        m_desktop->show(m_desktopLines);
    }
    refreshStatus();
    m_refresh->start();
    // Where to click, in the window, for tests that drive the running app; known once it is laid out.
    QTimer::singleShot(0, this, [this] {
        if (!m_recorder)
            return;
        const QPoint centre = m_recorder->mapTo(window(), m_recorder->rect().center());
        qCDebug(lcSettings) << "general shown; recorder in the window at" << centre.x() << centre.y();
    });
}

void GeneralSettingsView::hideEvent(QHideEvent *event)
{
    m_refresh->stop();
    QWidget::hideEvent(event);
}

void GeneralSettingsView::settingChanged(const QString &key)
{
    if (WheelMouseSettings::isStoredUnder(key)) {
        showMouseExplanation();
    } else if (key == TargetLanguages::settingKey.name) {
        const QSignalBlocker blocker(m_language);
        m_language->setCurrentIndex(int(TargetLanguages::allCases().indexOf(TargetLanguages::stored(m_context.defaults))));
    } else if (key == LocalModelConfig::providerKey.name) {
        showProviderRows();
    }
}

void GeneralSettingsView::showMouseExplanation()
{
    const std::optional<DesktopCapability> mouse = desktopLine(DesktopCapability::Kind::mouseTrigger);
    const bool available = !mouse || mouse->works;
    m_mouseRow->setEnabled(available);
    m_explanation->setText(available ? WheelMouseRow::explanation(WheelMouseSettings::current(m_context.defaults))
                                     : DesktopStatusRows::sentence(*mouse));
}

QCoro::Task<void> GeneralSettingsView::refreshStatus()
{
    m_onDevice->setText(m_context.engine.statusText());
    // A desktop that is slow to answer must not pile up questions.
    if (m_querying)
        co_return;
    m_querying = true;
    const QPointer<GeneralSettingsView> self(this);
    const AccessibilityStatus::State state = co_await m_context.accessibility.state();
    if (!self)
        co_return;
    m_querying = false;
    m_accessibility->setText(accessibilityText(state), state == AccessibilityStatus::State::available);
    m_turnOn->setVisible(state == AccessibilityStatus::State::notEnabled);
}

QCoro::Task<void> GeneralSettingsView::turnOnAccessibility()
{
    const QPointer<GeneralSettingsView> self(this);
    co_await m_context.accessibility.turnOn();
    if (self)
        co_await refreshStatus();
}

void GeneralSettingsView::showLastError()
{
    const std::optional<QString> &message = m_context.controller.lastError();
    m_lastError->setText(message.value_or(QString()));
    m_status->setRowVisible(m_lastError, message.has_value() && !message->isEmpty());
}

void GeneralSettingsView::showProviderRows()
{
    m_status->setRowVisible(m_onDevice, LocalModelConfig::storedProvider(m_context.defaults) == ModelProvider::apple);
}
