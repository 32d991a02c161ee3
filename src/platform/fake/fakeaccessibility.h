#pragma once

#include "platform/accessibilitytree.h"

#include <QHash>
#include <functional>
#include <memory>

// An element whose answers the test sets. Unset answers are failures, as from an application
// that does not offer them. Every read is counted and passed to `onRead`, so a test can count
// calls or advance a clock with them.
class FakeAccessibleElement final : public AccessibleElement, public std::enable_shared_from_this<FakeAccessibleElement> {
public:
    using Ptr = std::shared_ptr<FakeAccessibleElement>;

    static Ptr create(std::optional<AccessibleRole::Kind> kind = AccessibleRole::Kind::other,
                      const QString &roleName = QStringLiteral("panel"));
    // Makes `child` the last child of this element and this element its parent.
    Ptr append(Ptr child);

    std::optional<AccessibleRole> roleAnswer;
    std::optional<TextRange> selectedRangeAnswer;
    std::optional<QString> selectedTextAnswer;
    std::optional<QString> valueAnswer;
    std::optional<QUrl> urlAnswer;
    AccessibleElement::Ptr editableAncestorAnswer;
    bool valueSettable = false;
    bool selectedTextSettable = false;
    bool childrenReadable = true;
    // Bounds per exact range; ranges not listed have none.
    QHash<QPair<qint64, qint64>, QRectF> boundsAnswers;

    std::function<void()> onRead;
    int reads = 0;

    std::optional<AccessibleRole> role() override;
    std::optional<TextRange> selectedTextRange() override;
    std::optional<QString> selectedText() override;
    std::optional<QString> value() override;
    AccessibleElement::Ptr editableAncestor() override;
    bool isValueSettable() override;
    bool isSelectedTextSettable() override;
    AccessibleElement::Ptr parent() override;
    std::optional<QList<AccessibleElement::Ptr>> children(qsizetype maxCount) override;
    std::optional<QRectF> boundsForRange(TextRange range) override;
    std::optional<QUrl> url() override;

    void setBounds(TextRange range, const QRectF &rect) { boundsAnswers.insert({range.location, range.length}, rect); }
    QList<Ptr> childElements() const { return m_children; }

private:
    void read();

    std::weak_ptr<FakeAccessibleElement> m_parent;
    QList<Ptr> m_children;
};

// A tree whose focus and windows the test sets.
class FakeAccessibilityTree final : public AccessibilityTree {
public:
    AccessibleElement::Ptr focusedElement() override { return focused; }
    AccessibleElement::Ptr focusedWindow(qint64 processId) override { return windows.value(processId); }
    AccessibilityStatus status() override { return statusAnswer; }

    AccessibleElement::Ptr focused;
    QHash<qint64, AccessibleElement::Ptr> windows;
    AccessibilityStatus statusAnswer{AccessibilityStatus::State::available, {}};
};
