#pragma once

#include "platform/accessibilitytree.h"
#include "platform/linux/atspiref.h"

#include <QByteArray>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

struct _AtspiAccessible;
struct _AtspiEvent;
struct _AtspiEventListener;
class AtspiContext;
class Workspace;

// The accessibility trees of other applications through AT-SPI 2. The focused element is followed
// through focus events and checked against the application in front; when no event told it yet
// (the application was focused before we started), the front application's active window is
// searched. Without an accessibility bus every answer is null and the status says why.
class AtspiAccessibility final : public AccessibilityTree {
public:
    // Elements searched, and time spent, looking for the focus in a window.
    static constexpr int focusSearchElements = 300;
    static constexpr std::chrono::milliseconds focusSearchBudget{150};

    // What the desktop adds to finding the bus and placing extents.
    struct DesktopHints {
        // The bus address the display publishes (X11's root window), empty when it names none.
        std::function<QByteArray()> displayBusAddress;
        // See AtspiContext::WindowOrigin.
        std::function<std::optional<QPoint>(qint64 processId)> windowOrigin;
    };

    explicit AtspiAccessibility(Workspace &workspace, DesktopHints hints = {});
    ~AtspiAccessibility() override;

    AccessibleElement::Ptr focusedElement() override;
    AccessibleElement::Ptr focusedWindow(qint64 processId) override;
    AccessibilityStatus status() override { return m_status; }

private:
    static void onFocusEvent(_AtspiEvent *event, void *self);
    AtspiRef<_AtspiAccessible> activeWindow(qint64 processId);
    AtspiRef<_AtspiAccessible> searchFocus(const AtspiRef<_AtspiAccessible> &window);

    Workspace &m_workspace;
    AccessibilityStatus m_status;
    bool m_usable = false;
    std::shared_ptr<AtspiContext> m_context;
    AtspiRef<_AtspiEventListener> m_listener;
    AtspiRef<_AtspiAccessible> m_focused;
};
