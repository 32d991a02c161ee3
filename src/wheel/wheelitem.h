#pragma once

#include "ai/targetlanguage.h"
#include "wheel/keycombo.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUuid>
#include <optional>

// One slot's action. A closed set of thirteen kinds; each kind carries only its own values and the
// accessors of other kinds answer empty values. Build items with the named factories.
class WheelItem final {
public:
    // Declaration order is the order of the JSON case names.
    enum class Kind {
        proofread,
        rewrite,
        translate,
        translateTo,
        explain,
        summarize,
        ask,
        shortcut,
        keys,
        customKeys,
        openApp,
        openURL,
        customPrompt,
    };

    static WheelItem proofread() { return WheelItem(Kind::proofread); }
    static WheelItem rewrite() { return WheelItem(Kind::rewrite); }
    static WheelItem translate() { return WheelItem(Kind::translate); }
    static WheelItem translateTo(TargetLanguage language);
    static WheelItem explain() { return WheelItem(Kind::explain); }
    static WheelItem summarize() { return WheelItem(Kind::summarize); }
    static WheelItem ask() { return WheelItem(Kind::ask); }
    static WheelItem shortcut(const QString &name, const QString &id)
    {
        return WheelItem(Kind::shortcut, name, id);
    }
    static WheelItem keys(const KeyCombo &combo);
    static WheelItem customKeys(const QUuid &id) { return WheelItem(Kind::customKeys, {}, {}, id); }
    static WheelItem openApp(const QString &appId) { return WheelItem(Kind::openApp, appId); }
    static WheelItem openURL(const QString &address, const QString &name)
    {
        return WheelItem(Kind::openURL, address, name);
    }
    static WheelItem customPrompt(const QUuid &id) { return WheelItem(Kind::customPrompt, {}, {}, id); }

    // The six built-in text actions: proofread, rewrite, translate, explain, summarize, ask.
    static const QList<WheelItem> &basic();

    Kind kind() const { return m_kind; }
    // translateTo
    TargetLanguage language() const { return m_language; }
    // shortcut: name and id as the Shortcuts tool lists them
    QString shortcutName() const { return m_text; }
    QString shortcutID() const { return m_detail; }
    // keys
    const KeyCombo &combo() const { return m_combo; }
    // customKeys, customPrompt
    QUuid recordID() const { return m_record; }
    // openApp
    QString appId() const { return m_text; }
    // openURL: the address and the user's label for it (may be empty)
    QString address() const { return m_text; }
    QString name() const { return m_detail; }

    // {"<case name>": {associated values}}.
    QJsonObject toJson() const;
    // Throws JsonDecodeError, e.g. "Invalid number of keys found, expected one.".
    static WheelItem fromJson(const QJsonValue &value);

    bool operator==(const WheelItem &) const = default;

private:
    explicit WheelItem(Kind kind, QString text = {}, QString detail = {}, QUuid record = {})
        : m_kind(kind)
        , m_text(std::move(text))
        , m_detail(std::move(detail))
        , m_record(record)
    {
    }

    Kind m_kind;
    TargetLanguage m_language = TargetLanguage::english;
    QString m_text;
    QString m_detail;
    KeyCombo m_combo;
    QUuid m_record;

    friend size_t qHash(const WheelItem &item, size_t seed) noexcept;
};

size_t qHash(const WheelItem &item, size_t seed = 0) noexcept;

// A slot: an action or nothing.
using WheelSlot = std::optional<WheelItem>;

size_t qHash(const WheelSlot &slot, size_t seed = 0) noexcept;
