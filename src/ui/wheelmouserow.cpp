#include "ui/wheelmouserow.h"

#include "platform/userdefaults.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QToolButton>

WheelMouseRow::WheelMouseRow(UserDefaults &defaults, QWidget *parent)
    : QWidget(parent)
    , m_defaults(defaults)
    , m_picker(new QComboBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (Flag flag : modifierOrder) {
        auto *toggle = new QToolButton(this);
        toggle->setCheckable(true);
        toggle->setText(WheelMouseSettings::symbols(flag));
        connect(toggle, &QToolButton::toggled, this, [this, flag](bool on) { setModifier(flag, on); });
        layout->addWidget(toggle);
        m_toggles.append(toggle);
    }
    for (const QString &raw : WheelMouseSettings::buttonKey.choices)
        m_picker->addItem(WheelMouseSettings::title(*WheelMouseSettings::buttonFromRawValue(raw)), raw);
    m_picker->setAccessibleName(tr("Mouse button"));
    connect(m_picker, &QComboBox::activated, this, [this](int index) {
        chooseButton(*WheelMouseSettings::buttonFromRawValue(m_picker->itemData(index).toString()));
    });
    layout->addWidget(m_picker);
    layout->addStretch();
    connect(&m_defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (WheelMouseSettings::isStoredUnder(key))
            refresh();
    });
    refresh();
}

QString WheelMouseRow::explanation(const WheelMouseSettings &settings)
{
    // %1 is how to use the mouse, e.g. "hold Ctrl+Alt and right-click".
    if (settings.isActive())
        return tr("Hold the keyboard shortcut, or %1, then move the mouse in a direction and release. Scroll to "
                  "switch rings. Release in the center to cancel.")
            .arg(settings.instruction());
    return tr("Hold the keyboard shortcut, then move the mouse in a direction and release. Scroll to switch rings. "
              "Release in the center to cancel.");
}

bool WheelMouseRow::isLastRequired(const WheelMouseSettings &settings, Flag flag)
{
    return settings.button == WheelMouseSettings::Button::right && settings.modifiers == flag;
}

QAbstractButton *WheelMouseRow::modifierToggle(Flag flag) const
{
    for (qsizetype i = 0; i < m_toggles.size(); ++i) {
        if (modifierOrder[i] == flag)
            return m_toggles.at(i);
    }
    return nullptr;
}

void WheelMouseRow::setModifier(Flag flag, bool on)
{
    const WheelMouseSettings settings = WheelMouseSettings::current(m_defaults);
    if (!on && isLastRequired(settings, flag)) {
        refresh();
        return;
    }
    WheelMouseSettings::storeModifiers(m_defaults, on ? settings.modifiers | flag : settings.modifiers.without(flag));
}

void WheelMouseRow::chooseButton(WheelMouseSettings::Button button)
{
    const WheelMouseSettings settings = WheelMouseSettings::current(m_defaults);
    m_defaults.setString(WheelMouseSettings::buttonKey.name, WheelMouseSettings::rawValue(button));
    if (button == WheelMouseSettings::Button::right && settings.modifiers.isEmpty())
        WheelMouseSettings::storeModifiers(m_defaults, WheelMouseSettings::defaultModifiers);
}

void WheelMouseRow::refresh()
{
    const WheelMouseSettings settings = WheelMouseSettings::current(m_defaults);
    for (qsizetype i = 0; i < m_toggles.size(); ++i) {
        const QSignalBlocker blocker(m_toggles.at(i));
        m_toggles.at(i)->setChecked(settings.modifiers.contains(modifierOrder[i]));
        m_toggles.at(i)->setEnabled(!isLastRequired(settings, modifierOrder[i]));
    }
    const QSignalBlocker blocker(m_picker);
    m_picker->setCurrentIndex(int(settings.button));
}
