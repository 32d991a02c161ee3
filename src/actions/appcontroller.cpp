#include "actions/appcontroller.h"

AppController::AppController(SessionParts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
    , m_runner(m_parts)
    , m_slots(m_parts, m_runner)
    , m_gestures(m_parts, [this](const WheelItem &item) { run(item); })
{
}

AppController::~AppController() = default;

void AppController::start()
{
    m_gestures.start();
}

void AppController::run(const WheelItem &item)
{
    m_slots.run(item);
}
