#include "ui/shortcutrecorder.h"

#include "globalshortcuts/recorderkeyrules.h"
#include "globalshortcuts/recordertexts.h"
#include "globalshortcuts/registry.h"
#include "globalshortcuts/shortcutpresentation.h"
#include "platform/keyboardlayout.h"
#include "ui/settingslogging.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

using namespace GlobalShortcuts;

namespace {
constexpr int preferredWidth = 130;
// A click this close outside the field still counts as on it.
constexpr int clickSlop = 3;

QString plainTitle(QString title)
{
    // "&&" is a literal ampersand; a single one marks the mnemonic.
    title.replace(QLatin1String("&&"), QString(QChar(0x1)));
    title.remove(QLatin1Char('&'));
    return title.replace(QChar(0x1), QLatin1Char('&'));
}

// The first item, depth first, whose shortcut is the combination.
std::optional<QString> menuItemWithShortcut(const QMenu &menu, QKeyCombination combination)
{
    for (const QAction *action : menu.actions()) {
        for (const QKeySequence &sequence : action->shortcuts()) {
            if (sequence.count() == 1 && sequence[0] == combination)
                return plainTitle(action->text());
        }
        if (const QMenu *submenu = action->menu()) {
            if (std::optional<QString> title = menuItemWithShortcut(*submenu, combination))
                return title;
        }
    }
    return std::nullopt;
}
} // namespace

ShortcutRecorder::ShortcutRecorder(Registry &registry, const KeyboardLayout &layout, const Name &name, QWidget *parent)
    : QLineEdit(parent)
    , m_registry(registry)
    , m_layout(layout)
    , m_name(name)
{
    setUp();
    connect(&m_registry, &Registry::shortcutByNameDidChange, this, [this](const Name &changed) {
        if (m_name && changed == *m_name)
            refreshText();
    });
}

ShortcutRecorder::ShortcutRecorder(Registry &registry, const KeyboardLayout &layout, std::optional<Shortcut> shortcut,
                                   QWidget *parent)
    : QLineEdit(parent)
    , m_registry(registry)
    , m_layout(layout)
    , m_binding(shortcut)
{
    setUp();
}

ShortcutRecorder::~ShortcutRecorder()
{
    endRecording();
}

void ShortcutRecorder::setUp()
{
    // Keys are taken by the recorder, never typed; a read-only field also shows no caret.
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    setPlaceholderText(RecorderTexts::text("record_shortcut"));
    const QIcon clearIcon =
        QIcon::fromTheme(QStringLiteral("edit-clear"), style()->standardIcon(QStyle::SP_LineEditClearButton));
    m_clearAction = addAction(clearIcon, QLineEdit::TrailingPosition);
    connect(m_clearAction, &QAction::triggered, this, &ShortcutRecorder::clearShortcut);
    refreshText();
}

void ShortcutRecorder::setMenu(QMenu *menu)
{
    m_menu = menu;
}

QMessageBox *ShortcutRecorder::alert() const
{
    return m_alert;
}

QSize ShortcutRecorder::sizeHint() const
{
    return QSize(preferredWidth, QLineEdit::sizeHint().height());
}

std::optional<Shortcut> ShortcutRecorder::shortcut() const
{
    return m_name ? m_registry.shortcut(*m_name) : m_binding;
}

void ShortcutRecorder::setShortcut(const std::optional<Shortcut> &value)
{
    if (value == shortcut())
        return;
    store(value);
    refreshText();
}

void ShortcutRecorder::store(const std::optional<Shortcut> &value)
{
    if (m_name)
        m_registry.setShortcut(value, *m_name);
    else
        m_binding = value;
}

void ShortcutRecorder::refreshText()
{
    const std::optional<Shortcut> current = shortcut();
    setText(current ? presentableText(*current, m_layout) : QString());
    m_clearAction->setVisible(!text().isEmpty());
}

void ShortcutRecorder::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (std::exchange(m_resumeAfterAlert, false) || event->reason() != Qt::ActiveWindowFocusReason) {
        startRecording();
        return;
    }
    // The window gave us the focus by itself (it opened or came back): recording starts only when the
    // user clicks or tabs into the field.
    QMetaObject::invokeMethod(this, [this] {
        if (hasFocus() && !m_recording)
            clearFocus();
    }, Qt::QueuedConnection);
}

void ShortcutRecorder::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    endRecording();
}

void ShortcutRecorder::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    // A click on a field that holds the focus without recording (the window handed it over).
    startRecording();
}

void ShortcutRecorder::startRecording()
{
    if (m_recording || !hasFocus())
        return;
    m_recording = true;
    setPlaceholderText(RecorderTexts::text("press_shortcut"));
    m_clearAction->setVisible(!text().isEmpty());
    m_registry.beginRecording(this);
    QApplication::instance()->installEventFilter(this);
}

