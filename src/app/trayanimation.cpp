#include "app/trayanimation.h"

#include <QTimer>

TrayAnimation::TrayAnimation(QObject *parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(frameInterval);
    connect(m_timer, &QTimer::timeout, this, &TrayAnimation::step);
}

void TrayAnimation::setWorking(bool working)
{
    if (working == m_working)
        return;
    const int before = highlightedSegment();
    m_working = working;
    restart(before);
}

void TrayAnimation::setReduceMotion(bool reduce)
{
    if (reduce == m_reduceMotion)
        return;
    const int before = highlightedSegment();
    m_reduceMotion = reduce;
    restart(before);
}

int TrayAnimation::highlightedSegment() const
{
    return m_working ? m_frame % 4 : idle;
}

bool TrayAnimation::isAnimating() const
{
    return m_timer->isActive();
}

void TrayAnimation::restart(int before)
{
    m_frame = 0;
    if (m_working && !m_reduceMotion)
        m_timer->start();
    else
        m_timer->stop();
    if (highlightedSegment() != before)
        Q_EMIT highlightedSegmentChanged(highlightedSegment());
}

void TrayAnimation::step()
{
    m_frame = (m_frame + 1) % 4;
    Q_EMIT highlightedSegmentChanged(highlightedSegment());
}
