#pragma once

#include "actions/recentresults.h"

#include <QObject>
#include <QString>
#include <optional>

// What the tray and the settings show of the action controller: whether an action that must not
// overlap another is running, the message of the last failure shown to the user, and the session's
// recent answers. The controller
// owns one (or derives from it) and sets both; the signals fire only on a real change.
class ControllerStatus : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isWorking READ isWorking WRITE setWorking NOTIFY isWorkingChanged)
public:
    using QObject::QObject;

    bool isWorking() const { return m_working; }
    void setWorking(bool working)
    {
        if (working == m_working)
            return;
        m_working = working;
        Q_EMIT isWorkingChanged(working);
    }

    const std::optional<QString> &lastError() const { return m_lastError; }
    void setLastError(const std::optional<QString> &message)
    {
        if (message == m_lastError)
            return;
        m_lastError = message;
        Q_EMIT lastErrorChanged();
    }

    RecentResults &results() { return m_results; }

Q_SIGNALS:
    void isWorkingChanged(bool working);
    void lastErrorChanged();

private:
    bool m_working = false;
    std::optional<QString> m_lastError;
    RecentResults m_results;
};
