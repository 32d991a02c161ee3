#pragma once

#include "caret/selectionstate.h"
#include "caret/textaccess.h"
#include "platform/accessibleelement.h"

#include <QRectF>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

class AccessibilityTree;
class Screens;
class Workspace;

// Asks the accessibility tree about the text that has the keyboard focus in the application in
// front, without touching the clipboard. Every answer may be that nothing can be told (`unknown`
// or none); callers fall back to a default. Calls are synchronous, on the main thread, bounded by
// the tree's call time-out, and keep no state between them.
class CaretLocator final : public SelectionStateSource {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // The focused element and up to 9 ancestors are searched for a web area.
    static constexpr int webAreaSearchElements = 10;
    static constexpr std::chrono::milliseconds websiteSearchBudget{300};
    static constexpr int websiteSearchElements = 399;
    // Children are queued only for elements at this level or above (the window is level 0).
    static constexpr int websiteSearchDeepestQueuedLevel = 11;

    CaretLocator(AccessibilityTree &tree, Workspace &workspace, Screens &screens, Clock clock = {});

    // Is anything selected? `empty` only for a text control that reports an empty selection.
    SelectionState selectionState() override;
    // Can the focused text be edited?
    TextAccess textAccess();
    // Where the selection ends, in global points with y up (the last visible character, or the
    // caret); none when it cannot be told or lies outside every screen.
    std::optional<QRectF> selectionEndRect();
    // The site the browser in front shows, normalised as sets store sites; none when unknown.
    std::optional<QString> browserHost();

private:
    static TextAccess textAccess(AccessibleElement &element, const std::optional<AccessibleRole> &role);
    static std::optional<QRectF> bounds(TextRange range, AccessibleElement &element);
    std::optional<QRectF> toScreen(const QRectF &accessibilityRect);

    AccessibilityTree &m_tree;
    Workspace &m_workspace;
    Screens &m_screens;
    Clock m_clock;
};
