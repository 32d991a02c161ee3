#include "wheel/wheelitemdisplay.h"

#include "base/websiteaddress.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"

namespace {
QString withCapitalFirst(const QString &text)
{
    if (text.isEmpty())
        return text;
    const qsizetype first = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return text.left(first).toUpper() + text.mid(first);
}

// A custom combination is named by its title, or by its keys when it has none.
QString customComboName(const CustomKeyCombo &record)
{
    return record.combo.title.isEmpty() ? record.combo.shortcutText() : record.combo.title;
}
} // namespace

WheelItemDisplay::WheelItemDisplay(const KeyComboStore &combos, const PromptStore &prompts,
                                   const UserDefaults &defaults, AppNameLookup appName)
    : m_combos(combos)
    , m_prompts(prompts)
    , m_defaults(defaults)
    , m_appName(std::move(appName))
{
}

QString WheelItemDisplay::symbol(const WheelItem &item) const
{
    using K = WheelItem::Kind;
    switch (item.kind()) {
    case K::proofread:
        return QStringLiteral("checkmark.circle");
    case K::rewrite:
        return QStringLiteral("wand.and.stars");
    case K::translate:
        return QStringLiteral("globe");
    case K::translateTo:
        return QStringLiteral("character.bubble");
    case K::explain:
        return QStringLiteral("lightbulb");
    case K::summarize:
        return QStringLiteral("text.justify.leading");
    case K::ask:
        return QStringLiteral("bubble.left.and.text.bubble.right");
    case K::shortcut:
        return QStringLiteral("square.stack.3d.up");
    case K::keys:
        return QStringLiteral("keyboard");
    case K::customKeys: {
        const std::optional<CustomKeyCombo> record = m_combos.combo(item.recordID());
        return record ? record->symbol : QStringLiteral("keyboard");
    }
    case K::openApp:
        return QStringLiteral("app");
    case K::openURL:
        return QStringLiteral("link");
    case K::customPrompt: {
        const std::optional<CustomPrompt> prompt = m_prompts.prompt(item.recordID());
        return prompt ? prompt->symbol : QStringLiteral("text.bubble");
    }
    }
    return {};
}

QString WheelItemDisplay::title(const WheelItem &item) const
{
    using K = WheelItem::Kind;
    switch (item.kind()) {
    case K::proofread:
        return tr("Proofread");
    case K::rewrite:
        return tr("Rewrite");
    case K::translate:
        return tr("Translate");
    case K::translateTo:
        return withCapitalFirst(TargetLanguages::localizedName(item.language()));
    case K::explain:
        return tr("Explain");
    case K::summarize:
        return tr("Summarize");
    case K::ask:
        return tr("Ask");
    case K::shortcut:
        return item.shortcutName();
    case K::keys:
        return item.combo().title.isEmpty() ? item.combo().shortcutText() : item.combo().wheelTitle();
    case K::customKeys: {
        const std::optional<CustomKeyCombo> record = m_combos.combo(item.recordID());
        return record ? customComboName(*record) : tr("Removed Key Combo");
    }
    case K::openApp:
        return m_appName ? m_appName(item.appId()) : item.appId();
    case K::openURL:
        return item.name().isEmpty() ? WebsiteAddress::displayName(item.address()) : item.name();
    case K::customPrompt: {
        const std::optional<CustomPrompt> prompt = m_prompts.prompt(item.recordID());
        return prompt ? prompt->title() : tr("Removed Prompt");
    }
    }
    return {};
}

std::optional<QString> WheelItemDisplay::subtitle(const WheelItem &item) const
{
    using K = WheelItem::Kind;
    switch (item.kind()) {
    case K::translate:
        return tr("to %1").arg(TargetLanguages::localizedName(TargetLanguages::stored(m_defaults)));
    case K::translateTo:
        return tr("translate");
    case K::shortcut:
        return tr("shortcut");
    case K::keys:
        return item.combo().shortcutText();
    case K::customKeys: {
        const std::optional<CustomKeyCombo> record = m_combos.combo(item.recordID());
        return record ? std::optional<QString>(record->combo.shortcutText()) : std::nullopt;
    }
    case K::openURL:
        return item.name().isEmpty() ? std::nullopt
                                     : std::optional<QString>(WebsiteAddress::displayName(item.address()));
    default:
        return std::nullopt;
    }
}

QString WheelItemDisplay::menuTitle(const WheelItem &item) const
{
    using K = WheelItem::Kind;
    switch (item.kind()) {
    case K::translate:
        return tr("Translate (default language)");
    case K::translateTo:
        return tr("Translate to %1").arg(TargetLanguages::localizedName(item.language()));
    case K::shortcut:
        return tr("Shortcut: %1").arg(item.shortcutName());
    case K::keys:
        return item.combo().title + QLatin1Char(' ') + item.combo().shortcutText();
    case K::customKeys: {
        const std::optional<CustomKeyCombo> record = m_combos.combo(item.recordID());
        if (!record)
            return tr("Removed Key Combo");
        return customComboName(*record) + QLatin1Char(' ') + record->combo.shortcutText();
    }
    default:
        return title(item);
    }
}
