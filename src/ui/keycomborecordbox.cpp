#include "ui/keycomborecordbox.h"

#include "globalshortcuts/registry.h"
#include "platform/keyboardlayout.h"
#include "ui/settingslogging.h"
#include "wheel/keycomborecording.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int boxHeight = 44;
constexpr qreal cornerRadius = 8.0;
} // namespace

KeyComboRecordBox::KeyComboRecordBox(const KeyboardLayout &layout, GlobalShortcuts::Registry *hotKeys,
                                     const std::optional<KeyCombo> &captured, QWidget *parent)
    : QAbstractButton(parent)
    , m_layout(layout)
    , m_hotKeys(hotKeys)
    , m_captured(captured)
{
    setObjectName(QStringLiteral("recordBox"));
    setToolTip(tr("Click, then press the keys"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, [this] {
        setFocus(Qt::MouseFocusReason);
        startRecording();
    });
    refresh();
}

KeyComboRecordBox::~KeyComboRecordBox()
{
    if (m_recording)
        QApplication::instance()->removeEventFilter(this);
    if (m_pausedHotKeys && m_hotKeys)
        m_hotKeys->endRecording(this);
}

QSize KeyComboRecordBox::sizeHint() const
{
    return QSize(260, boxHeight);
}

void KeyComboRecordBox::startRecording()
{
    if (!m_recording) {
        m_previous = m_captured;
        m_recording = true;
        QApplication::instance()->installEventFilter(this);
    }
    m_captured.reset();
    updateHotKeyPause();
    refresh();
}

void KeyComboRecordBox::stopRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    QApplication::instance()->removeEventFilter(this);
    // Stopped without a key: the combination from before the click stays.
    if (!m_captured)
        m_captured = m_previous;
    m_previous.reset();
    updateHotKeyPause();
    refresh();
}

void KeyComboRecordBox::updateHotKeyPause()
{
    // Only while the user can press keys here: another window in front gets its hot keys back.
    const bool pause = m_recording && window()->isActiveWindow();
    if (pause == m_pausedHotKeys || !m_hotKeys)
        return;
    m_pausedHotKeys = pause;
    if (pause)
        m_hotKeys->beginRecording(this);
    else
        m_hotKeys->endRecording(this);
}

void KeyComboRecordBox::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        updateHotKeyPause();
}

bool KeyComboRecordBox::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (m_recording && watched == window() && (type == QEvent::WindowActivate || type == QEvent::WindowDeactivate)) {
        updateHotKeyPause();
        return false;
    }
    if (!m_recording || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride))
        return false;
    // Only presses meant for this window; a popup or another window keeps its keys.
    const auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != window())
        return false;
    return handleKey(static_cast<QKeyEvent *>(event), type == QEvent::ShortcutOverride);
}

bool KeyComboRecordBox::handleKey(QKeyEvent *event, bool overrideOnly)
{
    const NativeKeyPress press{event->key(), event->nativeScanCode(), event->nativeVirtualKey()};
    const std::optional<Key> key = m_layout.keyForKeyPress(press);
    const QString character = key ? m_layout.characterForKey(*key) : QString();
    const KeyComboRecording::Decision decision =
        KeyComboRecording::decide(event->key(), event->modifiers(), key, character);
    if (decision.outcome == KeyComboRecording::Outcome::passOn)
        return false;
    if (overrideOnly) {
        // Claimed: no window or menu shortcut acts on it; the press itself comes next.
        event->accept();
        return true;
    }
    switch (decision.outcome) {
    case KeyComboRecording::Outcome::passOn:
    case KeyComboRecording::Outcome::wait:
        break;
    case KeyComboRecording::Outcome::stop:
        stopRecording();
        break;
    case KeyComboRecording::Outcome::reject:
        qCDebug(lcSettings) << "no key code for key" << event->key();
        QApplication::beep();
        break;
    case KeyComboRecording::Outcome::record:
        m_captured = decision.combo;
        qCDebug(lcSettings).noquote() << "recorded" << m_captured->key.code
                                      << m_captured->toJson().value(QLatin1String("modifiers")).toInt()
                                      << m_captured->keyLabel;
        stopRecording();
        break;
    }
    return true;
}

void KeyComboRecordBox::refresh()
{
    if (m_recording)
        setText(tr("Press the keys…"));
    else if (m_captured)
        setText(m_captured->modifiers.symbols() + m_captured->keyLabel);
    else
        setText(tr("Click to record"));
    update();
    Q_EMIT changed();
}

void KeyComboRecordBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette &colors = palette();
    const QColor stroke = m_recording || hasFocus() ? colors.color(QPalette::Highlight) : colors.color(QPalette::Mid);
    painter.setPen(QPen(stroke, m_recording ? 2.0 : 1.0));
    painter.setBrush(colors.color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), cornerRadius, cornerRadius);
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.25);
    painter.setFont(large);
    painter.setPen(m_captured || m_recording ? colors.color(QPalette::Text) : colors.color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}