void ShortcutRecorder::endRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    QApplication::instance()->removeEventFilter(this);
    setPlaceholderText(RecorderTexts::text("record_shortcut"));
    m_clearAction->setVisible(!text().isEmpty());
    m_registry.endRecording(this);
}

bool ShortcutRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (m_recording && event->type() == QEvent::MouseButtonRelease && watched->isWidgetType()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const QRect area = rect().adjusted(-clickSlop, -clickSlop, clickSlop, clickSlop);
        if ((mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
            && !area.contains(mapFromGlobal(mouse->globalPosition().toPoint())))
            clearFocus();
    }
    return false;
}

bool ShortcutRecorder::event(QEvent *event)
{
    if (m_recording && event->type() == QEvent::ShortcutOverride) {
        event->accept(); // no menu or window shortcut fires while recording
        return true;
    }
    if (m_recording && event->type() == QEvent::KeyPress) {
        handleKeyPress(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void ShortcutRecorder::handleKeyPress(QKeyEvent *event)
{
    const NativeKeyPress press{event->key(), event->nativeScanCode(), event->nativeVirtualKey()};
    const RecorderKeyRules::Decision decision =
        RecorderKeyRules::decide(event->key(), event->modifiers(), m_layout.keyForKeyPress(press));
    switch (decision.outcome) {
    case RecorderKeyRules::Outcome::ignore:
        return;
    case RecorderKeyRules::Outcome::moveFocus:
        moveFocus(event->key() != Qt::Key_Backtab);
        return;
    case RecorderKeyRules::Outcome::clearShortcut:
        clearShortcut();
        return;
    case RecorderKeyRules::Outcome::endRecording:
        clearFocus();
        return;
    case RecorderKeyRules::Outcome::reject:
        QApplication::beep();
        return;
    case RecorderKeyRules::Outcome::candidate:
        check(*decision.candidate, ConflictCheck::menu);
        return;
    }
}

void ShortcutRecorder::moveFocus(bool forward)
{
    endRecording();
    if (!focusNextPrevChild(forward) || hasFocus())
        clearFocus();
}

void ShortcutRecorder::clearShortcut()
{
    store(std::nullopt);
    Q_EMIT shortcutChanged(std::nullopt);
    refreshText();
    // With nothing left to show, recording starts (or goes on) at once.
    setFocus(Qt::OtherFocusReason);
    startRecording();
}

void ShortcutRecorder::check(const Shortcut &candidate, ConflictCheck from)
{
    const ConflictQuestions ask{
        [this, &candidate]() -> std::optional<QString> {
            const std::optional<QKeyCombination> combination =
                m_menu && candidate != shortcut() ? menuKeyCombination(candidate, m_layout) : std::nullopt;
            return combination ? menuItemWithShortcut(*m_menu, *combination) : std::nullopt;
        },
        [this, &candidate] { return m_registry.isTakenBySystem(candidate); },
        m_validator ? [this, &candidate] { return m_validator(candidate); } : std::function<ValidationResult()>()};
    const ConflictStep step = checkConflicts(m_policy, from, ask);
    switch (step.kind) {
    case ConflictStep::Kind::accept:
        accept(candidate);
        return;
    case ConflictStep::Kind::block:
        showAlert(step.title, step.message, {}, {});
        return;
    case ConflictStep::Kind::warn:
        showAlert(step.title, step.message, {RecorderTexts::text("ok"), RecorderTexts::text("force_use_shortcut")},
                  [this, candidate, next = step.next](int chosen) {
                      if (chosen == 1)
                          check(candidate, next);
                  });
        return;
    }
}

void ShortcutRecorder::showAlert(const QString &title, const QString &message, const QStringList &buttons,
                                 const std::function<void(int)> &done)
{
    clearFocus();
    qCDebug(lcSettings).noquote() << "alert:" << title;
    auto *box = new QMessageBox(window());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIcon(QMessageBox::NoIcon);
    box->setText(title);
    box->setInformativeText(message);
    QList<QAbstractButton *> added;
    for (const QString &label : buttons)
        added.append(box->addButton(label, added.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::DestructiveRole));
    if (added.isEmpty())
        box->addButton(QMessageBox::Ok);
    else
        box->setDefaultButton(static_cast<QPushButton *>(added.first()));
    box->setWindowModality(window()->isVisible() ? Qt::WindowModal : Qt::ApplicationModal);
    m_alert = box;
    connect(box, &QMessageBox::finished, this, [this, box, added, done] {
        const int chosen = int(added.indexOf(box->clickedButton()));
        m_alert = nullptr;
        // Back to recording, then act on the answer (which may end it again).
        m_resumeAfterAlert = true;
        setFocus(Qt::OtherFocusReason);
        if (done)
            done(chosen);
    });
    box->open();
}

void ShortcutRecorder::accept(const Shortcut &candidate)
{
    m_resumeAfterAlert = false;
    store(candidate);
    refreshText();
    Q_EMIT shortcutChanged(candidate);
    clearFocus();
}
