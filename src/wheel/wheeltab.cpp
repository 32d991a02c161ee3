#include "wheel/wheeltab.h"

#include "wheel/jsonfields.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace WheelText {
QString trimmedSpacesAndTabs(const QString &text)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && blank(text.at(begin)))
        ++begin;
    while (end > begin && blank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString displayTitle(const QString &title)
{
    const QString trimmed = trimmedSpacesAndTabs(title);
    return trimmed.isEmpty() ? QCoreApplication::translate("WheelConfig", "Untitled") : trimmed;
}
} // namespace WheelText

WheelTab WheelTab::standard()
{
    return WheelTab{QUuid::createUuid(),
                    QCoreApplication::translate("WheelConfig", "Text"),
                    {WheelItem::proofread(), WheelItem::translate(), WheelItem::rewrite(), std::nullopt},
                    false};
}

QString WheelTab::displayTitle() const
{
    return WheelText::displayTitle(title);
}

void WheelTab::setSlotCount(int count)
{
    slots.resize(qBound(minimumSlots, count, maximumSlots));
}

QJsonObject WheelTab::toJson() const
{
    QJsonArray slotArray;
    for (const WheelSlot &slot : slots)
        slotArray.append(slot ? QJsonValue(slot->toJson()) : QJsonValue(QJsonValue::Null));
    return QJsonObject{
        {QStringLiteral("id"), JsonFields::uuidText(id)},
        {QStringLiteral("title"), title},
        {QStringLiteral("slots"), slotArray},
        {QStringLiteral("forReadOnlyText"), forReadOnlyText},
    };
}

WheelTab WheelTab::fromJson(const QJsonValue &value)
{
    const QJsonObject object = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a ring"));
    WheelTab tab;
    tab.id = JsonFields::uuid(object, "id");
    tab.title = JsonFields::string(object, "title");
    const QJsonArray slotArray = JsonFields::array(object, "slots");
    tab.slots.reserve(slotArray.size());
    for (const QJsonValue &slot : slotArray)
        tab.slots.append(slot.isNull() ? WheelSlot() : WheelSlot(WheelItem::fromJson(slot)));
    tab.forReadOnlyText = JsonFields::optionalBoolean(object, "forReadOnlyText", false);
    return tab;
}

size_t qHash(const WheelTab &tab, size_t seed) noexcept
{
    return qHashMulti(seed, tab.id, tab.title, qHashRange(tab.slots.cbegin(), tab.slots.cend()),
                      tab.forReadOnlyText);
}
