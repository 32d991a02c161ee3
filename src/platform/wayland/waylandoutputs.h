#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <memory>

struct wl_output;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;
class WaylandConnection;

// The compositor's outputs with their place in the desktop's logical coordinates (the ones Qt's
// screens use too), their names and scales; follows outputs coming and going.
class WaylandOutputs final : public QObject {
    Q_OBJECT
public:
    struct Output {
        WaylandOutputs *owner = nullptr;
        quint32 globalName = 0;
        wl_output *output = nullptr;
        zxdg_output_v1 *xdgOutput = nullptr;
        QString name;
        QRect geometry; // logical pixels, y down
        int scale = 1;
        // Filled by the events until the next done; applied then.
        QRect pendingGeometry;
        QSize modeSize;
        QPoint physicalPosition;
        bool ready = false;
    };

    explicit WaylandOutputs(WaylandConnection &connection, QObject *parent = nullptr);
    ~WaylandOutputs() override;

    // Outputs whose place is known, in the order the compositor announced them.
    QList<const Output *> outputs() const;
    const Output *find(wl_output *output) const;
    // The output holding the desktop point, else the nearest one; null without outputs.
    const Output *at(QPoint point) const;

    // Internal to the protocol listeners.
    void outputDone(Output *output);

Q_SIGNALS:
    void changed();

private:
    void add(quint32 name, quint32 version);
    void remove(quint32 name);
    void watchLogical(Output &output);

    WaylandConnection &m_connection;
    zxdg_output_manager_v1 *m_xdgOutputs = nullptr;
    QList<std::shared_ptr<Output>> m_outputs;
};
