#include "wheel/wheelitem.h"

#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"

#include <QCoreApplication>
#include <array>

namespace {
// Indexed by WheelItem::Kind.
constexpr std::array<const char *, 13> caseNames = {
    "proofread", "rewrite", "translate", "translateTo", "explain", "summarize", "ask",
    "shortcut",  "keys",    "customKeys", "openApp",   "openURL", "customPrompt",
};

QString caseName(WheelItem::Kind kind)
{
    return QString::fromLatin1(caseNames[size_t(kind)]);
}

const QString unlabeled = QStringLiteral("_0");
} // namespace

WheelItem WheelItem::translateTo(TargetLanguage language)
{
    WheelItem item(Kind::translateTo);
    item.m_language = language;
    return item;
}

WheelItem WheelItem::keys(const KeyCombo &combo)
{
    WheelItem item(Kind::keys);
    item.m_combo = combo;
    return item;
}

const QList<WheelItem> &WheelItem::basic()
{
    static const QList<WheelItem> items{proofread(), rewrite(), translate(), explain(), summarize(), ask()};
    return items;
}

QJsonObject WheelItem::toJson() const
{
    QJsonObject inner;
    switch (m_kind) {
    case Kind::proofread:
    case Kind::rewrite:
    case Kind::translate:
    case Kind::explain:
    case Kind::summarize:
    case Kind::ask:
        break;
    case Kind::translateTo:
        inner.insert(unlabeled, TargetLanguages::rawValue(m_language));
        break;
    case Kind::shortcut:
        inner.insert(QStringLiteral("name"), m_text);
        inner.insert(QStringLiteral("id"), m_detail);
        break;
    case Kind::keys:
        inner.insert(unlabeled, m_combo.toJson());
        break;
    case Kind::customKeys:
    case Kind::customPrompt:
        inner.insert(unlabeled, JsonFields::uuidText(m_record));
        break;
    case Kind::openApp:
        inner.insert(QStringLiteral("bundleID"), m_text);
        break;
    case Kind::openURL:
        inner.insert(QStringLiteral("address"), m_text);
        inner.insert(QStringLiteral("name"), m_detail);
        break;
    }
    return QJsonObject{{caseName(m_kind), inner}};
}

WheelItem WheelItem::fromJson(const QJsonValue &value)
{
    const QJsonObject outer = JsonFields::object(value, QT_TRANSLATE_NOOP("JsonFields", "a slot"));
    std::optional<Kind> found;
    int recognised = 0;
    for (size_t i = 0; i < caseNames.size(); ++i) {
        if (outer.contains(QLatin1String(caseNames[i]))) {
            found = Kind(i);
            ++recognised;
        }
    }
    if (recognised != 1)
        throw JsonDecodeError(QCoreApplication::translate("JsonFields", "Invalid number of keys found, expected one."));

    const Kind kind = *found;
    const QJsonObject inner = JsonFields::object(outer.value(caseName(kind)), caseNames[size_t(kind)]);
    switch (kind) {
    case Kind::proofread:
    case Kind::rewrite:
    case Kind::translate:
    case Kind::explain:
    case Kind::summarize:
    case Kind::ask:
        return WheelItem(kind);
    case Kind::translateTo: {
        const QString raw = JsonFields::string(inner, "_0");
        const std::optional<TargetLanguage> language = TargetLanguages::fromRawValue(raw);
        if (!language)
            throw JsonDecodeError(QCoreApplication::translate("JsonFields", "Unknown target language \"%1\".").arg(raw));
        return translateTo(*language);
    }
    case Kind::shortcut:
        return shortcut(JsonFields::string(inner, "name"), JsonFields::string(inner, "id"));
    case Kind::keys:
        return keys(KeyCombo::fromJson(JsonFields::required(inner, "_0")));
    case Kind::customKeys:
        return customKeys(JsonFields::uuid(inner, "_0"));
    case Kind::openApp:
        return openApp(JsonFields::string(inner, "bundleID"));
    case Kind::openURL:
        return openURL(JsonFields::string(inner, "address"), JsonFields::string(inner, "name"));
    case Kind::customPrompt:
        return customPrompt(JsonFields::uuid(inner, "_0"));
    }
    throw JsonDecodeError(QCoreApplication::translate("JsonFields", "Invalid slot."));
}

size_t qHash(const WheelItem &item, size_t seed) noexcept
{
    return qHashMulti(seed, int(item.m_kind), item.m_language, item.m_text, item.m_detail, item.m_combo,
                      item.m_record);
}

size_t qHash(const WheelSlot &slot, size_t seed) noexcept
{
    return slot ? qHash(*slot, seed) : qHash(-1, seed);
}
