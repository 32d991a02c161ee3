// The Action Wheel tab on the real widgets over in-memory stores and a scripted workspace.
#include "actions/appchoices.h"
#include "actions/applookup.h"
#include "platform/fake/fakekeyboardlayout.h"
#include "platform/fake/fakeworkspace.h"
#include "platform/fake/memorydefaults.h"
#include "ui/appicons.h"
#include "ui/keycomborecordbox.h"
#include "ui/keycombosheet.h"
#include "ui/promptsheet.h"
#include "ui/recordlistpage.h"
#include "ui/ringeditor.h"
#include "ui/ringpreview.h"
#include "ui/seteditor.h"
#include "ui/slotlabels.h"
#include "ui/websitesheet.h"
#include "ui/wheelsettingsview.h"
#include "ui/wheelsidebar.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/slotreferences.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {
WheelTab ring(const QString &title, QList<WheelSlot> slots = {WheelItem::ask(), std::nullopt})
{
    return WheelTab{QUuid::createUuid(), title, std::move(slots), false};
}

// Sets "Default", "Set 1", … with the given numbers of rings, titled "<set>/<n>".
QList<WheelSet> sets(const QList<int> &ringCounts)
{
    QList<WheelSet> result;
    for (qsizetype s = 0; s < ringCounts.size(); ++s) {
        WheelSet set{QUuid::createUuid(), s == 0 ? QStringLiteral("Default") : QStringLiteral("Set %1").arg(s), {}, {}, {}};
        for (int r = 0; r < ringCounts.at(s); ++r)
            set.rings.append(ring(QStringLiteral("%1/%2").arg(s).arg(r)));
        result.append(set);
    }
    return result;
}

QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList texts(QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions())
        result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

// The whole tab over its stores; `configure` stores a configuration as another writer would.
struct Editor {
    MemoryDefaults defaults;
    // Stored before the store reads it, as a user's configuration is.
    struct Seed {
        Seed(MemoryDefaults &defaults, const QList<WheelSet> &configuration)
        {
            if (!configuration.isEmpty())
                defaults.setData(QStringLiteral("wheelSets"), WheelSet::encodeList(configuration));
        }
    } seed;
    WheelStore store{defaults};
    KeyComboStore combos{defaults, store};
    PromptStore prompts{defaults, store};
    FakeWorkspace workspace;
    AppLookup lookup{workspace};
    WheelItemDisplay display{combos, prompts, defaults, [this](const QString &id) { return lookup.name(id); }};
    AppChoices choices{workspace, QStringLiteral("ringle")};
    AppIcons appIcons{lookup};
    SlotLabels labels{display};
    FakeKeyboardLayout keyboardLayout;
    WheelSettingsView view{WheelSettingsParts{store, combos, prompts, display, choices, appIcons,
                                              [this](const WheelItem &item) { return labels.label(item); },
                                              {}, keyboardLayout}};

    explicit Editor(const QList<WheelSet> &configuration = {})
        : seed(defaults, configuration)
    {
    }
    void configure(const QList<WheelSet> &configuration)
    {
        defaults.setData(QStringLiteral("wheelSets"), WheelSet::encodeList(configuration));
    }
    const WheelSet &set(int i) const { return store.sets().at(i); }
    WheelSelection ringAt(int s, int r) const { return WheelSelection::ofRing(set(s).rings.at(r).id); }
    QStringList ringTitles(int s) const
    {
        QStringList titles;
        for (const WheelTab &r : set(s).rings)
            titles.append(r.title);
        return titles;
    }
};
} // namespace

