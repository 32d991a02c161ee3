#include "platform/linux/atspielement.h"

#include "platform/linux/atspicontext.h"

#include <atspi/atspi.h>
#include <climits>

namespace {
// Longer texts are not needed to recognise an address, and cost time on the bus.
constexpr gint valueReadLimit = 2048;
// Nesting of embedded objects followed to the selection (document, section, paragraph, …).
constexpr int embeddedDepthLimit = 6;
constexpr gunichar objectReplacementCharacter = 0xFFFC;
// Editable regions are looked for this many levels up, and never above the document or window.
constexpr int editableSearchLevels = 10;

bool fitsInt(qint64 value)
{
    return value >= 0 && value <= INT_MAX;
}

bool isTopOfEditableSearch(AtspiRole role)
{
    switch (role) {
    case ATSPI_ROLE_DOCUMENT_WEB:
    case ATSPI_ROLE_FRAME:
    case ATSPI_ROLE_WINDOW:
    case ATSPI_ROLE_DIALOG:
    case ATSPI_ROLE_APPLICATION:
    case ATSPI_ROLE_DESKTOP_FRAME:
        return true;
    default:
        return false;
    }
}
} // namespace

struct AtspiElement::Selection {
    int start = 0;
    int end = 0; // equal to start for a caret
};

struct AtspiElement::TextHolder {
    AtspiRef<_AtspiAccessible> object;
    std::optional<Selection> selection;
};

AtspiElement::AtspiElement(AtspiRef<_AtspiAccessible> object, std::shared_ptr<AtspiContext> context)
    : m_object(std::move(object))
    , m_context(std::move(context))
{
}

AtspiElement::~AtspiElement() = default;

AccessibleElement::Ptr AtspiElement::wrap(AtspiRef<_AtspiAccessible> object, const std::shared_ptr<AtspiContext> &context)
{
    if (!object)
        return {};
    return std::make_shared<AtspiElement>(std::move(object), context);
}

std::optional<quint64> AtspiElement::stateBits()
{
    if (m_states)
        return *m_states;
    std::optional<quint64> result;
    m_context->guarded(m_object.get(), [&] {
        const auto set = AtspiRef<AtspiStateSet>::adopt(atspi_accessible_get_state_set(m_object.get()));
        if (!set)
            return false;
        quint64 bits = 0;
        GArray *list = atspi_state_set_get_states(set.get());
        for (guint i = 0; list && i < list->len; ++i) {
            const auto state = g_array_index(list, AtspiStateType, i);
            if (unsigned(state) < 64)
                bits |= quint64(1) << unsigned(state);
        }
        if (list)
            g_array_free(list, TRUE);
        if (hasState(bits, ATSPI_STATE_DEFUNCT))
            return false;
        result = bits;
        return true;
    });
    m_states = result;
    return result;
}

bool AtspiElement::isEditable()
{
    const std::optional<quint64> bits = stateBits();
    return bits && hasState(*bits, ATSPI_STATE_EDITABLE) && !hasState(*bits, ATSPI_STATE_READ_ONLY);
}

std::optional<AccessibleRole> AtspiElement::role()
{
    AtspiRole role = ATSPI_ROLE_INVALID;
    const bool read = m_context->guarded(m_object.get(), [&] {
        AtspiError error;
        role = atspi_accessible_get_role(m_object.get(), error.out());
        return !error.isSet() && role != ATSPI_ROLE_INVALID;
    });
    if (!read)
        return std::nullopt;
    AccessibleRole result;
    result.name = atspiTakeString(atspi_role_get_name(role));
    switch (role) {
    case ATSPI_ROLE_TEXT:
    case ATSPI_ROLE_ENTRY: {
        // Toolkits use both roles for single- and multi-line text; the state tells them apart.
        const std::optional<quint64> bits = stateBits();
        const bool multiLine = bits && hasState(*bits, ATSPI_STATE_MULTI_LINE);
        result.kind = multiLine ? AccessibleRole::Kind::textArea : AccessibleRole::Kind::textField;
        break;
    }
    case ATSPI_ROLE_PASSWORD_TEXT:
        result.kind = AccessibleRole::Kind::textField;
        break;
    case ATSPI_ROLE_COMBO_BOX:
        result.kind = AccessibleRole::Kind::comboBox;
        break;
    case ATSPI_ROLE_DOCUMENT_WEB:
        result.kind = AccessibleRole::Kind::webArea;
        break;
    default:
        break;
    }
    return result;
}

