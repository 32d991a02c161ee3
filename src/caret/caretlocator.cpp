#include "caret/caretlocator.h"

#include "base/websiteaddress.h"
#include "caret/textaccesslog.h"
#include "platform/accessibilitytree.h"
#include "platform/screens.h"
#include "platform/workspace.h"

#include <QList>
#include <algorithm>
#include <utility>

namespace {
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

// Half-open like the desktop's own point-in-rectangle test, so a point on a shared edge between
// two screens belongs to one of them only.
bool frameContains(const QRectF &frame, QPointF point)
{
    return point.x() >= frame.left() && point.x() < frame.right() && point.y() >= frame.top()
        && point.y() < frame.bottom();
}
} // namespace

CaretLocator::CaretLocator(AccessibilityTree &tree, Workspace &workspace, Screens &screens, Clock clock)
    : m_tree(tree)
    , m_workspace(workspace)
    , m_screens(screens)
    , m_clock(clock ? std::move(clock) : Clock(&std::chrono::steady_clock::now))
{
}

SelectionState CaretLocator::selectionState()
{
    const AccessibleElement::Ptr element = m_tree.focusedElement();
    if (!element)
        return SelectionState::unknown;
    const std::optional<TextRange> range = element->selectedTextRange();
    if (!range)
        return SelectionState::unknown;
    if (range->length > 0)
        return SelectionState::selected;
    // An empty range only means "nothing selected" where the element is a text control; other
    // elements report empty ranges while showing selected text.
    const std::optional<AccessibleRole> role = element->role();
    if (!role || !role->isTextControl())
        return SelectionState::unknown;
    const std::optional<QString> text = element->selectedText();
    return text && !text->isEmpty() ? SelectionState::selected : SelectionState::empty;
}

TextAccess CaretLocator::textAccess()
{
    const AccessibleElement::Ptr element = m_tree.focusedElement();
    if (!element) {
        qCDebug(lcTextAccess, "Inget fokuserat element → unknown");
        return TextAccess::unknown;
    }
    const std::optional<AccessibleRole> role = element->role();
    const TextAccess access = textAccess(*element, role);
    const QString roleName = role && !role->name.isEmpty() ? role->name : QStringLiteral("?");
    qCDebug(lcTextAccess, "Roll %s → %s", qUtf8Printable(roleName), textAccessName(access).data());
    return access;
}

TextAccess CaretLocator::textAccess(AccessibleElement &element, const std::optional<AccessibleRole> &role)
{
    if (element.editableAncestor())
        return TextAccess::editable;
    // A selection of nothing but blanks says nothing about the text around it.
    const std::optional<QString> selected = element.selectedText();
    if (selected && isBlank(*selected))
        return TextAccess::unknown;
    if (role && role->isTextControl()) {
        if (element.isValueSettable() || element.isSelectedTextSettable())
            return TextAccess::editable;
        return TextAccess::readOnly;
    }
    // Text of a web page outside any editable field cannot be edited.
    std::optional<AccessibleRole> examinedRole = role;
    AccessibleElement *examined = &element;
    AccessibleElement::Ptr ancestor;
    for (int count = 1;; ++count) {
        if (examinedRole && examinedRole->kind == AccessibleRole::Kind::webArea)
            return TextAccess::readOnly;
        if (count == webAreaSearchElements)
            break;
        ancestor = examined->parent();
        if (!ancestor)
            break;
        examined = ancestor.get();
        examinedRole = examined->role();
    }
    return TextAccess::unknown;
}

std::optional<QRectF> CaretLocator::bounds(TextRange range, AccessibleElement &element)
{
    const std::optional<QRectF> rect = element.boundsForRange(range);
    // Toolkits answer ranges they cannot place with empty rectangles or the origin.
    if (!rect || rect->height() <= 0 || rect->topLeft() == QPointF(0, 0))
        return std::nullopt;
    return rect;
}

std::optional<QRectF> CaretLocator::selectionEndRect()
{
    const AccessibleElement::Ptr element = m_tree.focusedElement();
    if (!element)
        return std::nullopt;
    const std::optional<TextRange> range = element->selectedTextRange();
    if (!range)
        return std::nullopt;
    qint64 end = range->location + range->length;
    // The resultPanel belongs after the last visible character, not after a trailing line break.
    // White space is never outside the basic plane, so one QChar is one offset in either unit.
    if (const std::optional<QString> text = element->selectedText()) {
        for (qsizetype i = text->size() - 1; i >= 0 && text->at(i).isSpace(); --i)
            --end;
    }
    const qint64 index = std::max(range->location, end - 1);
    std::optional<QRectF> rect = bounds(TextRange{index, 1}, *element);
    if (!rect)
        rect = bounds(*range, *element);
    if (!rect)
        return std::nullopt;
    return toScreen(*rect);
}

std::optional<QRectF> CaretLocator::toScreen(const QRectF &rect)
{
    const QList<ScreenInfo> screens = m_screens.screens();
    if (screens.isEmpty())
        return std::nullopt;
    const QRectF &primary = screens.first().frame;
    const QRectF converted(rect.x(), primary.y() + primary.height() - (rect.y() + rect.height()), rect.width(),
                           rect.height());
    for (const ScreenInfo &screen : screens) {
        if (frameContains(screen.frame, converted.center()))
            return converted;
    }
    return std::nullopt;
}

std::optional<QString> CaretLocator::browserHost()
{
    const std::optional<RunningApp> front = m_workspace.frontApplication();
    if (!front)
        return std::nullopt;
    AccessibleElement::Ptr window = m_tree.focusedWindow(front->pid);
    if (!window)
        return std::nullopt;

    // Breadth-first, so the page's own web area is found before deep content, and bounded in
    // elements, depth and time so that a large or slow page cannot hold the wheel back.
    const auto deadline = m_clock() + websiteSearchBudget;
    QList<std::pair<AccessibleElement::Ptr, int>> queue{{std::move(window), 0}};
    std::optional<QString> candidate;
    for (qsizetype position = 0;
         position < queue.size() && position < websiteSearchElements && m_clock() < deadline; ++position) {
        const AccessibleElement::Ptr element = queue[position].first;
        const int level = queue[position].second;
        const std::optional<AccessibleRole> role = element->role();
        if (role && role->kind == AccessibleRole::Kind::webArea) {
            if (const std::optional<QUrl> url = element->url()) {
                if (std::optional<QString> site = WebsiteAddress::site(url->toString(QUrl::FullyEncoded))) {
                    qCDebug(lcTextAccess, "Webbplats %s (sidan)", qUtf8Printable(*site));
                    return site;
                }
            }
        } else if (role && role->kind == AccessibleRole::Kind::textField && !candidate) {
            if (const std::optional<QString> value = element->value())
                candidate = WebsiteAddress::site(*value);
        }
        if (level <= websiteSearchDeepestQueuedLevel) {
            // Elements past the limit would never be examined, so they are not even fetched.
            const qsizetype room = websiteSearchElements - queue.size();
            if (room <= 0)
                continue;
            if (const std::optional<QList<AccessibleElement::Ptr>> children = element->children(room)) {
                for (const AccessibleElement::Ptr &child : *children) {
                    if (child)
                        queue.append({child, level + 1});
                }
            }
        }
    }
    if (candidate)
        qCDebug(lcTextAccess, "Webbplats %s (adressfältet)", qUtf8Printable(*candidate));
    return candidate;
}