class TestWheelSettingsView final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandsFollowTheLimits_data()
    {
        QTest::addColumn<QList<int>>("ringCounts");
        QTest::addColumn<int>("selectedSet");
        QTest::addColumn<int>("selectedRing"); // -1: the set itself
        QTest::addColumn<bool>("newSet");
        QTest::addColumn<bool>("newRing");
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<bool>("deleteRing");
        const QList<int> twelve{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
        QTest::newRow("12 sets") << twelve << 5 << 1 << false << true << true << true << true;
        QTest::newRow("11 sets") << twelve.mid(1) << 5 << 1 << true << true << true << true << true;
        QTest::newRow("8 rings") << QList<int>{1, 8} << 1 << 3 << true << false << true << false << true;
        QTest::newRow("8 rings, set selected") << QList<int>{1, 8} << 1 << -1 << true << false << true << false << true;
        QTest::newRow("7 rings") << QList<int>{1, 7} << 1 << 3 << true << true << true << true << true;
        QTest::newRow("last ring of a set") << QList<int>{2, 1} << 1 << 0 << true << true << false << true << false;
        QTest::newRow("only ring of the default set") << QList<int>{1, 2} << 0 << 0 << true << true << false << true << false;
        QTest::newRow("default set") << QList<int>{2, 2} << 0 << -1 << true << true << false << true << true;
        QTest::newRow("another set") << QList<int>{2, 2} << 1 << -1 << true << true << true << true << true;
    }

    void commandsFollowTheLimits()
    {
        QFETCH(QList<int>, ringCounts);
        QFETCH(int, selectedSet);
        QFETCH(int, selectedRing);
        Editor editor(sets(ringCounts));
        editor.view.select(selectedRing < 0 ? WheelSelection::ofSet(editor.set(selectedSet).id)
                                            : editor.ringAt(selectedSet, selectedRing));
        QTEST(editor.view.newSetAction()->isEnabled(), "newSet");
        QTEST(editor.view.newRingAction()->isEnabled(), "newRing");
        QTEST(editor.view.removeButton()->isEnabled(), "remove");
        const QUuid ringID = editor.set(selectedSet).rings.at(qMax(0, selectedRing)).id;
        QMenu *menu = editor.view.ringMenu(ringID);
        QTEST(actionNamed(menu, "Duplicate")->isEnabled(), "duplicate");
        QTEST(actionNamed(menu, "Delete")->isEnabled(), "deleteRing");

        // A refused command changes nothing, whatever reaches it.
        const QList<WheelSet> before = editor.store.sets();
        if (!editor.view.newRingAction()->isEnabled()) {
            editor.view.newRingAction()->trigger();
            QCOMPARE(editor.store.sets(), before);
        }
        if (!editor.view.newSetAction()->isEnabled()) {
            editor.view.newSetAction()->trigger();
            QCOMPARE(editor.store.sets(), before);
        }
    }

    void newRingAndSetAreSelected()
    {
        Editor editor(sets({1, 2}));
        editor.view.select(editor.ringAt(1, 0));
        editor.view.newRingAction()->trigger();
        QCOMPARE(editor.set(1).rings.size(), 3);
        QCOMPARE(editor.view.selection(), editor.ringAt(1, 2));
        QCOMPARE(editor.view.detail(), editor.view.ringEditor());
        QCOMPARE(editor.view.ringEditor()->titleField()->text(), QStringLiteral("New Ring"));

        editor.view.newSetAction()->trigger();
        QCOMPARE(editor.store.sets().size(), 3);
        QCOMPARE(editor.view.selection(), WheelSelection::ofSet(editor.set(2).id));
        QCOMPARE(editor.view.detail(), editor.view.setEditor());
        QCOMPARE(editor.view.sidebar()->currentItem()->text(0), QStringLiteral("New Set"));
    }

    void removingTheSelectedRingSelectsTheNextOne()
    {
        Editor editor(sets({1, 4}));
        editor.view.select(editor.ringAt(1, 1));
        QTest::mouseClick(editor.view.removeButton(), Qt::LeftButton);
        QCOMPARE(editor.ringTitles(1), (QStringList{"1/0", "1/2", "1/3"}));
        QCOMPARE(editor.view.selection(), editor.ringAt(1, 1)); // 1/2 moved into its place
        QCOMPARE(editor.view.sidebar()->currentItem()->text(0), QStringLiteral("1/2"));

        editor.view.select(editor.ringAt(1, 2));
        QTest::mouseClick(editor.view.removeButton(), Qt::LeftButton);
        QCOMPARE(editor.ringTitles(1), (QStringList{"1/0", "1/2"}));
        QCOMPARE(editor.view.selection(), editor.ringAt(1, 1)); // the new last ring
    }

    void removingASetAsksFirstThenSelectsTheDefaultSet()
    {
        Editor editor(sets({1, 2, 1}));
        const QUuid doomed = editor.set(1).id;
        editor.view.select(WheelSelection::ofSet(doomed));
        QTest::mouseClick(editor.view.removeButton(), Qt::LeftButton);
        QMessageBox *box = editor.view.removalConfirmation();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Remove the set Set 1?"));
        QCOMPARE(box->informativeText(), QStringLiteral("Its rings are removed too."));
        QCOMPARE(editor.store.sets().size(), 3);
        box->button(QMessageBox::Cancel)->click();
        QTRY_VERIFY(!editor.view.removalConfirmation());
        QCOMPARE(editor.store.sets().size(), 3);

        QTest::mouseClick(editor.view.removeButton(), Qt::LeftButton);
        box = editor.view.removalConfirmation();
        QVERIFY(box);
        QPushButton *confirm = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QStringLiteral("Remove Set and Its Rings"))
                confirm = qobject_cast<QPushButton *>(button);
        }
        QVERIFY(confirm);
        confirm->click();
        QCOMPARE(editor.store.sets().size(), 2);
        QVERIFY(!editor.store.set(doomed));
        QCOMPARE(editor.view.selection(), WheelSelection::ofSet(editor.set(0).id));
        QCOMPARE(editor.view.detail(), editor.view.setEditor());
    }

    void duplicateMoveAndDelete()
    {
        Editor editor(sets({2, 2, 8}));
        const QUuid source = editor.set(1).rings.at(0).id;
        actionNamed(editor.view.ringMenu(source), "Duplicate")->trigger();
        QCOMPARE(editor.ringTitles(1), (QStringList{"1/0", "1/0 Copy", "1/1"}));
        QCOMPARE(editor.view.selection(), editor.ringAt(1, 1));

        // "Move to" lists the other sets; a full one is offered but disabled.
        QMenu *moveTo = actionNamed(editor.view.ringMenu(source), "Move to")->menu();
        QCOMPARE(texts(moveTo), (QStringList{"Default", "Set 2"}));
        QVERIFY(actionNamed(moveTo, "Default")->isEnabled());
        QVERIFY(!actionNamed(moveTo, "Set 2")->isEnabled());
        actionNamed(moveTo, "Default")->trigger();
        QCOMPARE(editor.ringTitles(0), (QStringList{"0/0", "0/1", "1/0"}));
        QCOMPARE(editor.view.selection(), WheelSelection::ofRing(source));

        // Deleting the selected ring selects its set; deleting another keeps the selection.
        const WheelSelection copy = editor.ringAt(1, 0);
        editor.view.select(copy);
        actionNamed(editor.view.ringMenu(editor.set(1).rings.at(1).id), "Delete")->trigger();
        QCOMPARE(editor.view.selection(), copy);
        QVERIFY(!actionNamed(editor.view.ringMenu(copy.id), "Delete")->isEnabled());
        actionNamed(editor.view.ringMenu(source), "Delete")->trigger();
        QCOMPARE(editor.view.selection(), copy);
        editor.view.select(editor.ringAt(0, 0));
        actionNamed(editor.view.ringMenu(editor.set(0).rings.at(0).id), "Delete")->trigger();
        QCOMPARE(editor.view.selection(), WheelSelection::ofSet(editor.set(0).id));
    }

    void ringsAreDraggedOnlyWithinTheirSet()
    {
        Editor editor(sets({1, 3, 2}));
        const QList<WheelSet> &all = editor.store.sets();
        const QUuid first = all.at(1).rings.at(0).id;
        const QUuid last = all.at(1).rings.at(2).id;
        const QUuid elsewhere = all.at(2).rings.at(0).id;
        QCOMPARE(WheelSidebar::dropFor(all, first, last, true), (WheelSidebar::RingDrop{all.at(1).id, {0}, 3}));
        QCOMPARE(WheelSidebar::dropFor(all, last, first, false), (WheelSidebar::RingDrop{all.at(1).id, {2}, 0}));
        QVERIFY(!WheelSidebar::dropFor(all, first, elsewhere, false));
        QVERIFY(!WheelSidebar::dropFor(all, elsewhere, last, true));

        const std::optional<WheelSidebar::RingDrop> drop = WheelSidebar::dropFor(all, first, last, true);
        Q_EMIT editor.view.sidebar()->ringsDropped(*drop);
        QCOMPARE(editor.ringTitles(1), (QStringList{"1/1", "1/2", "1/0"}));
        QCOMPARE(editor.view.sidebar()->topLevelItem(1)->child(2)->text(0), QStringLiteral("1/0"));
    }

    void firstShowSelectsTheDefaultSetsFirstRing()
    {
        Editor editor(sets({3, 1}));
        QCOMPARE(editor.view.selection(), std::nullopt);
        QCOMPARE(editor.view.detail(), editor.view.placeholder());
        QCOMPARE(editor.view.placeholder()->text(), QStringLiteral("Select a set or ring"));
        editor.view.show();
        QCOMPARE(editor.view.selection(), editor.ringAt(0, 0));
        QCOMPARE(editor.view.detail(), editor.view.ringEditor());
        // The sidebar: each set with its rings, then the two lists.
        QCOMPARE(editor.view.sidebar()->topLevelItemCount(), 4);
        QCOMPARE(editor.view.sidebar()->topLevelItem(2)->text(0), QStringLiteral("Key Combos"));
        QCOMPARE(editor.view.sidebar()->topLevelItem(3)->text(0), QStringLiteral("Prompts"));
    }

    void readOnlySwitchOnlyForTheDefaultSet()
    {
        Editor editor(sets({2, 2}));
        editor.view.show();
        RingEditor *rings = editor.view.ringEditor();
        editor.view.select(editor.ringAt(1, 0));
        QVERIFY(!rings->readOnlySwitch()->isVisible());
        QVERIFY(!rings->readOnlyNote()->isVisible());

        editor.view.select(editor.ringAt(0, 1));
        QVERIFY(rings->readOnlySwitch()->isVisible());
        QVERIFY(!rings->readOnlySwitch()->isChecked());
        rings->readOnlySwitch()->click();
        QVERIFY(editor.set(0).rings.at(1).forReadOnlyText);
        editor.view.select(editor.ringAt(0, 0));
        rings->readOnlySwitch()->click();
        QVERIFY(editor.set(0).rings.at(0).forReadOnlyText);
        QVERIFY(!editor.set(0).rings.at(1).forReadOnlyText);
    }

    void slotRowsAndTheirMenu()
    {
        Editor editor(sets({1}));
        editor.view.show();
        RingEditor *rings = editor.view.ringEditor();
        QCOMPARE(rings->slotLabel(0)->text(), QStringLiteral("1. Left"));
        QCOMPARE(rings->slotButton(0)->text(), QStringLiteral("Ask"));
        QCOMPARE(rings->slotButton(1)->text(), QStringLiteral("Empty"));
        QCOMPARE(rings->slotLabel(1)->text(), QStringLiteral("2. Right"));
        rings->slotCountBox()->setValue(4);
        QCOMPARE(rings->slotLabel(0)->text(), QStringLiteral("1. Top"));
        QCOMPARE(editor.set(0).rings.at(0).slotCount(), 4);
        QCOMPARE(rings->slotLabel(3)->text(), QStringLiteral("4. Left"));
        QVERIFY(rings->slotButton(3)->isVisibleTo(rings));
        QCOMPARE(rings->preview()->ring(), editor.set(0).rings.at(0));
        rings->slotCountBox()->setValue(1);
        QCOMPARE(rings->slotLabel(0)->text(), QStringLiteral("1. Whole ring"));
        QVERIFY(!rings->slotButton(1)->isVisibleTo(rings));
        rings->slotCountBox()->setValue(3);

        SlotMenu *menu = rings->slotMenu(1);
        QCOMPARE(texts(menu).mid(0, 8),
                 (QStringList{"Empty", "-", "Proofread", "Rewrite", "Translate (default language)", "Explain", "Summarize", "Ask"}));
        QCOMPARE(texts(actionNamed(menu, "Prompts")->menu()), (QStringList{"No prompts yet", "-", "New Prompt…"}));
        QCOMPARE(texts(actionNamed(menu, "Shortcuts")->menu()), QStringList{"No shortcuts found"});
        QMenu *keyCombos = actionNamed(menu, "Key Combos")->menu();
        QCOMPARE(texts(actionNamed(keyCombos, "My Key Combos")->menu()),
                 (QStringList{"No key combos yet", "-", "New Key Combo…"}));
        QMenu *presets = actionNamed(keyCombos, "Default Key Combos")->menu();
        const KeyCombo selectAll{QStringLiteral("Select All"), 0, KeyModifiers(KeyModifiers::control), QStringLiteral("A")};
        QAction *selectAllEntry = actionNamed(presets, editor.display.menuTitle(WheelItem::keys(selectAll)));
        QVERIFY2(selectAllEntry, qPrintable(texts(presets).join(", ")));
        selectAllEntry->trigger();
        actionNamed(actionNamed(menu, "Translate to")->menu(), "German")->trigger();
        QCOMPARE(editor.set(0).rings.at(0).slots.at(1), WheelSlot(WheelItem::translateTo(TargetLanguage::german)));
        rings->slotMenu(2);
        actionNamed(rings->slotMenu(2), "Proofread")->trigger();
        actionNamed(rings->slotMenu(0), "Empty")->trigger();
        QCOMPARE(editor.set(0).rings.at(0).slots,
                 (QList<WheelSlot>{std::nullopt, WheelItem::translateTo(TargetLanguage::german), WheelItem::proofread()}));
        QCOMPARE(rings->slotButton(2)->text(), QStringLiteral("Proofread"));
        QCOMPARE(rings->preview()->ring(), editor.set(0).rings.at(0));
    }

    void appsOfferedInMenus()
    {
        Editor editor(sets({1, 1, 1}));
        editor.workspace.install({"org.gnome.Evolution", "Evolution", {}, {}});
        editor.workspace.install({"org.gnome.gedit", "gedit", {}, {}});
        editor.workspace.install({"ringle", "Ringle", {}, {}});
        editor.workspace.setRunningApplications({{10, "org.gnome.gedit", "gedit"}, {11, "ringle", "Ringle"},
                                                 {12, "org.gnome.Evolution", "Evolution"},
                                                 {13, "org.gnome.gedit", "gedit"}, {14, "", "nameless"}});
        editor.view.select(WheelSelection::ofSet(editor.set(1).id));
        QCOMPARE(texts(editor.view.setEditor()->addAppMenu()), (QStringList{"Evolution", "gedit", "-", "Choose…"}));
        actionNamed(editor.view.setEditor()->addAppMenu(), "gedit")->trigger();
        QCOMPARE(editor.set(1).apps, QStringList{"org.gnome.gedit"});
        QCOMPARE(texts(editor.view.setEditor()->addAppMenu()), (QStringList{"Evolution", "-", "Choose…"}));

        // An app already bound to another set moves to the set that takes it.
        editor.view.select(WheelSelection::ofSet(editor.set(2).id));
        actionNamed(editor.view.setEditor()->addAppMenu(), "gedit")->trigger();
        QCOMPARE(editor.set(2).apps, QStringList{"org.gnome.gedit"});
        QCOMPARE(editor.set(1).apps, QStringList());
        editor.view.setEditor()->addApps({"org.gnome.Evolution", "org.gnome.gedit", "unknown.app"});
        QCOMPARE(editor.set(2).apps, (QStringList{"org.gnome.gedit", "org.gnome.Evolution", "unknown.app"}));
        QCOMPARE(editor.view.setEditor()->appRemoveButtons().size(), 3);
        editor.view.setEditor()->appRemoveButtons().at(0)->click();
        QCOMPARE(editor.set(2).apps, (QStringList{"org.gnome.Evolution", "unknown.app"}));

        // The default set has no app or website sections, and its name is not editable.
        editor.view.select(WheelSelection::ofSet(editor.set(0).id));
        SetEditor *setEditor = editor.view.setEditor();
        QVERIFY(!setEditor->bindings()->isVisibleTo(setEditor));
        QVERIFY(setEditor->defaultNote()->isVisibleTo(setEditor));
        QVERIFY(!setEditor->nameField()->isVisibleTo(setEditor));
        QCOMPARE(setEditor->ringCount()->text(), QStringLiteral("1 of 8"));
    }

    void websitesOfASet()
    {
        Editor editor(sets({1, 1, 1}));
        editor.configure([&] {
            QList<WheelSet> configured = editor.store.sets();
            configured[1].sites = {"example.com"};
            return configured;
        }());
        editor.view.select(WheelSelection::ofSet(editor.set(2).id));
        QLineEdit *field = editor.view.setEditor()->websiteField();
        QTest::keyClicks(field, "  HTTPS://www.Example.COM/path?q=1 ");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(editor.set(2).sites, QStringList{"example.com"});
        QCOMPARE(editor.set(1).sites, QStringList()); // taken away from the set that had it
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "example.com");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(editor.set(2).sites, QStringList{"example.com"});
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, "nodot");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(editor.set(2).sites, QStringList{"example.com"});
        QCOMPARE(field->text(), QStringLiteral("nodot"));

        QTest::keyClicks(editor.view.setEditor()->nameField(), "Docs");
        QCOMPARE(editor.set(2).title, QStringLiteral("Set 2Docs"));
        QCOMPARE(editor.view.sidebar()->topLevelItem(2)->text(0), QStringLiteral("Set 2Docs"));
    }

    void websiteSheetSetsTheSlotAndFetchesItsIcon()
    {
        Editor editor(sets({1}));
        editor.view.show();
        RingEditor *rings = editor.view.ringEditor();
        rings->editWebsite(1);
        auto *sheet = rings->findChild<WebsiteSheet *>();
        QVERIFY(sheet);
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Website"));
        QVERIFY(!sheet->saveButton()->isEnabled());
        QTest::keyClicks(sheet->addressField(), "not an address");
        QVERIFY(!sheet->saveButton()->isEnabled());
        sheet->addressField()->setText("example.com/docs");
        QVERIFY(sheet->saveButton()->isEnabled());
        sheet->nameField()->setText(" \tDocs ");
        sheet->saveButton()->click();
        QCOMPARE(editor.set(0).rings.at(0).slots.at(1),
                 WheelSlot(WheelItem::openURL("https://example.com/docs", "Docs")));
        QCOMPARE(rings->slotButton(1)->text(), QStringLiteral("Docs"));
    }

    void listSectionsShowTheRecordsAndRemoveAtOnce()
    {
        Editor editor;
        CustomPrompt blank;
        blank.name = QStringLiteral("  ");
        blank.result = CustomPrompt::ResultMode::show;
        editor.prompts.save(blank);
        const CustomKeyCombo paste{QUuid::createUuid(), {"Paste Plain", 9, KeyModifiers::control | KeyModifiers::shift, "V"},
                                   QStringLiteral("doc.on.clipboard")};
        editor.combos.save(paste);
        QList<WheelSet> configured = sets({1});
        configured[0].rings[0].slots = {WheelItem::customKeys(paste.id), WheelItem::customPrompt(blank.id)};
        editor.configure(configured);
        editor.view.show();

        editor.view.select(WheelSelection::keyCombos());
        RecordListPage *combos = editor.view.keyCombosPage();
        QCOMPARE(editor.view.detail(), combos);
        QCOMPARE(combos->rowCount(), 1);
        QCOMPARE(combos->nameLabel(0)->text(), QStringLiteral("Paste Plain"));
        QCOMPARE(combos->detailLabel(0)->text(), QStringLiteral("Ctrl+Shift+V"));
        QCOMPARE(combos->editButton(0)->toolTip(), QStringLiteral("Edit"));
        QCOMPARE(combos->addButton()->text(), QStringLiteral("Add Key Combo…"));
        RecordListPage *prompts = editor.view.promptsPage();
        QCOMPARE(prompts->nameLabel(0)->text(), QStringLiteral("Untitled Prompt"));
        QCOMPARE(prompts->detailLabel(0)->text(), QStringLiteral("Show next to the cursor"));

        combos->removeButton(0)->click();
        QTRY_COMPARE(combos->rowCount(), 0);
        QVERIFY(!combos->sheet());
        QVERIFY(editor.combos.combos().isEmpty());
        QCOMPARE(editor.set(0).rings.at(0).slots, (QList<WheelSlot>{std::nullopt, WheelItem::customPrompt(blank.id)}));
        prompts->removeButton(0)->click();
        QTRY_VERIFY(editor.prompts.prompts().isEmpty());
        QCOMPARE(editor.set(0).rings.at(0).slots, (QList<WheelSlot>{std::nullopt, std::nullopt}));
    }

    void addAndEditFromTheList()
    {
        Editor editor;
        editor.keyboardLayout.addKey(Qt::Key_S, 1, QStringLiteral("s"));
        editor.view.show();
        editor.view.select(WheelSelection::keyCombos());
        RecordListPage *page = editor.view.keyCombosPage();
        page->addButton()->click();
        auto *sheet = qobject_cast<KeyComboSheet *>(page->sheet());
        QVERIFY(sheet);
        QVERIFY(sheet->recordBox()->isRecording());
        QTest::keyClick(sheet->recordBox(), Qt::Key_S);
        sheet->nameField()->setText(QStringLiteral("Save As"));
        sheet->saveButton()->click();
        QCOMPARE(editor.combos.combos().size(), 1);
        const CustomKeyCombo added = editor.combos.combos().first();
        QCOMPARE(added.combo, (KeyCombo{"Save As", 1, {}, "S"}));
        QCOMPARE(page->nameLabel(0)->text(), QStringLiteral("Save As"));

        page->editButton(0)->click();
        sheet = qobject_cast<KeyComboSheet *>(page->sheet());
        QVERIFY(sheet);
        QVERIFY(!sheet->recordBox()->isRecording());
        sheet->nameField()->setText(QStringLiteral("Save a Copy"));
        sheet->saveButton()->click();
        QCOMPARE(editor.combos.combos().size(), 1);
        QCOMPARE(editor.combos.combos().first().id, added.id);
        QCOMPARE(page->nameLabel(0)->text(), QStringLiteral("Save a Copy"));
    }

    void slotMenuMakesNewRecordsForTheSlot()
    {
        Editor editor(sets({1}));
        editor.keyboardLayout.addKey(Qt::Key_K, 40, QStringLiteral("k"));
        editor.view.show();
        RingEditor *rings = editor.view.ringEditor();
        actionNamed(actionNamed(rings->slotMenu(1), "Prompts")->menu(), "New Prompt…")->trigger();
        auto *prompt = rings->findChild<PromptSheet *>();
        QVERIFY(prompt);
        prompt->instructionField()->setPlainText(QStringLiteral("Upper-case it."));
        prompt->nameField()->setText(QStringLiteral("Shout"));
        prompt->saveButton()->click();
        QCOMPARE(editor.prompts.prompts().size(), 1);
        QCOMPARE(editor.set(0).rings.at(0).slots.at(1), WheelSlot(WheelItem::customPrompt(editor.prompts.prompts().first().id)));
        QCOMPARE(rings->slotButton(1)->text(), QStringLiteral("Shout"));

        QMenu *keyCombos = actionNamed(rings->slotMenu(0), "Key Combos")->menu();
        actionNamed(actionNamed(keyCombos, "My Key Combos")->menu(), "New Key Combo…")->trigger();
        auto *combo = rings->findChild<KeyComboSheet *>();
        QVERIFY(combo);
        QTest::keyClick(combo->recordBox(), Qt::Key_K, Qt::ControlModifier);
        combo->saveButton()->click();
        QCOMPARE(editor.combos.combos().size(), 1);
        QCOMPARE(editor.set(0).rings.at(0).slots.at(0), WheelSlot(WheelItem::customKeys(editor.combos.combos().first().id)));
        // A sheet cancelled leaves the slot as it was.
        actionNamed(actionNamed(rings->slotMenu(1), "Prompts")->menu(), "New Prompt…")->trigger();
        QTRY_VERIFY(rings->findChildren<PromptSheet *>().size() == 1);
        rings->findChild<PromptSheet *>()->cancelButton()->click();
        QCOMPARE(editor.prompts.prompts().size(), 1);
        QCOMPARE(editor.set(0).rings.at(0).slots.at(1), WheelSlot(WheelItem::customPrompt(editor.prompts.prompts().first().id)));
    }

    // A prompt deleted while its ring is open stays gone from the slot, also after more edits.
    void deletedPromptDoesNotComeBack()
    {
        Editor editor;
        CustomPrompt formal;
        formal.name = "Formal";
        editor.prompts.save(formal);
        CustomKeyCombo paste;
        paste.combo = {"Paste", 9, KeyModifiers(KeyModifiers::control), "V"};
        editor.combos.save(paste);
        QList<WheelSet> configured = sets({1});
        configured[0].rings[0].slots = {WheelItem::customPrompt(formal.id), WheelItem::customKeys(paste.id), WheelItem::ask()};
        editor.configure(configured);
        editor.view.show();
        RingEditor *rings = editor.view.ringEditor();
        QCOMPARE(rings->slotButton(0)->text(), QStringLiteral("Formal"));

        editor.prompts.remove(formal.id);
        QCOMPARE(rings->slotButton(0)->text(), QStringLiteral("Empty"));
        QTest::keyClicks(rings->titleField(), "!");
        QCOMPARE(editor.set(0).rings.at(0).slots,
                 (QList<WheelSlot>{std::nullopt, WheelItem::customKeys(paste.id), WheelItem::ask()}));

        // A copy still naming removed records is cleaned before it is written back.
        WheelTab stale = editor.set(0).rings.at(0);
        stale.slots = {WheelItem::customPrompt(formal.id), WheelItem::customKeys(QUuid::createUuid()),
                       WheelItem::customKeys(paste.id)};
        QCOMPARE(SlotReferences::withoutRemovedRecords(stale, editor.combos, editor.prompts).slots,
                 (QList<WheelSlot>{std::nullopt, std::nullopt, WheelItem::customKeys(paste.id)}));
    }

    // `ringle config set wheelSets` while the editor is open: the editor shows the new list and says
    // so, and its next edit applies to that list.
    void anotherWritersChangeIsShownNotOverwritten()
    {
        Editor editor(sets({2, 1}));
        editor.view.show();
        RingEditor *rings = editor.view.ringEditor();
        QVERIFY(!editor.view.notice()->isVisible());

        QList<WheelSet> theirs = editor.store.sets();
        theirs[0].rings[0].title = "Theirs";
        theirs[0].rings[1].slots = {WheelItem::summarize()};
        editor.configure(theirs);
        QCOMPARE(rings->titleField()->text(), QStringLiteral("Theirs"));
        QVERIFY(editor.view.notice()->isVisible());
        QCOMPARE(editor.view.sidebar()->topLevelItem(0)->child(0)->text(0), QStringLiteral("Theirs"));

        actionNamed(rings->slotMenu(1), "Proofread")->trigger();
        QCOMPARE(editor.set(0).rings.at(0).title, QStringLiteral("Theirs"));
        QCOMPARE(editor.set(0).rings.at(0).slots.at(1), WheelSlot(WheelItem::proofread()));
        QCOMPARE(editor.set(0).rings.at(1).slots, QList<WheelSlot>{WheelItem::summarize()});

        // The selected ring removed elsewhere: nothing is shown for it.
        theirs = editor.store.sets();
        theirs[0].rings.removeFirst();
        editor.configure(theirs);
        QCOMPARE(editor.view.detail(), editor.view.placeholder());
    }

    void runningAppsOffered()
    {
        FakeWorkspace workspace;
        workspace.install({"org.b", "beta", {}, {}});
        workspace.install({"org.a", "Alpha", {}, {}});
        workspace.install({"org.c", "", {}, {}});
        workspace.setRunningApplications({{1, "org.b", "beta"}, {2, "org.a", "Alpha"}, {3, "org.c", "Gamma"},
                                          {4, "me", "Me"}, {5, "org.x", "Excluded"}});
        const AppChoices choices(workspace, "me");
        QStringList names;
        for (const ApplicationInfo &app : choices.running({"org.x"}))
            names.append(app.name);
        QCOMPARE(names, (QStringList{"Alpha", "beta", "Gamma"}));
        QCOMPARE(choices.info("missing").name, QStringLiteral("missing"));
        QCOMPARE(choices.installed().size(), 3);
    }
};

QTEST_MAIN(TestWheelSettingsView)
#include "test_wheelsettingsview.moc"
