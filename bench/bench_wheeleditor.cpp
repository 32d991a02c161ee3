// The wheel editor with the largest configuration (12 sets of 8 rings, up to six filled slots each):
// the time to switch the editor from one ring to another, painted, and the time one change takes to
// reach the settings file (the tab's whole change, and the store's write alone). Run inside a
// private X session, or with QT_QPA_PLATFORM=offscreen:
//   tests/integration/x11-session.sh build/bench/bench/bench_wheeleditor
#include "actions/appchoices.h"
#include "actions/applookup.h"
#include "platform/fake/fakekeyboardlayout.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/jsonfiledefaults.h"
#include "ui/appicons.h"
#include "ui/ringeditor.h"
#include "ui/slotlabels.h"
#include "ui/wheelsettingsview.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {
constexpr int rounds = 200;

QList<WheelSet> largestConfiguration()
{
    const QList<WheelItem> items{WheelItem::proofread(), WheelItem::rewrite(), WheelItem::translate(),
                                 WheelItem::explain(), WheelItem::openURL("https://example.com", "Example"),
                                 WheelItem::keys(KeyCombo{"Select All", 0, KeyModifiers(KeyModifiers::control), "A"})};
    QList<WheelSet> sets;
    for (int s = 0; s < WheelStore::maximumSets; ++s) {
        WheelSet set{QUuid::createUuid(), QStringLiteral("Set %1").arg(s), {}, {}, {}};
        if (s > 0)
            set.apps = {QStringLiteral("org.example.App%1").arg(s)};
        for (int r = 0; r < WheelStore::maximumRings; ++r) {
            WheelTab ring{QUuid::createUuid(), QStringLiteral("Ring %1.%2").arg(s).arg(r), {}, false};
            for (int k = 0; k < WheelTab::maximumSlots - (r % 3); ++k)
                ring.slots.append(items.at((k + r) % items.size()));
            set.rings.append(ring);
        }
        sets.append(set);
    }
    return sets;
}

struct Stats {
    double median = 0;
    double p95 = 0;
    double max = 0;
};

Stats stats(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.at(ms.size() * 95 / 100), ms.back()};
}

void print(QTextStream &out, const char *what, const Stats &s)
{
    out << what << ": median " << QString::number(s.median, 'f', 2) << " ms, 95th percentile "
        << QString::number(s.p95, 'f', 2) << " ms, max " << QString::number(s.max, 'f', 2) << " ms\n";
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir home;
    JsonFileDefaults defaults(home.filePath("defaults.json"));
    defaults.setData("wheelSets", WheelSet::encodeList(largestConfiguration()));
    WheelStore store(defaults);
    KeyComboStore combos(defaults, store);
    PromptStore prompts(defaults, store);
    FakeWorkspace workspace;
    AppLookup lookup(workspace);
    WheelItemDisplay display(combos, prompts, defaults, [&](const QString &id) { return lookup.name(id); });
    AppChoices choices(workspace, "ringle");
    AppIcons appIcons(lookup);
    SlotLabels labels(display);
    FakeKeyboardLayout keyboardLayout;
    WheelSettingsView view(WheelSettingsParts{store, combos, prompts, display, choices, appIcons,
                                              [&](const WheelItem &item) { return labels.label(item); }, {},
                                              keyboardLayout});
    view.show();
    QApplication::processEvents();

    // Two rings far apart, in different sets with different slot counts.
    const WheelSelection first = WheelSelection::ofRing(store.sets().at(0).rings.at(1).id);
    const WheelSelection second = WheelSelection::ofRing(store.sets().at(11).rings.at(7).id);
    std::vector<double> switches;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        view.select(i % 2 ? first : second);
        // Painted, as the user sees it.
        view.repaint();
        switches.push_back(timer.nsecsElapsed() / 1e6);
        QApplication::processEvents();
    }

    // One change (a ring's title typed) written through to the settings file, then the tab's update.
    std::vector<double> writes;
    QLineEdit *title = view.ringEditor()->titleField();
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        title->setText(QStringLiteral("Title %1").arg(i));
        Q_EMIT title->textEdited(title->text());
        writes.push_back(timer.nsecsElapsed() / 1e6);
    }
    const qint64 bytes = defaults.dataValue("wheelSets").value_or(QByteArray()).size();

    // The store's own part: encoding the list and the settings file's atomic replace, no view.
    JsonFileDefaults bare(home.filePath("bare.json"));
    bare.setData("wheelSets", WheelSet::encodeList(largestConfiguration()));
    WheelStore bareStore(bare);
    std::vector<double> storeWrites;
    for (int i = 0; i < rounds; ++i) {
        WheelTab ring = bareStore.sets().at(5).rings.at(3);
        ring.title = QStringLiteral("Title %1").arg(i);
        QElapsedTimer timer;
        timer.start();
        bareStore.replaceRing(ring);
        storeWrites.push_back(timer.nsecsElapsed() / 1e6);
    }

    QTextStream out(stdout);
    out << "12 sets x 8 rings, " << bytes << " bytes of wheel sets, " << rounds << " rounds each\n";
    print(out, "switch between two rings (select and paint)", stats(switches));
    print(out, "one change in the tab, written to the settings file and shown", stats(writes));
    print(out, "of which the store's write (encode, atomic replace of the file)", stats(storeWrites));
    return 0;
}
