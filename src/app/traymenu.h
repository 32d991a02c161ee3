#pragma once

#include <QObject>
#include <QString>
#include <optional>

class ControllerStatus;
class QAction;
class QMenu;

// The tray icon's menu: a status line when there is something to say ("Working…" or the last error),
// an optional notice, a separator, "Undo Last Replace", the session's recent results, "Settings…" and
// "Quit Ringle" (Ctrl+Q). The status line, the undo and the results follow the controller.
class TrayMenu final : public QObject {
    Q_OBJECT
public:
    explicit TrayMenu(ControllerStatus &status, QObject *parent = nullptr);
    ~TrayMenu() override;

    QMenu *menu() const { return m_menu; }
    QAction *settingsAction() const { return m_settings; }
    QAction *quitAction() const { return m_quit; }
    QAction *undoAction() const { return m_undo; }
    QMenu *recentMenu() const { return m_recent; }

    // A standing note under the status line about what the desktop does not offer (empty: none).
    void setNotice(const QString &notice);
    // A second note, about how to connect a model while none is chosen (empty: none).
    void setModelNotice(const QString &notice);
    // The first line for a controller in this state; none when there is nothing to say.
    static std::optional<QString> statusLine(bool working, const std::optional<QString> &lastError);

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();

private:
    void updateStatus();
    void updateRecent();
    void setLine(QAction *line, const QString &text);

    ControllerStatus &m_status;
    QMenu *m_menu;
    QAction *m_statusLine;
    QAction *m_notice;
    QAction *m_modelNotice;
    QAction *m_undo;
    QMenu *m_recent;
    QAction *m_settings;
    QAction *m_quit;
};