std::optional<AtspiElement::Selection> AtspiElement::selection(_AtspiAccessible *holder)
{
    std::optional<Selection> result;
    m_context->guarded(holder, [&] {
        const auto text = AtspiRef<AtspiText>::adopt(atspi_accessible_get_text_iface(holder));
        if (!text)
            return true; // no text at all is an answer, not a failure
        AtspiError error;
        const gint count = atspi_text_get_n_selections(text.get(), error.out());
        if (error.isSet())
            return false;
        if (count > 0) {
            AtspiRange *range = atspi_text_get_selection(text.get(), 0, error.out());
            if (error.isSet() || !range) {
                g_free(range);
                return false;
            }
            result = Selection{std::min(range->start_offset, range->end_offset), std::max(range->start_offset, range->end_offset)};
            g_free(range);
        } else {
            const gint caret = atspi_text_get_caret_offset(text.get(), error.out());
            if (error.isSet())
                return false;
            if (caret >= 0)
                result = Selection{caret, caret};
        }
        return true;
    });
    if (result && result->start < 0)
        return std::nullopt;
    return result;
}

AtspiRef<_AtspiAccessible> AtspiElement::embeddedObjectAt(_AtspiAccessible *parent, int offset)
{
    AtspiRef<_AtspiAccessible> child;
    m_context->guarded(parent, [&] {
        const auto text = AtspiRef<AtspiText>::adopt(atspi_accessible_get_text_iface(parent));
        const auto hypertext = AtspiRef<AtspiHypertext>::adopt(atspi_accessible_get_hypertext_iface(parent));
        if (!text || !hypertext)
            return true;
        AtspiError error;
        if (atspi_text_get_character_at_offset(text.get(), offset, error.out()) != objectReplacementCharacter)
            return !error.isSet();
        const gint linkIndex = atspi_hypertext_get_link_index(hypertext.get(), offset, error.out());
        if (error.isSet() || linkIndex < 0)
            return !error.isSet();
        const auto link = AtspiRef<AtspiHyperlink>::adopt(atspi_hypertext_get_link(hypertext.get(), linkIndex, error.out()));
        if (error.isSet() || !link)
            return !error.isSet();
        child = AtspiRef<_AtspiAccessible>::adopt(atspi_hyperlink_get_object(link.get(), 0, error.out()));
        return !error.isSet();
    });
    return child;
}

const AtspiElement::TextHolder &AtspiElement::textHolder()
{
    if (m_textHolder)
        return *m_textHolder;
    TextHolder current{m_object, selection(m_object.get())};
    for (int depth = 0; depth < embeddedDepthLimit && current.selection && current.selection->end > current.selection->start; ++depth) {
        AtspiRef<_AtspiAccessible> child = embeddedObjectAt(current.object.get(), current.selection->end - 1);
        if (!child)
            break;
        std::optional<Selection> childSelection = selection(child.get());
        if (!childSelection)
            break; // the parent's answer stands
        current = TextHolder{std::move(child), childSelection};
    }
    m_textHolder = std::make_unique<TextHolder>(std::move(current));
    return *m_textHolder;
}

std::optional<TextRange> AtspiElement::selectedTextRange()
{
    const std::optional<Selection> &range = textHolder().selection;
    if (!range)
        return std::nullopt;
    return TextRange{range->start, range->end - range->start};
}

std::optional<QString> AtspiElement::selectedText()
{
    _AtspiAccessible *holder = textHolder().object.get();
    const std::optional<Selection> &range = textHolder().selection;
    if (!range)
        return std::nullopt;
    if (range->end == range->start)
        return QString();
    std::optional<QString> result;
    m_context->guarded(holder, [&] {
        const auto text = AtspiRef<AtspiText>::adopt(atspi_accessible_get_text_iface(holder));
        if (!text)
            return true;
        AtspiError error;
        bool present = false;
        QString selected = atspiTakeString(atspi_text_get_text(text.get(), range->start, range->end, error.out()), &present);
        if (error.isSet() || !present)
            return false;
        result = std::move(selected);
        return true;
    });
    return result;
}

std::optional<QString> AtspiElement::value()
{
    std::optional<QString> result;
    m_context->guarded(m_object.get(), [&] {
        const auto text = AtspiRef<AtspiText>::adopt(atspi_accessible_get_text_iface(m_object.get()));
        if (!text)
            return true;
        AtspiError error;
        const gint count = atspi_text_get_character_count(text.get(), error.out());
        if (error.isSet() || count < 0)
            return false;
        bool present = false;
        QString content = atspiTakeString(atspi_text_get_text(text.get(), 0, std::min(count, valueReadLimit), error.out()), &present);
        if (error.isSet() || !present)
            return false;
        result = std::move(content);
        return true;
    });
    return result;
}

