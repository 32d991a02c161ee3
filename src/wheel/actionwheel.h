#pragma once

#include "platform/scrollinput.h"
#include "wheel/wheelitem.h"
#include "wheel/wheelmodel.h"
#include "wheel/wheelpanel.h"

#include <QObject>
#include <QPointF>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QTimer;
class Screens;
class WheelStore;

// The open wheel: chooses the rings when it opens, turns pointer positions and scroll input into
// the highlighted ring and slot, and answers the chosen slot when it closes. Points are screen
// points with y up. Main thread only.
class ActionWheel final : public QObject {
    Q_OBJECT
public:
    static constexpr double scrollThreshold = 6.0;
    static constexpr std::chrono::milliseconds scrollLock{200};
    static constexpr std::chrono::milliseconds pollInterval{16};

    // What the wheel asks about the desktop when it opens. Missing functions answer "nothing known".
    struct Context {
        // The site shown by the browser in front, normalised like stored sites.
        std::function<std::optional<QString>()> browserHost;
        // The application id of the application in front.
        std::function<std::optional<QString>()> frontApplication;
        // True only when the focused text is known to be read-only.
        std::function<bool()> focusedTextIsReadOnly;
    };
    using PanelFactory = std::function<std::unique_ptr<WheelPanel>(WheelModel &model)>;
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // The panel is made on the first open and kept. The clock defaults to the steady clock.
    ActionWheel(WheelStore &store, Screens &screens, Context context, PanelFactory panelFactory,
                Clock clock = {}, QObject *parent = nullptr);
    ~ActionWheel() override;

    bool isOpen() const { return m_open; }
    WheelModel &model() { return m_model; }
    const WheelModel &model() const { return m_model; }
    QPointF origin() const { return m_origin; }
    // True while the wheel follows the pointer by itself (opened without a point).
    bool isPolling() const { return m_pollTimer != nullptr; }

    // Opens at `point`, or at the pointer and then follows it until closed. Nothing when open.
    void open(std::optional<QPointF> point = std::nullopt);
    // Makes the panel and lets it load ahead what its first show would, with the rings an opening
    // that knows nothing of the desktop shows. Nothing once the wheel has opened.
    void prepare();
    // Highlights the slot in the pointer's direction; nothing within the dead zone.
    void select(QPointF point);
    // Switches rings from scroll input; momentum never switches, and a switch locks for a moment.
    void scroll(const ScrollInput &input);
    // Closes and answers the chosen slot's action: none in the centre, on an empty slot, or when
    // the wheel was not open.
    WheelSlot close(std::optional<QPointF> point = std::nullopt);

Q_SIGNALS:
    // The user clicked on the open wheel at `point`: the gesture ends there.
    void clicked(QPointF point);

private:
    // Puts `rings` in the model, the first one current, and makes the panel if there is none.
    void showRings(const QList<WheelTab> &rings, bool listOnLeft);
    // The pointer turned out to be at `point` when the wheel opened: it opens there instead.
    void moveOrigin(QPointF point);
    void switchRing(int step);
    std::optional<QRectF> visibleFrame(QPointF point) const;
    void poll();

    WheelStore &m_store;
    Screens &m_screens;
    Context m_context;
    PanelFactory m_panelFactory;
    Clock m_clock;
    WheelModel m_model;
    std::unique_ptr<WheelPanel> m_panel;
    QTimer *m_pollTimer = nullptr;
    bool m_open = false;
    QPointF m_origin;
    QPointF m_lastPoint;
    double m_scrollAccumulator = 0;
    std::chrono::steady_clock::time_point m_scrollLockedUntil;
};
