#include "ui/ringeditor.h"

#include "actions/appchoices.h"
#include "ui/appchooser.h"
#include "ui/editoricons.h"
#include "ui/keycombosheet.h"
#include "ui/promptsheet.h"
#include "ui/recordsheets.h"
#include "ui/ringpreview.h"
#include "ui/websitesheet.h"
#include "wheel/slotreferences.h"
#include "wheel/wheelgeometry.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>

RingEditor::RingEditor(const WheelSettingsParts &parts, SymbolIcons &icons, QWidget *parent)
    : QWidget(parent)
    , m_parts(parts)
    , m_icons(icons)
    , m_title(new QLineEdit)
    , m_slotCount(new QSpinBox)
    , m_preview(new RingPreview(icons, parts.labels))
    , m_readOnly(new QCheckBox(tr("Use for text you can't edit")))
    , m_readOnlyNote(new QLabel(tr("The wheel starts on this ring when the selected text can't be edited, like "
                                   "text on a web page. Only one ring can have this.")))
{
    setObjectName(QStringLiteral("ringEditor"));
    m_title->setObjectName(QStringLiteral("ringTitle"));
    m_title->setPlaceholderText(tr("e.g. Text, Sketch, View"));
    m_slotCount->setObjectName(QStringLiteral("slotCount"));
    m_slotCount->setRange(WheelTab::minimumSlots, WheelTab::maximumSlots);
    m_readOnly->setObjectName(QStringLiteral("readOnlySwitch"));
    m_readOnlyNote->setWordWrap(true);
    m_readOnlyNote->setForegroundRole(QPalette::PlaceholderText);

    auto *form = new QFormLayout(this);
    form->addRow(tr("Title"), m_title);
    form->addRow(tr("Slots"), m_slotCount);
    form->addRow(tr("Preview"), m_preview);
    for (int slot = 0; slot < WheelTab::maximumSlots; ++slot) {
        SlotRow &row = m_rows.at(slot);
        row.label = new QLabel;
        row.button = new QToolButton;
        row.button->setObjectName(QStringLiteral("slot%1").arg(slot + 1));
        row.button->setPopupMode(QToolButton::InstantPopup);
        row.button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        row.button->setMinimumWidth(220);
        row.menu = new SlotMenu(m_parts, m_icons, row.button);
        row.button->setMenu(row.menu);
        connect(row.menu, &QMenu::aboutToShow, this, [this, slot] { slotMenu(slot); });
        connect(row.menu, &SlotMenu::chosen, this, [this, slot](const WheelSlot &item) { setSlot(slot, item); });
        connect(row.menu, &SlotMenu::websiteRequested, this, [this, slot] { editWebsite(slot); });
        connect(row.menu, &SlotMenu::chooseAppRequested, this, [this, slot] { chooseApp(slot); });
        connect(row.menu, &SlotMenu::newPromptRequested, this, [this, slot] { newPrompt(slot); });
        connect(row.menu, &SlotMenu::newKeyComboRequested, this, [this, slot] { newKeyCombo(slot); });
        form->addRow(row.label, row.button);
    }
    form->addRow(m_readOnly);
    form->addRow(m_readOnlyNote);

    connect(m_title, &QLineEdit::textEdited, this,
            [this](const QString &text) { edit([&](WheelTab &ring) { ring.title = text; }); });
    connect(m_slotCount, &QSpinBox::valueChanged, this, [this](int count) {
        edit([&](WheelTab &ring) { ring.setSlotCount(count); });
    });
    connect(m_readOnly, &QCheckBox::clicked, this,
            [this](bool on) { edit([&](WheelTab &ring) { ring.forReadOnlyText = on; }); });
}

SlotMenu *RingEditor::slotMenu(int slot)
{
    SlotMenu *menu = m_rows.at(slot).menu;
    menu->rebuild(m_shortcuts);
    return menu;
}

bool RingEditor::showRing(const QUuid &ringID)
{
    m_ringID = ringID;
    return refresh();
}

