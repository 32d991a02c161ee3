#include "app/configkeys.h"

#include "ai/localmodelconfig.h"
#include "ai/modelprovider.h"
#include "ai/targetlanguage.h"
#include "wheel/customkeycombo.h"
#include "wheel/customprompt.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"
#include "wheel/legacywheeltabs.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <limits>

namespace ConfigKeys {
namespace {

QStringList modelProviderNames()
{
    QStringList names;
    for (ModelProvider provider : ModelProviders::allCases())
        names.append(ModelProviders::rawValue(provider));
    return names;
}

QStringList targetLanguageCodes()
{
    QStringList codes;
    for (TargetLanguage language : TargetLanguages::allCases())
        codes.append(TargetLanguages::rawValue(language));
    return codes;
}

Parsed failure(const QString &message)
{
    return {std::nullopt, message};
}

Parsed parseBool(const Key &key, const QString &text)
{
    const QString lower = text.trimmed().toLower();
    if (lower == QLatin1String("true"))
        return {UserDefaults::Value(true), {}};
    if (lower == QLatin1String("false"))
        return {UserDefaults::Value(false), {}};
    return failure(QStringLiteral("%1 takes true or false, not \"%2\".").arg(key.name, text));
}

Parsed parseInt(const Key &key, const QString &text)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    // The mouse modifiers are four flags: control 1, option 2, shift 4, command 8.
    if (!ok || number < 0 || number > 15)
        return failure(QStringLiteral("%1 takes a whole number from 0 to 15 (control 1, option 2, shift 4, "
                                      "command 8, added up), not \"%2\".")
                           .arg(key.name, text));
    return {UserDefaults::Value(number), {}};
}

Parsed parseString(const Key &key, const QString &text)
{
    if (key.choices.isEmpty()) {
        if (key.name == QLatin1String("modelServer") && !text.trimmed().isEmpty()
            && !LocalModelConfig::serverURL(text, ModelProvider::other))
            return failure(QStringLiteral("modelServer takes an address such as http://127.0.0.1:11434, "
                                          "or nothing for the provider's usual one; \"%1\" has no host.")
                               .arg(text));
        return {UserDefaults::Value(text), {}};
    }
    // Raw values are case-sensitive ("lmStudio"); a differently cased entry is taken as the value it names.
    for (const QString &choice : key.choices) {
        if (choice.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return {UserDefaults::Value(choice), {}};
    }
    return failure(QStringLiteral("%1 takes one of %2, not \"%3\".")
                       .arg(key.name, key.choices.join(QStringLiteral(", ")), text));
}

void checkWheelSetLimits(const QList<WheelSet> &sets)
{
    if (sets.isEmpty())
        throw JsonDecodeError(QStringLiteral("The list needs at least the default set."));
    if (sets.size() > WheelStore::maximumSets)
        throw JsonDecodeError(QStringLiteral("At most %1 sets are allowed.").arg(WheelStore::maximumSets));
    for (const WheelSet &set : sets) {
        if (set.rings.isEmpty() || set.rings.size() > WheelStore::maximumRings)
            throw JsonDecodeError(QStringLiteral("Set \"%1\" has %2 rings; a set has 1 to %3.")
                                      .arg(set.displayTitle())
                                      .arg(set.rings.size())
                                      .arg(WheelStore::maximumRings));
        for (const WheelTab &ring : set.rings) {
            if (ring.slotCount() < WheelTab::minimumSlots || ring.slotCount() > WheelTab::maximumSlots)
                throw JsonDecodeError(QStringLiteral("Ring \"%1\" has %2 slots; a ring has %3 to %4.")
                                          .arg(ring.displayTitle())
                                          .arg(ring.slotCount())
                                          .arg(WheelTab::minimumSlots)
                                          .arg(WheelTab::maximumSlots));
        }
    }
}

// The compact form the stores would write for this text; throws JsonDecodeError.
QByteArray normalisedData(const QString &keyName, const QByteArray &json)
{
    if (keyName == QLatin1String("wheelSets")) {
        const QList<WheelSet> sets = WheelSet::decodeList(json);
        checkWheelSetLimits(sets);
        return WheelSet::encodeList(sets);
    }
    if (keyName == QLatin1String("customKeyCombos"))
        return JsonFields::encodeArray(JsonFields::decodeArray<CustomKeyCombo>(json, &CustomKeyCombo::fromJson));
    if (keyName == QLatin1String("customPrompts"))
        return JsonFields::encodeArray(JsonFields::decodeArray<CustomPrompt>(json, &CustomPrompt::fromJson));
    // The older ring list is only read, so it is checked and kept as given, compacted.
    LegacyWheelTabs::decode(json);
    return JsonFields::compact(JsonFields::parseArray(json));
}

Parsed parseData(const Key &key, const QString &text)
{
    try {
        return {UserDefaults::Value(normalisedData(key.name, text.toUtf8())), {}};
    } catch (const JsonDecodeError &error) {
        return failure(QStringLiteral("%1 is not valid: %2").arg(key.name, error.message()));
    }
}

Parsed parseShortcut(const Key &key, const QString &text)
{
    if (text.trimmed() == QLatin1String("false"))
        return {UserDefaults::Value(false), {}};
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    const QString expected = QStringLiteral("%1 takes false (no shortcut) or JSON such as "
                                            "{\"carbonKeyCode\":4,\"carbonModifiers\":6144}")
                                 .arg(key.name);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return failure(expected + QStringLiteral(", not \"%1\".").arg(text));
    try {
        const QJsonObject object = document.object();
        const qint64 code = JsonFields::integer(object, "carbonKeyCode", 0, 0xFFFF);
        // Ringle reads both members as int; a larger value would be stored and then ignored.
        const qint64 modifiers = JsonFields::integer(object, "carbonModifiers", 0, std::numeric_limits<int>::max());
        // Written by hand so the members keep the order the stored form has.
        return {UserDefaults::Value(QStringLiteral("{\"carbonKeyCode\":%1,\"carbonModifiers\":%2}").arg(code).arg(modifiers)),
                {}};
    } catch (const JsonDecodeError &error) {
        return failure(expected + QStringLiteral(": ") + error.message());
    }
}

} // namespace

const QList<Key> &all()
{
    static const QList<Key> keys{
        {QStringLiteral("wheelSets"), Type::data, QStringLiteral("the shipped set"), {}},
        {QStringLiteral("wheelTabs"), Type::data, QStringLiteral("none"), {}},
        {QStringLiteral("wheelFollowsApp"), Type::boolean, QStringLiteral("true"), {}},
        {QStringLiteral("customKeyCombos"), Type::data, QStringLiteral("[]"), {}},
        {QStringLiteral("customPrompts"), Type::data, QStringLiteral("[]"), {}},
        {QStringLiteral("wheelMouseButton"), Type::string, QStringLiteral("right"),
         {QStringLiteral("off"), QStringLiteral("right"), QStringLiteral("middle"), QStringLiteral("button4"),
          QStringLiteral("button5")}},
        {QStringLiteral("wheelMouseModifiers"), Type::integer, QStringLiteral("3"), {}},
        {QStringLiteral("targetLanguage"), Type::string, QStringLiteral("en"), targetLanguageCodes()},
        {QStringLiteral("showResultFirst"), Type::boolean, QStringLiteral("true"), {}},
        {QStringLiteral("modelProvider"), Type::string, QStringLiteral("apple"), modelProviderNames()},
        {QStringLiteral("modelServer"), Type::string, QStringLiteral("the provider's usual address"), {}},
        {QStringLiteral("modelName"), Type::string, QStringLiteral("none"), {}},
        {QStringLiteral("migratedFromVarno"), Type::boolean, QStringLiteral("false"), {}},
        {QStringLiteral("removedActionShortcuts"), Type::boolean, QStringLiteral("false"), {}},
        {QStringLiteral("settingsTab"), Type::string, QStringLiteral("wheel"),
         {QStringLiteral("general"), QStringLiteral("wheel")}},
        {QStringLiteral("GlobalShortcuts_actionWheel"), Type::shortcut,
         QStringLiteral("{\"carbonKeyCode\":4,\"carbonModifiers\":6144}"), {}},
    };
    return keys;
}

const Key *find(const QString &name)
{
    for (const Key &key : all()) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

QStringList names()
{
    QStringList result;
    for (const Key &key : all())
        result.append(key.name);
    return result;
}

Parsed parse(const Key &key, const QString &text)
{
    switch (key.type) {
    case Type::boolean:
        return parseBool(key, text);
    case Type::integer:
        return parseInt(key, text);
    case Type::string:
        return parseString(key, text);
    case Type::data:
        return parseData(key, text);
    case Type::shortcut:
        return parseShortcut(key, text);
    }
    return failure(QStringLiteral("Unsupported key."));
}

QString format(const UserDefaults::Value &value)
{
    return std::visit(
        [](const auto &v) -> QString {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return v ? QStringLiteral("true") : QStringLiteral("false");
            else if constexpr (std::is_same_v<T, qint64> || std::is_same_v<T, double>)
                return QString::number(v);
            else if constexpr (std::is_same_v<T, QString>)
                return v;
            else
                return QString::fromUtf8(v);
        },
        value);
}

bool hasReadableType(const Key &key, const UserDefaults::Value &value)
{
    switch (key.type) {
    case Type::boolean:
        return std::holds_alternative<bool>(value);
    case Type::integer:
        return std::holds_alternative<qint64>(value);
    case Type::string:
        return std::holds_alternative<QString>(value);
    case Type::data:
        return std::holds_alternative<QByteArray>(value);
    case Type::shortcut:
        return std::holds_alternative<QString>(value)
            || (std::holds_alternative<bool>(value) && !std::get<bool>(value));
    }
    return false;
}

QString typeName(Type type)
{
    switch (type) {
    case Type::boolean:
        return QStringLiteral("Bool");
    case Type::integer:
        return QStringLiteral("Int");
    case Type::string:
        return QStringLiteral("String");
    case Type::data:
        return QStringLiteral("JSON data");
    case Type::shortcut:
        return QStringLiteral("shortcut");
    }
    return {};
}

QString typeName(const UserDefaults::Value &value)
{
    static const char *const names[] = {"Bool", "Int", "Double", "String", "Data"};
    return QString::fromLatin1(names[value.index()]);
}

} // namespace ConfigKeys
