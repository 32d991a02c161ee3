#include "platform/fake/fakeaccessibility.h"

FakeAccessibleElement::Ptr FakeAccessibleElement::create(std::optional<AccessibleRole::Kind> kind, const QString &roleName)
{
    auto element = std::make_shared<FakeAccessibleElement>();
    if (kind)
        element->roleAnswer = AccessibleRole{*kind, roleName};
    return element;
}

FakeAccessibleElement::Ptr FakeAccessibleElement::append(Ptr child)
{
    child->m_parent = weak_from_this();
    m_children.append(child);
    return child;
}

void FakeAccessibleElement::read()
{
    ++reads;
    if (onRead)
        onRead();
}

std::optional<AccessibleRole> FakeAccessibleElement::role()
{
    read();
    return roleAnswer;
}

std::optional<TextRange> FakeAccessibleElement::selectedTextRange()
{
    read();
    return selectedRangeAnswer;
}

std::optional<QString> FakeAccessibleElement::selectedText()
{
    read();
    return selectedTextAnswer;
}

std::optional<QString> FakeAccessibleElement::value()
{
    read();
    return valueAnswer;
}

AccessibleElement::Ptr FakeAccessibleElement::editableAncestor()
{
    read();
    return editableAncestorAnswer;
}

bool FakeAccessibleElement::isValueSettable()
{
    read();
    return valueSettable;
}

bool FakeAccessibleElement::isSelectedTextSettable()
{
    read();
    return selectedTextSettable;
}

AccessibleElement::Ptr FakeAccessibleElement::parent()
{
    read();
    return m_parent.lock();
}

std::optional<QList<AccessibleElement::Ptr>> FakeAccessibleElement::children(qsizetype maxCount)
{
    read();
    if (!childrenReadable)
        return std::nullopt;
    QList<AccessibleElement::Ptr> result;
    for (const Ptr &child : m_children) {
        if (result.size() >= maxCount)
            break;
        result.append(child);
    }
    return result;
}

std::optional<QRectF> FakeAccessibleElement::boundsForRange(TextRange range)
{
    read();
    const auto it = boundsAnswers.constFind({range.location, range.length});
    return it == boundsAnswers.cend() ? std::nullopt : std::optional<QRectF>(*it);
}

std::optional<QUrl> FakeAccessibleElement::url()
{
    read();
    return urlAnswer;
}
