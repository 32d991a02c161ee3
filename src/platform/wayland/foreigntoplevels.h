#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

struct ext_foreign_toplevel_list_v1;
struct zwlr_foreign_toplevel_manager_v1;
class WaylandConnection;

// The windows of every client, as the compositor lists them: their app ids and which one is
// activated (the one in front). The wlroots protocol tells the activated one; the newer list
// protocol names the windows only, so with that alone the one in front is unknown.
class ForeignToplevels final : public QObject {
    Q_OBJECT
public:
    struct Toplevel {
        // Tells windows apart for as long as they live; never reused.
        quint64 serial = 0;
        QString appId;
        QString title;
        bool activated = false;
        // Filled by the events until done applies them.
        QString pendingAppId;
        QString pendingTitle;
        bool pendingActivated = false;
        ForeignToplevels *owner = nullptr;
        void *handle = nullptr;
    };

    explicit ForeignToplevels(WaylandConnection &connection, QObject *parent = nullptr);
    ~ForeignToplevels() override;

    // Whether the compositor tells which window is in front.
    bool knowsActivated() const { return m_manager != nullptr; }
    bool isAvailable() const { return m_manager || m_list; }
    std::optional<Toplevel> activated() const;
    QList<Toplevel> toplevels() const;

    // Internal to the protocol listeners.
    Toplevel *add(void *handle);
    void done(Toplevel *toplevel);
    void closed(Toplevel *toplevel);

private:
    WaylandConnection &m_connection;
    zwlr_foreign_toplevel_manager_v1 *m_manager = nullptr;
    ext_foreign_toplevel_list_v1 *m_list = nullptr;
    QList<std::shared_ptr<Toplevel>> m_toplevels;
    quint64 m_nextSerial = 1;
};
