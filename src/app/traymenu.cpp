#include "app/traymenu.h"

#include "actions/controllerstatus.h"

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>

// What the menu's first line says, for diagnostics and for tests that drive the app from outside.
Q_LOGGING_CATEGORY(lcTray, "ringle.tray", QtInfoMsg)

namespace {
constexpr int maximumStatusWidth = 420;
}

TrayMenu::TrayMenu(ControllerStatus &status, QObject *parent)
    : QObject(parent)
    , m_status(status)
    , m_menu(new QMenu)
{
    m_statusLine = m_menu->addAction(QString());
    // Information, not a command.
    m_statusLine->setEnabled(false);
    for (QAction **notice : {&m_notice, &m_modelNotice}) {
        *notice = m_menu->addAction(QString());
        (*notice)->setEnabled(false);
        (*notice)->setVisible(false);
    }
    m_menu->setToolTipsVisible(true);
    m_menu->addSeparator();
    RecentResults &results = m_status.results();
    m_undo = m_menu->addAction(tr("Undo Last Replace"));
    m_undo->setEnabled(results.canUndo());
    m_recent = m_menu->addMenu(tr("Recent Results"));
    m_recent->setToolTipsVisible(true);
    m_menu->addSeparator();
    m_settings = m_menu->addAction(tr("Settings…"));
    m_quit = m_menu->addAction(tr("Quit Ringle"));
    m_quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_quit->setShortcutVisibleInContextMenu(true);
    m_settings->setMenuRole(QAction::NoRole);
    m_quit->setMenuRole(QAction::NoRole);

    connect(m_settings, &QAction::triggered, this, &TrayMenu::settingsRequested);
    connect(m_quit, &QAction::triggered, this, &TrayMenu::quitRequested);
    connect(&m_status, &ControllerStatus::isWorkingChanged, this, &TrayMenu::updateStatus);
    connect(&m_status, &ControllerStatus::lastErrorChanged, this, &TrayMenu::updateStatus);
    connect(m_undo, &QAction::triggered, &results, &RecentResults::requestUndo);
    connect(&results, &RecentResults::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(&results, &RecentResults::changed, this, &TrayMenu::updateRecent);
    updateStatus();
    updateRecent();
}

TrayMenu::~TrayMenu()
{
    delete m_menu;
}

std::optional<QString> TrayMenu::statusLine(bool working, const std::optional<QString> &lastError)
{
    if (working)
        return tr("Working…");
    if (lastError && !lastError->isEmpty())
        return lastError;
    return std::nullopt;
}

void TrayMenu::setNotice(const QString &notice)
{
    setLine(m_notice, notice);
    m_notice->setVisible(!notice.isEmpty());
}

void TrayMenu::setModelNotice(const QString &notice)
{
    setLine(m_modelNotice, notice);
    m_modelNotice->setVisible(!notice.isEmpty());
    qCDebug(lcTray).noquote() << "model notice:" << (notice.isEmpty() ? QStringLiteral("(none)") : notice);
}

void TrayMenu::setLine(QAction *line, const QString &text)
{
    // Messages can be long; the menu stays a sensible width and the tooltip has it all.
    QString shown = m_menu->fontMetrics().elidedText(text, Qt::ElideRight, maximumStatusWidth);
    line->setText(shown.replace(QLatin1Char('&'), QLatin1String("&&")));
    line->setToolTip(text);
}

void TrayMenu::updateStatus()
{
    const std::optional<QString> line = statusLine(m_status.isWorking(), m_status.lastError());
    setLine(m_statusLine, line.value_or(QString()));
    m_statusLine->setVisible(line.has_value());
    qCDebug(lcTray).noquote() << "status line:" << line.value_or(QStringLiteral("(none)"));
}

void TrayMenu::updateRecent()
{
    m_recent->clear();
    RecentResults &results = m_status.results();
    const QList<RecentResults::Entry> &entries = results.entries();
    m_recent->setEnabled(!entries.isEmpty());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        //: A recent result in the tray: the action that made it and the start of its text.
        QString text = tr("%1: %2").arg(entries.at(i).action, RecentResults::excerpt(entries.at(i).text));
        QAction *entry = m_recent->addAction(text.replace(QLatin1Char('&'), QLatin1String("&&")));
        entry->setToolTip(tr("Copy this result"));
        connect(entry, &QAction::triggered, &results, [&results, i] { results.requestCopy(i); });
    }
    if (!entries.isEmpty()) {
        m_recent->addSeparator();
        connect(m_recent->addAction(tr("Clear History")), &QAction::triggered, &results, &RecentResults::clear);
    }
    qCDebug(lcTray) << "recent results:" << entries.size();
}
