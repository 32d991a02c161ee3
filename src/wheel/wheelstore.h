#pragma once

#include "platform/userdefaults.h"
#include "wheel/storeddata.h"
#include "wheel/wheelset.h"

#include <QList>
#include <QObject>
#include <QUuid>
#include <functional>
#include <optional>

// The user's wheel configuration: the list of sets, sets()[0] being the default set. Loaded from
// "wheelSets" (or migrated from the older "wheelTabs") at construction, written back compactly after
// every editing operation. A list another writer stored (`ringle config set wheelSets`) is taken up
// before the next edit, so an edit never writes over it. Limits are silent refusals. Main thread only.
class WheelStore final : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<WheelSet> sets READ sets WRITE setSets NOTIFY setsChanged)
public:
    static constexpr int maximumSets = 12;
    static constexpr int maximumRings = 8;

    static const SettingKey setsKey;
    static const SettingKey legacyKey;
    static const SettingKey followsAppKey;

    struct RingPosition {
        qsizetype set = 0;
        qsizetype ring = 0;
        bool operator==(const RingPosition &) const = default;
    };

    explicit WheelStore(UserDefaults &defaults, QObject *parent = nullptr);

    const QList<WheelSet> &sets() const { return m_sets; }
    // Assigning an equal list notifies nobody. Does not save.
    void setSets(const QList<WheelSet> &sets);

    std::optional<WheelSet> set(const QUuid &setID) const;
    std::optional<RingPosition> indices(const QUuid &ringID) const;
    bool isDefault(const QUuid &setID) const;

    // Takes up a readable list that someone else stored since this store last read or wrote
    // "wheelSets"; answers whether it did. Unreadable, empty or removed data is not taken up (an
    // unreadable value is kept aside before the next write, see StoredData).
    bool reloadIfChangedElsewhere();

    // Choosing what the wheel shows when it opens.
    bool followsApp() const;
    // True when the browser's host is worth asking for: followsApp and some set lists a site.
    bool needsBrowserHost() const;
    // Websites (subdomains included) before apps, earlier sets before later ones; the default set's
    // own bindings are never matched.
    WheelSet set(const std::optional<QString> &host, const std::optional<QString> &app) const;
    // The whole choice: the default set unless followsApp; the host is asked for only when needed.
    WheelSet chooseSet(const std::function<std::optional<QString>()> &browserHost,
                       const std::optional<QString> &frontApp) const;
    // The rings in the order to show. For the default set, its first read-only ring comes first when
    // focusedTextIsReadOnly (asked only if there is such a ring) answers true. Never empty.
    QList<WheelTab> ringsToShow(const WheelSet &chosen, const std::function<bool()> &focusedTextIsReadOnly) const;

    // Editing; each saves unless it refused.
    std::optional<WheelSet> addSet();
    void removeSet(const QUuid &setID);
    // Title, apps and sites of an edited set (only the title for the default set). Entries given to
    // it are removed from every other set.
    void updateInfo(const WheelSet &edited);
    void replaceRing(const WheelTab &edited);
    std::optional<WheelTab> addRing(const QUuid &setID);
    void removeRing(const QUuid &ringID);
    std::optional<WheelTab> duplicateRing(const QUuid &ringID);
    bool canMoveRing(const QUuid &ringID, const QUuid &targetSetID) const;
    void moveRing(const QUuid &ringID, const QUuid &targetSetID);
    // List drag and drop: the rings at `positions` keep their order and land before the ring that was
    // at `destination` (positions counted before the move; destination may be the ring count).
    void moveRings(const QUuid &setID, const QList<qsizetype> &positions, qsizetype destination);
    // Empties every slot holding an item equal to `item`, in every ring of every set; always saves.
    void clearSlots(const WheelItem &item);
    // The whole list at once (an import); always saves. The caller has checked it (checkLimits).
    void replaceAll(const QList<WheelSet> &sets);

    // What a stored list must keep to: 1 to 12 sets, 1 to 8 rings in a set, 1 to 6 slots in a ring.
    // Throws JsonDecodeError naming the set or ring that does not.
    static void checkLimits(const QList<WheelSet> &sets);

    // One set with one WheelTab::standard() ring, titled "Default".
    static QList<WheelSet> shippedDefault();

Q_SIGNALS:
    void setsChanged();
    // A list another writer stored was taken up (setsChanged came first).
    void tookUpOtherWriter();

private:
    void load();
    void save();
    void commit(const QList<WheelSet> &sets);
    // Editing operations start here: what is edited is what is stored now.
    void takeUpOtherWriters() { reloadIfChangedElsewhere(); }
    qsizetype indexOfSet(const QUuid &setID) const;

    UserDefaults &m_defaults;
    StoredData m_stored;
    QList<WheelSet> m_sets;
    // "wheelSets" as this store last read or wrote it.
    std::optional<UserDefaults::Value> m_known;
};