AccessibleElement::Ptr AtspiElement::editableAncestor()
{
    if (isEditable())
        return std::make_shared<AtspiElement>(m_object, m_context);
    AtspiRef<_AtspiAccessible> current = m_object;
    for (int level = 0; level < editableSearchLevels; ++level) {
        AtspiRole role = ATSPI_ROLE_INVALID;
        m_context->guarded(current.get(), [&] {
            AtspiError error;
            role = atspi_accessible_get_role(current.get(), error.out());
            return !error.isSet();
        });
        if (role == ATSPI_ROLE_INVALID || isTopOfEditableSearch(role))
            return {};
        AtspiRef<_AtspiAccessible> parent;
        m_context->guarded(current.get(), [&] {
            AtspiError error;
            parent = AtspiRef<_AtspiAccessible>::adopt(atspi_accessible_get_parent(current.get(), error.out()));
            return !error.isSet();
        });
        if (!parent)
            return {};
        auto element = std::make_shared<AtspiElement>(parent, m_context);
        if (element->isEditable())
            return element;
        current = std::move(parent);
    }
    return {};
}

bool AtspiElement::isValueSettable()
{
    return isEditable();
}

bool AtspiElement::isSelectedTextSettable()
{
    return isEditable();
}

AccessibleElement::Ptr AtspiElement::parent()
{
    AtspiRef<_AtspiAccessible> parent;
    m_context->guarded(m_object.get(), [&] {
        AtspiError error;
        parent = AtspiRef<_AtspiAccessible>::adopt(atspi_accessible_get_parent(m_object.get(), error.out()));
        return !error.isSet();
    });
    return wrap(std::move(parent), m_context);
}

std::optional<QList<AccessibleElement::Ptr>> AtspiElement::children(qsizetype maxCount)
{
    std::optional<QList<Ptr>> result;
    m_context->guarded(m_object.get(), [&] {
        AtspiError error;
        const gint count = atspi_accessible_get_child_count(m_object.get(), error.out());
        if (error.isSet() || count < 0)
            return false;
        QList<Ptr> list;
        for (gint i = 0; i < count && list.size() < maxCount; ++i) {
            AtspiError childError;
            auto child = AtspiRef<_AtspiAccessible>::adopt(atspi_accessible_get_child_at_index(m_object.get(), i, childError.out()));
            if (childError.isSet())
                return false;
            if (child)
                list.append(std::make_shared<AtspiElement>(std::move(child), m_context));
        }
        result = std::move(list);
        return true;
    });
    return result;
}

std::optional<QRectF> AtspiElement::boundsForRange(TextRange range)
{
    if (!fitsInt(range.location) || !fitsInt(range.length) || !fitsInt(range.location + range.length))
        return std::nullopt;
    _AtspiAccessible *holder = textHolder().object.get();
    std::optional<QRectF> result;
    m_context->guarded(holder, [&] {
        const auto text = AtspiRef<AtspiText>::adopt(atspi_accessible_get_text_iface(holder));
        if (!text)
            return true;
        AtspiError error;
        const gint start = gint(range.location);
        AtspiRect *rect = range.length == 1
            ? atspi_text_get_character_extents(text.get(), start, ATSPI_COORD_TYPE_SCREEN, error.out())
            : atspi_text_get_range_extents(text.get(), start, gint(range.location + range.length), ATSPI_COORD_TYPE_SCREEN, error.out());
        if (error.isSet() || !rect) {
            g_free(rect);
            return false;
        }
        result = m_context->toAccessibilityCoordinates(holder, QRect(rect->x, rect->y, rect->width, rect->height));
        g_free(rect);
        return true;
    });
    return result;
}

std::optional<QUrl> AtspiElement::url()
{
    std::optional<QUrl> result;
    m_context->guarded(m_object.get(), [&] {
        const auto document = AtspiRef<AtspiDocument>::adopt(atspi_accessible_get_document_iface(m_object.get()));
        if (!document)
            return true;
        // Gecko names the address "DocURL", WebKit and Chromium "URI". The whole table is read:
        // not every toolkit answers for a single attribute.
        AtspiError error;
        GHashTable *attributes = atspi_document_get_document_attributes(document.get(), error.out());
        if (error.isSet() || !attributes) {
            if (attributes)
                g_hash_table_unref(attributes);
            return false;
        }
        for (const char *name : {"DocURL", "URI"}) {
            const auto *text = static_cast<const char *>(g_hash_table_lookup(attributes, name));
            const QUrl url(QString::fromUtf8(text), QUrl::StrictMode);
            if (text && url.isValid() && !url.scheme().isEmpty()) {
                result = url;
                break;
            }
        }
        g_hash_table_unref(attributes);
        return true;
    });
    return result;
}
