#include "ui/wheelsettingsview.h"

#include "ui/configtransferdialogs.h"
#include "ui/editoricons.h"
#include "ui/recordlistpage.h"
#include "ui/ringeditor.h"
#include "ui/seteditor.h"
#include "ui/settingslogging.h"
#include "ui/wheelsettingsprobe.h"
#include "ui/wheelsidebar.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheeleditorcommands.h"
#include "wheel/wheelstore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace Commands = WheelEditorCommands;

WheelSettingsView::WheelSettingsView(WheelSettingsParts parts, QWidget *parent)
    : QWidget(parent)
    , m_parts(std::move(parts))
    , m_sidebar(new WheelSidebar(m_icons))
    , m_add(new QToolButton)
    , m_remove(new QToolButton)
    , m_export(new QToolButton)
    , m_import(new QToolButton)
    , m_transfer(new ConfigTransferDialogs({m_parts.store, m_parts.combos, m_parts.prompts}, m_parts.settingsFile, this))
    , m_ringMenu(new QMenu(this))
    , m_pages(new QStackedWidget)
    , m_placeholder(new QLabel(tr("Select a set or ring")))
    , m_setEditor(new SetEditor(m_parts, m_icons))
    , m_ringEditor(new RingEditor(m_parts, m_icons))
    , m_keyCombos(RecordListPage::keyCombos(m_parts, m_icons))
    , m_prompts(RecordListPage::prompts(m_parts, m_icons))
    , m_notice(new QLabel)
    , m_probe(new WheelSettingsProbe(*this))
{
    setObjectName(QStringLiteral("wheelSettings"));
    auto *addMenu = new QMenu(m_add);
    m_newRing = addMenu->addAction(tr("New Ring"));
    m_newSet = addMenu->addAction(tr("New Set"));
    m_add->setObjectName(QStringLiteral("addRingOrSet"));
    m_add->setIcon(EditorIcons::symbol(m_icons, QStringLiteral("plus"), *this));
    m_add->setToolTip(tr("Add a ring or a set"));
    m_add->setPopupMode(QToolButton::InstantPopup);
    m_add->setMenu(addMenu);
    m_remove->setObjectName(QStringLiteral("remove"));
    m_remove->setIcon(EditorIcons::symbol(m_icons, QStringLiteral("minus"), *this));
    m_remove->setToolTip(tr("Remove"));
    m_export->setObjectName(QStringLiteral("exportConfiguration"));
    m_export->setText(tr("Export…"));
    m_export->setToolTip(tr("Save the sets, key combinations and prompts to a file"));
    m_import->setObjectName(QStringLiteral("importConfiguration"));
    m_import->setText(tr("Import…"));
    m_import->setToolTip(tr("Add or replace the sets, key combinations and prompts from a file"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setForegroundRole(QPalette::PlaceholderText);
    m_notice->setObjectName(QStringLiteral("wheelNotice"));
    m_notice->setWordWrap(true);
    m_notice->hide();

    for (QWidget *page : {static_cast<QWidget *>(m_placeholder), static_cast<QWidget *>(m_setEditor),
                          static_cast<QWidget *>(m_ringEditor), static_cast<QWidget *>(m_keyCombos),
                          static_cast<QWidget *>(m_prompts)}) {
        auto *scroll = new QScrollArea;
        scroll->setWidget(page);
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        m_pages->addWidget(scroll);
    }

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(m_export);
    auto *side = new QVBoxLayout;
    side->addWidget(m_sidebar, 1);
    side->addLayout(buttons);
    auto *right = new QVBoxLayout;
    right->addWidget(m_notice);
    right->addWidget(m_pages, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addLayout(right, 1);
    setMinimumSize(720, 560);

    connect(m_newRing, &QAction::triggered, this, [this] {
        if (const auto added = Commands::addRing(m_parts.store, m_selection))
            select(added);
    });
    connect(m_newSet, &QAction::triggered, this, [this] {
        if (const auto added = Commands::addSet(m_parts.store))
            select(added);
    });
    connect(m_remove, &QToolButton::clicked, this, &WheelSettingsView::removeSelected);
    connect(m_export, &QToolButton::clicked, m_transfer, &ConfigTransferDialogs::chooseExportFile);
    connect(m_import, &QToolButton::clicked, m_transfer, &ConfigTransferDialogs::chooseImportFile);
    // What was selected may be gone; the imported sets start from the top.
    connect(m_transfer, &ConfigTransferDialogs::imported, this,
            [this] { select(Commands::firstSelection(m_parts.store)); });
    connect(m_sidebar, &WheelSidebar::wheelSelectionChanged, this, &WheelSettingsView::select);
    connect(m_sidebar, &WheelSidebar::ringMenuRequested, this,
            [this](const QUuid &ringID, const QPoint &at) { ringMenu(ringID)->popup(at); });
    connect(m_sidebar, &WheelSidebar::ringsDropped, this, [this](const WheelSidebar::RingDrop &drop) {
        m_parts.store.moveRings(drop.setID, drop.positions, drop.destination);
    });
    connect(&m_parts.store, &WheelStore::setsChanged, this, &WheelSettingsView::storeChanged);
    connect(&m_parts.store, &WheelStore::tookUpOtherWriter, this, [this] {
        m_notice->setText(tr("The wheel settings were changed outside this window. The editor now shows them as "
                             "they are stored; your next change applies to them."));
        m_notice->show();
    });
    // A removed record's slots were emptied by its store; the menus' names follow the records.
    connect(&m_parts.combos, &KeyComboStore::combosChanged, this, &WheelSettingsView::showDetail);
    connect(&m_parts.prompts, &PromptStore::promptsChanged, this, &WheelSettingsView::showDetail);

    m_sidebar->showSets(m_parts.store.sets());
    showDetail();
    updateButtons();
}

WheelSettingsView::~WheelSettingsView() = default;

void WheelSettingsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_probe->schedule();
    m_parts.store.reloadIfChangedElsewhere();
    if (m_shown)
        return;
    m_shown = true;
    if (!m_selection)
        select(Commands::firstSelection(m_parts.store));
    loadShortcuts();
}

void WheelSettingsView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Coming back to the window after `ringle config set wheelSets` shows what is stored now.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_parts.store.reloadIfChangedElsewhere();
}

QCoro::Task<void> WheelSettingsView::loadShortcuts()
{
    QList<ShortcutFolder> folders;
    if (m_parts.loadShortcutFolders) {
        const QPointer<WheelSettingsView> self(this);
        auto load = m_parts.loadShortcutFolders;
        try {
            folders = co_await load();
        } catch (const std::exception &error) {
            // The menu then says that none were found; the log says why.
            qCWarning(lcSettings).noquote() << "cannot list shortcuts:" << error.what();
        }
        if (!self)
            co_return;
    }
    m_shortcuts = SlotMenu::Shortcuts{true, folders};
    m_ringEditor->setShortcuts(m_shortcuts);
}

void WheelSettingsView::select(const std::optional<WheelSelection> &selection)
{
    m_selection = selection;
    m_notice->hide();
    m_sidebar->select(selection);
    showDetail();
    updateButtons();
}

QWidget *WheelSettingsView::detail() const
{
    return static_cast<QScrollArea *>(m_pages->currentWidget())->widget();
}

void WheelSettingsView::showDetail()
{
    QWidget *page = m_placeholder;
    if (m_selection) {
        switch (m_selection->kind) {
        case WheelSelection::Kind::set:
            if (m_setEditor->showSet(m_selection->id))
                page = m_setEditor;
            break;
        case WheelSelection::Kind::ring:
            if (m_ringEditor->showRing(m_selection->id))
                page = m_ringEditor;
            break;
        case WheelSelection::Kind::keyCombos:
            page = m_keyCombos;
            break;
        case WheelSelection::Kind::prompts:
            page = m_prompts;
            break;
        }
    }
    for (int i = 0; i < m_pages->count(); ++i) {
        if (static_cast<QScrollArea *>(m_pages->widget(i))->widget() == page)
            m_pages->setCurrentIndex(i);
    }
}

void WheelSettingsView::storeChanged()
{
    m_sidebar->showSets(m_parts.store.sets());
    m_sidebar->select(m_selection);
    showDetail();
    updateButtons();
}

void WheelSettingsView::updateButtons()
{
    m_probe->schedule();
    m_newRing->setEnabled(Commands::canAddRing(m_parts.store, m_selection));
    m_newSet->setEnabled(Commands::canAddSet(m_parts.store));
    m_remove->setEnabled(Commands::canRemove(m_parts.store, m_selection));
}

void WheelSettingsView::removeSelected()
{
    if (!Commands::canRemove(m_parts.store, m_selection))
        return;
    if (m_selection->kind == WheelSelection::Kind::set)
        confirmRemoval(m_selection->id);
    else
        select(Commands::removeRing(m_parts.store, m_selection->id));
}

void WheelSettingsView::confirmRemoval(const QUuid &setID)
{
    const std::optional<WheelSet> set = m_parts.store.set(setID);
    if (!set || m_confirmation)
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Remove the set %1?").arg(set->displayTitle()),
                                tr("Its rings are removed too."), QMessageBox::Cancel, this);
    box->setObjectName(QStringLiteral("removeSetConfirmation"));
    box->setText(tr("Remove the set %1?").arg(set->displayTitle()));
    box->setInformativeText(tr("Its rings are removed too."));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *remove = box->addButton(tr("Remove Set and Its Rings"), QMessageBox::DestructiveRole);
    connect(remove, &QPushButton::clicked, this, [this, setID] {
        if (const auto next = Commands::removeSet(m_parts.store, setID))
            select(next);
    });
    m_confirmation = box;
    box->open();
}

