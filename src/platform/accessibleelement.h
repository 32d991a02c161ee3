#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

// A character range of an element's text, in the element's own text offsets.
struct TextRange {
    qint64 location = 0;
    qint64 length = 0;

    friend bool operator==(const TextRange &, const TextRange &) = default;
};

// What an element is, as far as the text decisions care, with the desktop's own name for it.
struct AccessibleRole {
    enum class Kind { textArea, textField, comboBox, webArea, other };

    Kind kind = Kind::other;
    QString name; // for diagnostics only

    bool isTextControl() const { return kind == Kind::textArea || kind == Kind::textField || kind == Kind::comboBox; }
};

// One element of another application's accessibility tree. Every read may fail (the application
// is gone, slow, or does not offer the attribute): failures are none or false, never exceptions.
// Each call is bounded by the backend's time-out.
class AccessibleElement {
public:
    using Ptr = std::shared_ptr<AccessibleElement>;

    virtual ~AccessibleElement() = default;

    virtual std::optional<AccessibleRole> role() = 0;
    // The selection, or the caret as an empty range when nothing is selected.
    virtual std::optional<TextRange> selectedTextRange() = 0;
    virtual std::optional<QString> selectedText() = 0;
    // The element's text content (the text of a text field).
    virtual std::optional<QString> value() = 0;
    // The element itself or the nearest ancestor that is the root of editable text, if any.
    virtual Ptr editableAncestor() = 0;
    // Whether the answer to the settability query is a plain yes.
    virtual bool isValueSettable() = 0;
    virtual bool isSelectedTextSettable() = 0;
    virtual Ptr parent() = 0;
    // The children in order, at most `maxCount` of them; none when they cannot be read.
    virtual std::optional<QList<Ptr>> children(qsizetype maxCount) = 0;
    // Where a character range is drawn: global points with the origin at the top left of the
    // primary screen and y growing downwards.
    virtual std::optional<QRectF> boundsForRange(TextRange range) = 0;
    // The address of the document a web area shows.
    virtual std::optional<QUrl> url() = 0;
};
