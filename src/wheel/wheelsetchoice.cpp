#include "wheel/wheelstore.h"

#include <algorithm>

// How the wheel picks the set and the order of its rings when it opens.

namespace {
bool hostMatches(const QString &host, const QString &site)
{
    return host == site || (host.endsWith(site) && host.size() > site.size()
                            && host.at(host.size() - site.size() - 1) == QLatin1Char('.'));
}
} // namespace

bool WheelStore::followsApp() const
{
    return followsAppKey.isOn(m_defaults);
}

bool WheelStore::needsBrowserHost() const
{
    return followsApp()
           && std::any_of(m_sets.cbegin(), m_sets.cend(), [](const WheelSet &s) { return !s.sites.isEmpty(); });
}

WheelSet WheelStore::set(const std::optional<QString> &host, const std::optional<QString> &app) const
{
    if (m_sets.isEmpty())
        return shippedDefault().first();
    if (host) {
        for (qsizetype s = 1; s < m_sets.size(); ++s) {
            for (const QString &site : m_sets.at(s).sites) {
                if (hostMatches(*host, site))
                    return m_sets.at(s);
            }
        }
    }
    if (app) {
        for (qsizetype s = 1; s < m_sets.size(); ++s) {
            if (m_sets.at(s).apps.contains(*app))
                return m_sets.at(s);
        }
    }
    return m_sets.first();
}

WheelSet WheelStore::chooseSet(const std::function<std::optional<QString>()> &browserHost,
                               const std::optional<QString> &frontApp) const
{
    if (!followsApp())
        return set(std::nullopt, std::nullopt);
    const std::optional<QString> host = needsBrowserHost() ? browserHost() : std::nullopt;
    return set(host, frontApp);
}

QList<WheelTab> WheelStore::ringsToShow(const WheelSet &chosen,
                                        const std::function<bool()> &focusedTextIsReadOnly) const
{
    QList<WheelTab> rings = chosen.rings;
    if (isDefault(chosen.id)) {
        const auto flagged = std::find_if(rings.cbegin(), rings.cend(),
                                          [](const WheelTab &ring) { return ring.forReadOnlyText; });
        if (flagged != rings.cend() && focusedTextIsReadOnly())
            rings.move(flagged - rings.cbegin(), 0);
    }
    if (rings.isEmpty())
        rings.append(WheelTab::standard());
    return rings;
}
