// Median times of the configuration's hot paths: decoding and encoding a full configuration, writing
// it through the settings file, and one language detection of a 100-character text.
#include "ai/languagedetector.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

namespace {
WheelItem variedItem(int n)
{
    switch (n % 9) {
    case 0:
        return WheelItem::basic().at(n % WheelItem::basic().size());
    case 1:
        return WheelItem::translateTo(TargetLanguages::allCases().at(n % TargetLanguages::allCases().size()));
    case 2:
        return WheelItem::shortcut(QStringLiteral("Shortcut %1").arg(n), QStringLiteral("id-%1").arg(n));
    case 3: {
        const QList<KeyComboGroup> &groups = KeyCombo::presetGroups();
        const KeyComboGroup &group = groups.at(n % groups.size());
        return WheelItem::keys(group.combos.at(n % group.combos.size()));
    }
    case 4:
        return WheelItem::customKeys(QUuid::createUuid());
    case 5:
        return WheelItem::openApp(QStringLiteral("org.example.App%1.desktop").arg(n));
    case 6:
        return WheelItem::openURL(QStringLiteral("https://site%1.example.org/path?q=%1").arg(n), QStringLiteral("Site %1").arg(n));
    case 7:
        return WheelItem::customPrompt(QUuid::createUuid());
    default:
        return WheelItem::ask();
    }
}

// 12 sets × 8 rings × 6 slots, one slot in seven empty.
QList<WheelSet> fullConfiguration()
{
    QList<WheelSet> sets;
    int n = 0;
    for (int s = 0; s < WheelStore::maximumSets; ++s) {
        WheelSet set{QUuid::createUuid(), QStringLiteral("Set %1").arg(s), {}, {}, {}};
        if (s > 0) {
            set.apps = {QStringLiteral("org.example.Editor%1.desktop").arg(s)};
            set.sites = {QStringLiteral("docs%1.example.org").arg(s)};
        }
        for (int r = 0; r < WheelStore::maximumRings; ++r) {
            WheelTab ring{QUuid::createUuid(), QStringLiteral("Ring %1").arg(r), {}, s == 0 && r == 1};
            for (int slot = 0; slot < WheelTab::maximumSlots; ++slot, ++n)
                ring.slots.append(n % 7 == 6 ? WheelSlot() : WheelSlot(variedItem(n)));
            set.rings.append(ring);
        }
        sets.append(set);
    }
    return sets;
}

double medianMicroseconds(int runs, const std::function<void(int)> &body)
{
    std::vector<qint64> ns;
    ns.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body(i);
        ns.push_back(timer.nsecsElapsed());
    }
    std::nth_element(ns.begin(), ns.begin() + runs / 2, ns.end());
    return ns[runs / 2] / 1000.0;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);

    const QList<WheelSet> sets = fullConfiguration();
    const QByteArray bytes = WheelSet::encodeList(sets);
    if (WheelSet::decodeList(bytes) != sets) {
        out << "round trip changed the configuration\n";
        return 1;
    }
    out << "configuration: 12 sets x 8 rings x 6 slots, " << bytes.size() << " bytes\n";

    qsizetype sink = 0;
    out << "decode: median " << medianMicroseconds(300, [&](int) { sink += WheelSet::decodeList(bytes).size(); })
        << " µs\n";
    out << "encode: median " << medianMicroseconds(300, [&](int) { sink += WheelSet::encodeList(sets).size(); })
        << " µs\n";
    out << "decode + encode: median "
        << medianMicroseconds(300, [&](int) { sink += WheelSet::encodeList(WheelSet::decodeList(bytes)).size(); })
        << " µs (target < 2000)\n";

    QList<WheelSet> edited = sets;
    edited.first().title = QStringLiteral("Edited");
    const QByteArray variants[] = {bytes, WheelSet::encodeList(edited)};
    // On the disk of the temporary directory, and in memory (tmpfs) to tell our own cost from the disk's.
    for (const QString &base : {QDir::tempPath(), QStringLiteral("/dev/shm")}) {
        if (!QFileInfo(base).isWritable())
            continue;
        QTemporaryDir dir(base + QStringLiteral("/bench-XXXXXX"));
        JsonFileDefaults defaults(dir.filePath(QStringLiteral("defaults.json")));
        // Alternating values, since writing an equal value is skipped.
        out << "settings file write in " << base << ": median "
            << medianMicroseconds(60, [&](int i) { defaults.setData(QStringLiteral("wheelSets"), variants[i % 2]); })
            << " µs (target < 5000)\n";
    }

    const QString text = QStringLiteral("Could you please send me the updated report before Friday, so that I can "
                                        "review the numbers today?");
    out << "detect, " << text.size() << " characters: median "
        << medianMicroseconds(2000, [&](int) { sink += LanguageDetector::detect(text).has_value(); })
        << " µs (target < 100)\n";
    return sink == 0 ? 1 : 0;
}
