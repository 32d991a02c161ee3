#pragma once

#include "platform/accessibleelement.h"
#include "platform/linux/atspiref.h"

#include <memory>
#include <optional>

struct _AtspiAccessible;
class AtspiContext;

// An element of another application's tree, read through libatspi. Every call goes through the
// context's guard, so an application that stopped answering fails fast after its first time-out.
// A wrapper lives for one question of the caret locator; it caches what it read meanwhile.
class AtspiElement final : public AccessibleElement {
public:
    AtspiElement(AtspiRef<_AtspiAccessible> object, std::shared_ptr<AtspiContext> context);
    ~AtspiElement() override;
    // Null for a null object.
    static Ptr wrap(AtspiRef<_AtspiAccessible> object, const std::shared_ptr<AtspiContext> &context);

    std::optional<AccessibleRole> role() override;
    std::optional<TextRange> selectedTextRange() override;
    std::optional<QString> selectedText() override;
    std::optional<QString> value() override;
    Ptr editableAncestor() override;
    bool isValueSettable() override;
    bool isSelectedTextSettable() override;
    Ptr parent() override;
    std::optional<QList<Ptr>> children(qsizetype maxCount) override;
    std::optional<QRectF> boundsForRange(TextRange range) override;
    std::optional<QUrl> url() override;

    // The element's AT-SPI states as bits (1 << AtspiStateType); none when unreadable or defunct.
    std::optional<quint64> stateBits();
    static bool hasState(quint64 bits, int state) { return state >= 0 && state < 64 && ((bits >> state) & 1U); }
    _AtspiAccessible *object() const { return m_object.get(); }

private:
    struct Selection;
    struct TextHolder;

    bool isEditable();
    // The element whose text holds the selection, with that selection: this one, or the
    // descendant a web page's embedded-object characters lead to (pages put the selection in the
    // paragraph, not in the document that has the focus).
    const TextHolder &textHolder();
    std::optional<Selection> selection(_AtspiAccessible *object);
    // The child an embedded-object character at `offset` stands for.
    AtspiRef<_AtspiAccessible> embeddedObjectAt(_AtspiAccessible *parent, int offset);

    AtspiRef<_AtspiAccessible> m_object;
    std::shared_ptr<AtspiContext> m_context;
    std::optional<std::optional<quint64>> m_states;
    std::unique_ptr<TextHolder> m_textHolder;
};