bool RingEditor::refresh()
{
    const WheelStore &store = m_parts.store;
    const std::optional<WheelStore::RingPosition> at = store.indices(m_ringID);
    if (!at)
        return false;
    showValues(store.sets().at(at->set).rings.at(at->ring), at->set == 0);
    return true;
}

void RingEditor::showValues(const WheelTab &ring, bool inDefaultSet)
{
    // Only what differs is set, so that the field being typed in keeps its cursor.
    if (m_title->text() != ring.title)
        m_title->setText(ring.title);
    if (m_slotCount->value() != ring.slotCount()) {
        const QSignalBlocker quiet(m_slotCount);
        m_slotCount->setValue(ring.slotCount());
    }
    m_preview->showRing(ring);
    for (int slot = 0; slot < WheelTab::maximumSlots; ++slot) {
        const SlotRow &row = m_rows.at(slot);
        const bool shown = slot < ring.slotCount();
        row.label->setVisible(shown);
        row.button->setVisible(shown);
        if (!shown)
            continue;
        row.label->setText(tr("%1. %2").arg(slot + 1).arg(WheelGeometry::positionName(slot, ring.slotCount())));
        const WheelSlot &item = ring.slots.at(slot);
        row.button->setText(item ? m_parts.display.menuTitle(*item) : tr("Empty"));
        row.button->setIcon(item ? EditorIcons::symbol(m_icons, m_parts.display.symbol(*item), *this) : QIcon());
    }
    m_readOnly->setVisible(inDefaultSet);
    m_readOnlyNote->setVisible(inDefaultSet);
    m_readOnly->setChecked(inDefaultSet && ring.forReadOnlyText);
}

void RingEditor::edit(const std::function<void(WheelTab &)> &change)
{
    WheelStore &store = m_parts.store;
    store.reloadIfChangedElsewhere();
    const std::optional<WheelStore::RingPosition> at = store.indices(m_ringID);
    if (!at)
        return;
    WheelTab ring = store.sets().at(at->set).rings.at(at->ring);
    change(ring);
    store.replaceRing(SlotReferences::withoutRemovedRecords(ring, m_parts.combos, m_parts.prompts));
    refresh();
}

void RingEditor::setSlot(int slot, const WheelSlot &item)
{
    edit([&](WheelTab &ring) {
        if (slot < ring.slotCount())
            ring.slots[slot] = item;
    });
}

void RingEditor::editWebsite(int slot)
{
    QString address;
    QString name;
    if (const std::optional<WheelStore::RingPosition> at = m_parts.store.indices(m_ringID)) {
        const WheelTab &ring = m_parts.store.sets().at(at->set).rings.at(at->ring);
        if (slot < ring.slotCount() && ring.slots.at(slot) && ring.slots.at(slot)->kind() == WheelItem::Kind::openURL) {
            address = ring.slots.at(slot)->address();
            name = ring.slots.at(slot)->name();
        }
    }
    auto *sheet = new WebsiteSheet(address, name, this);
    connect(sheet, &WebsiteSheet::saved, this, [this, slot](const QString &url, const QString &label) {
        // Storing the slot is enough: the site icons follow the store and fetch the new address.
        setSlot(slot, WheelItem::openURL(url, label));
    });
    sheet->open();
}

void RingEditor::chooseApp(int slot)
{
    auto *chooser = new AppChooser(m_parts.apps.installed(), AppChooser::Mode::one, m_parts.appIcons, m_icons, this);
    connect(chooser, &AppChooser::chosen, this, [this, slot](const QStringList &ids) {
        if (!ids.isEmpty())
            setSlot(slot, WheelItem::openApp(ids.first()));
    });
    chooser->open();
}

QDialog *RingEditor::newPrompt(int slot)
{
    return RecordSheets::editPrompt(m_parts, m_icons, std::nullopt, this, [this, slot](const CustomPrompt &prompt) {
        setSlot(slot, WheelItem::customPrompt(prompt.id));
    });
}

QDialog *RingEditor::newKeyCombo(int slot)
{
    return RecordSheets::editKeyCombo(m_parts, m_icons, std::nullopt, this, [this, slot](const CustomKeyCombo &combo) {
        setSlot(slot, WheelItem::customKeys(combo.id));
    });
}
