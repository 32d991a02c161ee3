#pragma once

#include "wheel/wheelselection.h"
#include "wheel/wheelset.h"

#include <QTreeWidget>
#include <optional>

class SymbolIcons;

// The wheel editor's sidebar: each set with its rings below it, then "Key Combos" and "Prompts".
// A ring can be dragged to another place within its own set.
class WheelSidebar final : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int width = 230;

    // A drag of rings within one set, as the store's moveRings takes it.
    struct RingDrop {
        QUuid setID;
        QList<qsizetype> positions;
        qsizetype destination = 0;
        bool operator==(const RingDrop &) const = default;
    };

    explicit WheelSidebar(SymbolIcons &icons, QWidget *parent = nullptr);

    // Shows the sets; rows whose sets and rings are unchanged are only retitled.
    void showSets(const QList<WheelSet> &sets);
    std::optional<WheelSelection> selection() const;
    // Selects the row, or nothing when the selection names no row; emits nothing.
    void select(const std::optional<WheelSelection> &selection);
    QTreeWidgetItem *itemFor(const WheelSelection &selection) const;

    // Dropping ring `dragged` above or below ring `target`: only within one set.
    static std::optional<RingDrop> dropFor(const QList<WheelSet> &sets, const QUuid &dragged, const QUuid &target,
                                           bool below);

Q_SIGNALS:
    void wheelSelectionChanged(const std::optional<WheelSelection> &selection);
    void ringMenuRequested(const QUuid &ringID, const QPoint &globalPos);
    void ringsDropped(const WheelSidebar::RingDrop &drop);

protected:
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    std::optional<RingDrop> dropAt(const QPoint &pos) const;
    QTreeWidgetItem *makeItem(const WheelSelection &selection, const QString &title, const QString &symbol);

    SymbolIcons &m_icons;
    QList<WheelSet> m_sets;
    bool m_quiet = false;
};
