#pragma once

#include "ui/slotmenu.h"
#include "ui/symbolicons.h"
#include "ui/wheelsettingsparts.h"
#include "wheel/wheelselection.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <optional>

class QLabel;
class QMenu;

class ConfigTransferDialogs;
class QStackedWidget;
class QToolButton;
class RecordListPage;
class RingEditor;
class SetEditor;
class WheelSettingsProbe;
class WheelSidebar;

// The settings window's "Action Wheel" tab: the sidebar of sets and rings with its plus and minus
// buttons, and beside it the editor of what is selected. Edits go to the store at once; what another
// writer stores meanwhile is taken up and shown, never written over.
class WheelSettingsView final : public QWidget {
    Q_OBJECT
public:
    explicit WheelSettingsView(WheelSettingsParts parts, QWidget *parent = nullptr);
    ~WheelSettingsView() override;

    std::optional<WheelSelection> selection() const { return m_selection; }
    void select(const std::optional<WheelSelection> &selection);

    WheelSidebar *sidebar() const { return m_sidebar; }
    QAction *newRingAction() const { return m_newRing; }
    QAction *newSetAction() const { return m_newSet; }
    QToolButton *addButton() const { return m_add; }
    QToolButton *removeButton() const { return m_remove; }
    QToolButton *exportButton() const { return m_export; }
    QToolButton *importButton() const { return m_import; }
    // The dialogs of "Export…" and "Import…".
    ConfigTransferDialogs *transfer() const { return m_transfer; }
    // The context menu of a ring row, filled as it is when it opens.
    QMenu *ringMenu(const QUuid &ringID);
    // The confirmation shown before a set is removed, while it is open.
    QMessageBox *removalConfirmation() const { return m_confirmation; }
    // What the pane beside the sidebar shows now.
    QWidget *detail() const;
    QLabel *placeholder() const { return m_placeholder; }
    SetEditor *setEditor() const { return m_setEditor; }
    RingEditor *ringEditor() const { return m_ringEditor; }
    RecordListPage *keyCombosPage() const { return m_keyCombos; }
    RecordListPage *promptsPage() const { return m_prompts; }
    QLabel *notice() const { return m_notice; }

    // The minus button's command: removes the selected ring, or asks before removing the set.
    void removeSelected();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void storeChanged();
    void showDetail();
    void updateButtons();
    void confirmRemoval(const QUuid &setID);
    QCoro::Task<void> loadShortcuts();

    WheelSettingsParts m_parts;
    SymbolIcons m_icons;
    std::optional<WheelSelection> m_selection;
    SlotMenu::Shortcuts m_shortcuts;
    bool m_shown = false;
    WheelSidebar *m_sidebar;
    QToolButton *m_add;
    QAction *m_newRing;
    QAction *m_newSet;
    QToolButton *m_remove;
    QToolButton *m_export;
    QToolButton *m_import;
    ConfigTransferDialogs *m_transfer;
    QMenu *m_ringMenu;
    QStackedWidget *m_pages;
    QLabel *m_placeholder;
    SetEditor *m_setEditor;
    RingEditor *m_ringEditor;
    RecordListPage *m_keyCombos;
    RecordListPage *m_prompts;
    QLabel *m_notice;
    QPointer<QMessageBox> m_confirmation;
    WheelSettingsProbe *m_probe;
};