QMenu *WheelSettingsView::ringMenu(const QUuid &ringID)
{
    m_ringMenu->clear();
    WheelStore &store = m_parts.store;
    QAction *duplicate = m_ringMenu->addAction(tr("Duplicate"));
    duplicate->setEnabled(Commands::canDuplicate(store, ringID));
    connect(duplicate, &QAction::triggered, this, [this, ringID] {
        if (const auto copy = Commands::duplicateRing(m_parts.store, ringID))
            select(copy);
    });
    QMenu *moveTo = m_ringMenu->addMenu(tr("Move to"));
    const std::optional<WheelStore::RingPosition> at = store.indices(ringID);
    for (qsizetype s = 0; s < store.sets().size(); ++s) {
        if (at && s == at->set)
            continue;
        const WheelSet &target = store.sets().at(s);
        QAction *entry = moveTo->addAction(target.displayTitle());
        entry->setEnabled(store.canMoveRing(ringID, target.id));
        connect(entry, &QAction::triggered, this, [this, ringID, targetID = target.id] {
            if (const auto moved = Commands::moveRing(m_parts.store, ringID, targetID))
                select(moved);
        });
    }
    QAction *remove = m_ringMenu->addAction(tr("Delete"));
    remove->setEnabled(Commands::canDelete(store, ringID));
    connect(remove, &QAction::triggered, this,
            [this, ringID] { select(Commands::deleteRing(m_parts.store, ringID, m_selection)); });
    return m_ringMenu;
}
