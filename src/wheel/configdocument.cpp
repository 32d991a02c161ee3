#include "wheel/configdocument.h"

#include "wheel/configtransfererror.h"
#include "wheel/jsondecodeerror.h"
#include "wheel/jsonfields.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSet>
#include <cmath>

namespace ConfigDocument {
namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("ConfigDocument", text);
}

const QString formatKey = QStringLiteral("format");
const QString versionKey = QStringLiteral("version");
const QString formatName = QStringLiteral("ringle-config");

// The list as its store writes it, so that an export holds exactly what is stored.
QJsonArray stored(const QByteArray &compact)
{
    return JsonFields::parseArray(compact);
}

template <typename T> QList<T> section(const QJsonObject &root, const QString &key, QList<T> (*decode)(const QByteArray &))
{
    const auto it = root.constFind(key);
    if (it == root.constEnd())
        throw ConfigTransferError(tr("The file has no \"%1\" list.").arg(key));
    if (!it->isArray())
        throw ConfigTransferError(tr("\"%1\" in the file is not a list.").arg(key));
    try {
        // Through the bytes, as the store reads them: the same decoder, the same rules.
        return decode(QJsonDocument(it->toArray()).toJson(QJsonDocument::Compact));
    } catch (const JsonDecodeError &error) {
        throw ConfigTransferError(tr("\"%1\" in the file cannot be read: %2").arg(key, error.message()));
    }
}

template <typename T, typename Id> std::optional<QUuid> firstRepeated(const QList<T> &items, Id idOf)
{
    QSet<QUuid> seen;
    for (const T &item : items) {
        const QUuid id = idOf(item);
        if (seen.contains(id))
            return id;
        seen.insert(id);
    }
    return std::nullopt;
}

void refuseRepeated(const std::optional<QUuid> &id, const char *message)
{
    if (id)
        throw ConfigTransferError(tr(message).arg(JsonFields::uuidText(*id)));
}

void checkVersion(const QJsonObject &root)
{
    if (root.value(formatKey) != QJsonValue(formatName))
        throw ConfigTransferError(tr("The file is not a Ringle configuration file: its \"format\" is not \"ringle-config\"."));
    const QJsonValue value = root.value(versionKey);
    const double number = value.toDouble(0);
    if (!value.isDouble() || !std::isfinite(number) || number != std::trunc(number) || number < 1)
        throw ConfigTransferError(tr("The file has no valid format version."));
    if (number > version)
        throw ConfigTransferError(tr("This file comes from a newer version of Ringle (format version %1); update Ringle "
                                     "to import it.")
                                      .arg(QString::number(number, 'g', 15)));
}
} // namespace

QByteArray encode(const ConfigContents &contents)
{
    const QJsonObject root{
        {formatKey, formatName},
        {versionKey, version},
        {WheelStore::setsKey.name, stored(WheelSet::encodeList(contents.sets))},
        {KeyComboStore::settingKey.name, stored(JsonFields::encodeArray(contents.combos))},
        {PromptStore::settingKey.name, stored(JsonFields::encodeArray(contents.prompts))},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ConfigContents decode(const QByteArray &document)
{
    QJsonParseError error{};
    const QJsonDocument parsed = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError)
        throw ConfigTransferError(tr("The file is not a Ringle configuration file: it is not valid JSON (%1 at "
                                     "character %2).")
                                      .arg(error.errorString())
                                      .arg(error.offset));
    if (!parsed.isObject())
        throw ConfigTransferError(tr("The file is not a Ringle configuration file: it does not hold a JSON object."));
    const QJsonObject root = parsed.object();
    checkVersion(root);

    ConfigContents contents{
        section(root, WheelStore::setsKey.name, &WheelSet::decodeList),
        section(root, KeyComboStore::settingKey.name, &StoredRecordList<CustomKeyCombo>::decode),
        section(root, PromptStore::settingKey.name, &StoredRecordList<CustomPrompt>::decode),
    };
    // No sets is for a merge that adds only records; a replacement refuses it.
    if (!contents.sets.isEmpty()) {
        try {
            WheelStore::checkLimits(contents.sets);
        } catch (const JsonDecodeError &limit) {
            throw ConfigTransferError(tr("The sets in the file go beyond what Ringle keeps: %1").arg(limit.message()));
        }
    }
    QList<WheelTab> rings;
    for (const WheelSet &set : contents.sets)
        rings.append(set.rings);
    refuseRepeated(firstRepeated(contents.sets, [](const WheelSet &s) { return s.id; }),
                   QT_TRANSLATE_NOOP("ConfigDocument", "Two sets in the file have the same id %1."));
    refuseRepeated(firstRepeated(rings, [](const WheelTab &r) { return r.id; }),
                   QT_TRANSLATE_NOOP("ConfigDocument", "Two rings in the file have the same id %1."));
    refuseRepeated(firstRepeated(contents.combos, [](const CustomKeyCombo &c) { return c.id; }),
                   QT_TRANSLATE_NOOP("ConfigDocument", "Two key combinations in the file have the same id %1."));
    refuseRepeated(firstRepeated(contents.prompts, [](const CustomPrompt &p) { return p.id; }),
                   QT_TRANSLATE_NOOP("ConfigDocument", "Two prompts in the file have the same id %1."));
    return contents;
}
} // namespace ConfigDocument
