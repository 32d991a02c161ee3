#pragma once

#include "platform/desktopcapability.h"

#include <QCoroTask>
#include <QList>

class AccessibilitySwitch;
class DesktopBackend;
class LocalModelClient;
class UserDefaults;

// Every line of `ringle doctor` and the General tab's desktop status for this session: the
// backend's own, then accessibility and the model server, which every desktop shares.
namespace DesktopCheck {
QCoro::Task<QList<DesktopCapability>> run(DesktopBackend &backend, AccessibilitySwitch &accessibility,
                                          LocalModelClient &models, const UserDefaults &defaults);
// Whether the road from the shortcut to a replaced selection works.
bool roadWorks(const QList<DesktopCapability> &lines);
} // namespace DesktopCheck
