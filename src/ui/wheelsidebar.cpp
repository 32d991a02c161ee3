#include "ui/wheelsidebar.h"

#include "ui/editoricons.h"

#include <QDropEvent>
#include <QHeaderView>

namespace {
constexpr int selectionRole = Qt::UserRole;
constexpr int kindRole = Qt::UserRole + 1;

// The identifiers in sidebar order: equal shapes only need new titles.
QList<QUuid> shapeOf(const QList<WheelSet> &sets)
{
    QList<QUuid> ids;
    for (const WheelSet &set : sets) {
        ids.append(set.id);
        for (const WheelTab &ring : set.rings)
            ids.append(ring.id);
        ids.append(QUuid());
    }
    return ids;
}

WheelSelection selectionOf(const QTreeWidgetItem *item)
{
    return {WheelSelection::Kind(item->data(0, kindRole).toInt()), item->data(0, selectionRole).toUuid()};
}
} // namespace

WheelSidebar::WheelSidebar(SymbolIcons &icons, QWidget *parent)
    : QTreeWidget(parent)
    , m_icons(icons)
{
    setObjectName(QStringLiteral("wheelSidebar"));
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(14);
    setFixedWidth(width);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setItemsExpandable(false);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (!m_quiet)
            Q_EMIT wheelSelectionChanged(current ? std::optional(selectionOf(current)) : std::nullopt);
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QTreeWidgetItem *item = itemAt(pos);
        if (item && selectionOf(item).kind == WheelSelection::Kind::ring)
            Q_EMIT ringMenuRequested(selectionOf(item).id, viewport()->mapToGlobal(pos));
    });
}

QTreeWidgetItem *WheelSidebar::makeItem(const WheelSelection &selection, const QString &title, const QString &symbol)
{
    auto *item = new QTreeWidgetItem({title});
    item->setData(0, selectionRole, selection.id);
    item->setData(0, kindRole, int(selection.kind));
    item->setIcon(0, EditorIcons::symbol(m_icons, symbol, *this));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (selection.kind == WheelSelection::Kind::ring)
        flags |= Qt::ItemIsDragEnabled;
    item->setFlags(flags);
    return item;
}

void WheelSidebar::showSets(const QList<WheelSet> &sets)
{
    const bool sameShape = shapeOf(sets) == shapeOf(m_sets) && topLevelItemCount() == sets.size() + 2;
    const std::optional<WheelSelection> selected = selection();
    m_sets = sets;
    m_quiet = true;
    if (sameShape) {
        for (qsizetype s = 0; s < sets.size(); ++s) {
            QTreeWidgetItem *setItem = topLevelItem(int(s));
            setItem->setText(0, sets.at(s).displayTitle());
            for (qsizetype r = 0; r < sets.at(s).rings.size(); ++r)
                setItem->child(int(r))->setText(0, sets.at(s).rings.at(r).displayTitle());
        }
    } else {
        clear();
        for (qsizetype s = 0; s < sets.size(); ++s) {
            const WheelSet &set = sets.at(s);
            QTreeWidgetItem *setItem = makeItem(WheelSelection::ofSet(set.id), set.displayTitle(),
                                                s == 0 ? QStringLiteral("square.stack") : QStringLiteral("square.stack.3d.up"));
            for (const WheelTab &ring : set.rings)
                setItem->addChild(makeItem(WheelSelection::ofRing(ring.id), ring.displayTitle(), QStringLiteral("circle.dashed")));
            addTopLevelItem(setItem);
            setItem->setExpanded(true);
        }
        addTopLevelItem(makeItem(WheelSelection::keyCombos(), tr("Key Combos"), QStringLiteral("command")));
        addTopLevelItem(makeItem(WheelSelection::prompts(), tr("Prompts"), QStringLiteral("text.bubble")));
        select(selected);
    }
    m_quiet = false;
}

std::optional<WheelSelection> WheelSidebar::selection() const
{
    const QTreeWidgetItem *item = currentItem();
    return item ? std::optional(selectionOf(item)) : std::nullopt;
}

QTreeWidgetItem *WheelSidebar::itemFor(const WheelSelection &selection) const
{
    for (int t = 0; t < topLevelItemCount(); ++t) {
        QTreeWidgetItem *top = topLevelItem(t);
        if (selectionOf(top) == selection)
            return top;
        for (int c = 0; c < top->childCount(); ++c) {
            if (selectionOf(top->child(c)) == selection)
                return top->child(c);
        }
    }
    return nullptr;
}

void WheelSidebar::select(const std::optional<WheelSelection> &selection)
{
    const bool wasQuiet = m_quiet;
    m_quiet = true;
    QTreeWidgetItem *item = selection ? itemFor(*selection) : nullptr;
    setCurrentItem(item);
    if (!item)
        clearSelection();
    m_quiet = wasQuiet;
}

std::optional<WheelSidebar::RingDrop> WheelSidebar::dropFor(const QList<WheelSet> &sets, const QUuid &dragged,
                                                            const QUuid &target, bool below)
{
    for (const WheelSet &set : sets) {
        qsizetype from = -1;
        qsizetype onto = -1;
        for (qsizetype r = 0; r < set.rings.size(); ++r) {
            if (set.rings.at(r).id == dragged)
                from = r;
            if (set.rings.at(r).id == target)
                onto = r;
        }
        if (from >= 0 || onto >= 0) {
            if (from < 0 || onto < 0)
                return std::nullopt;
            return RingDrop{set.id, {from}, below ? onto + 1 : onto};
        }
    }
    return std::nullopt;
}

std::optional<WheelSidebar::RingDrop> WheelSidebar::dropAt(const QPoint &pos) const
{
    const std::optional<WheelSelection> dragged = selection();
    const QTreeWidgetItem *target = itemAt(pos);
    if (!dragged || dragged->kind != WheelSelection::Kind::ring || !target
        || selectionOf(target).kind != WheelSelection::Kind::ring)
        return std::nullopt;
    const QRect row = visualItemRect(target);
    return dropFor(m_sets, dragged->id, selectionOf(target).id, pos.y() >= row.center().y());
}

void WheelSidebar::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event);
    if (dropAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WheelSidebar::dropEvent(QDropEvent *event)
{
    // The store does the move; the rows follow from its new list, never from the view's own move.
    const std::optional<RingDrop> drop = dropAt(event->position().toPoint());
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (drop)
        Q_EMIT ringsDropped(*drop);
}
