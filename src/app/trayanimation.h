#pragma once

#include <QObject>
#include <chrono>

class QTimer;

// Which segment the tray icon highlights: all of them while idle; while working, one segment that
// steps every quarter second, or stays on the first when the desktop asks for reduced motion. The
// timer runs only while the icon actually moves.
class TrayAnimation final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds frameInterval{250};
    static constexpr int idle = -1; // TrayIconArt::allSegments

    explicit TrayAnimation(QObject *parent = nullptr);

    void setWorking(bool working);
    void setReduceMotion(bool reduce);
    bool isWorking() const { return m_working; }

    // idle, or the working frame modulo 4.
    int highlightedSegment() const;
    bool isAnimating() const;

Q_SIGNALS:
    void highlightedSegmentChanged(int segment);

private:
    void restart(int segmentBefore);
    void step();

    QTimer *m_timer;
    bool m_working = false;
    bool m_reduceMotion = false;
    int m_frame = 0;
};
