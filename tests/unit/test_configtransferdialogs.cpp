// The Action Wheel tab's "Export…" and "Import…" on a real settings file: the summary comes before
// any change, each mode only where it can take the file, and a refusal changes nothing.
#include "platform/jsonfiledefaults.h"
#include "platform/fake/memorydefaults.h"
#include "ui/configtransferdialogs.h"
#include "wheel/configdocument.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelstore.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace {
QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QList<WheelSet> plainSets(int count, const QString &title)
{
    QList<WheelSet> sets;
    for (int i = 0; i < count; ++i)
        sets.append(WheelSet{QUuid::createUuid(), QStringLiteral("%1 %2").arg(title).arg(i + 1), {}, {},
                             {WheelTab{QUuid::createUuid(), QStringLiteral("Ring"), {WheelItem::ask()}, false}}});
    return sets;
}

// One set whose ring asks for the file's own prompt.
ConfigContents theirs()
{
    CustomPrompt prompt;
    prompt.name = QStringLiteral("Shorter");
    prompt.instruction = QStringLiteral("Make it shorter.");
    const WheelSet set{QUuid::createUuid(), QStringLiteral("Theirs"), {}, {},
                       {WheelTab{QUuid::createUuid(), QStringLiteral("Ring"),
                                 {WheelItem::customPrompt(prompt.id), std::nullopt}, false}}};
    return {{set}, {}, {prompt}};
}

// The dialogs over the stores of a settings file in a folder of its own.
struct Tab {
    QTemporaryDir dir;
    QString settings = dir.filePath(QStringLiteral("Ringle/defaults.json"));
    JsonFileDefaults defaults{settings};
    WheelStore wheels{defaults};
    KeyComboStore combos{defaults, wheels};
    PromptStore prompts{defaults, wheels};
    QWidget window;
    ConfigTransferDialogs dialogs{{wheels, combos, prompts}, settings, &window};

    explicit Tab(const QList<WheelSet> &sets) { wheels.replaceAll(sets); }
    QString file(const QString &name) const { return dir.filePath(name); }
    ConfigContents current() { return ConfigStores{wheels, combos, prompts}.current(); }
    QStringList backups() const
    {
        return QDir(dir.filePath(QStringLiteral("Ringle"))).entryList({QStringLiteral("defaults-backup-*")});
    }
};
} // namespace

class TestConfigTransferDialogs final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void summaryComesFirstAndCancelChangesNothing()
    {
        Tab tab(plainSets(2, QStringLiteral("Mine")));
        const QByteArray before = bytesOf(tab.settings);
        QVERIFY(writeFile(tab.file("theirs.json"), ConfigDocument::encode(theirs())));
        QSignalSpy imported(&tab.dialogs, &ConfigTransferDialogs::imported);

        tab.dialogs.importFrom(tab.file("theirs.json"));
        QMessageBox *summary = tab.dialogs.summary();
        QVERIFY(summary);
        QCOMPARE(summary->text(), QString("Import 1 set, 0 key combinations and 1 prompt?"));
        QCOMPARE(summary->informativeText(), QString("Sets: Theirs.\n"
                                                     "Prompts: Shorter.\n"
                                                     "Merge adds them to your 2 sets, 0 key combinations and 0 prompts.\n"
                                                     "Replace puts them in place of your 2 sets, 0 key combinations "
                                                     "and 0 prompts."));
        QVERIFY(tab.dialogs.mergeButton()->isEnabled() && tab.dialogs.replaceButton()->isEnabled());
        QCOMPARE(summary->defaultButton(), tab.dialogs.mergeButton());
        QCOMPARE(bytesOf(tab.settings), before);

        summary->button(QMessageBox::Cancel)->click();
        QCOMPARE(bytesOf(tab.settings), before);
        QVERIFY(tab.backups().isEmpty());
        QCOMPARE(imported.count(), 0);
        QVERIFY(!tab.dialogs.message());
    }

    void replaceStoresTheFileAndNamesTheBackup()
    {
        const QList<WheelSet> mine = plainSets(2, QStringLiteral("Mine"));
        Tab tab(mine);
        QVERIFY(writeFile(tab.file("theirs.json"), ConfigDocument::encode(theirs())));
        const ConfigContents file = ConfigDocument::decode(bytesOf(tab.file("theirs.json")));
        QSignalSpy imported(&tab.dialogs, &ConfigTransferDialogs::imported);

        tab.dialogs.importFrom(tab.file("theirs.json"));
        QVERIFY(tab.dialogs.summary());
        tab.dialogs.replaceButton()->click();
        QCOMPARE(imported.count(), 1);
        QCOMPARE(tab.current(), file);
        QCOMPARE(tab.backups().size(), 1);
        const QString backup = tab.dir.filePath("Ringle/" + tab.backups().first());
        QCOMPARE(ConfigDocument::decode(bytesOf(backup)).sets, mine);
        QVERIFY(tab.dialogs.message());
        QCOMPARE(tab.dialogs.message()->icon(), QMessageBox::Information);
        QCOMPARE(tab.dialogs.message()->text(),
                 QString("Replaced your configuration with 1 set, 0 key combinations and 1 prompt. Your previous "
                         "configuration is kept in %1.")
                     .arg(backup));
    }

    void mergeIsOfferedOnlyWhereTheSetsFit()
    {
        Tab tab(plainSets(11, QStringLiteral("Mine")));
        ConfigContents two = theirs();
        two.sets += plainSets(1, QStringLiteral("More"));
        QVERIFY(writeFile(tab.file("two.json"), ConfigDocument::encode(two)));

        tab.dialogs.importFrom(tab.file("two.json"));
        QVERIFY(tab.dialogs.summary());
        QVERIFY(!tab.dialogs.mergeButton()->isEnabled());
        QVERIFY(tab.dialogs.replaceButton()->isEnabled());
        QCOMPARE(tab.dialogs.summary()->defaultButton(), tab.dialogs.summary()->button(QMessageBox::Cancel));
        QVERIFY2(tab.dialogs.summary()->informativeText().contains(
                     "Merge is not possible: Merging would give 13 sets, and Ringle keeps at most 12.\n"),
                 qPrintable(tab.dialogs.summary()->informativeText()));
    }

    void aRefusedFileIsToldAndChangesNothing()
    {
        Tab tab(plainSets(1, QStringLiteral("Mine")));
        const QByteArray before = bytesOf(tab.settings);
        QByteArray newer = ConfigDocument::encode(theirs());
        newer.replace("\"version\": 1", "\"version\": 7");
        QVERIFY(writeFile(tab.file("newer.json"), newer));

        tab.dialogs.importFrom(tab.file("newer.json"));
        QVERIFY(!tab.dialogs.summary());
        QVERIFY(tab.dialogs.message());
        QCOMPARE(tab.dialogs.message()->icon(), QMessageBox::Warning);
        QCOMPARE(tab.dialogs.message()->text(),
                 QString("This file comes from a newer version of Ringle (format version 7); update Ringle to import it."));
        QCOMPARE(bytesOf(tab.settings), before);
        QVERIFY(tab.backups().isEmpty());
    }

    void withoutASettingsFileNothingIsImported()
    {
        MemoryDefaults defaults;
        WheelStore wheels(defaults);
        KeyComboStore combos(defaults, wheels);
        PromptStore prompts(defaults, wheels);
        QWidget window;
        ConfigTransferDialogs dialogs({wheels, combos, prompts}, QString(), &window);
        const QList<WheelSet> before = wheels.sets();
        QTemporaryDir dir;
        const QString path = dir.filePath("theirs.json");
        QVERIFY(writeFile(path, ConfigDocument::encode(theirs())));

        dialogs.importFrom(path);
        QVERIFY(dialogs.summary());
        dialogs.mergeButton()->click();
        QCOMPARE(wheels.sets(), before);
        QVERIFY(prompts.prompts().isEmpty());
        QCOMPARE(dialogs.message()->icon(), QMessageBox::Warning);
        QCOMPARE(dialogs.message()->text(),
                 QString("Ringle keeps no settings file to put a backup next to, so nothing was imported."));
    }

    void exportWritesWhatTheStoresHold()
    {
        Tab tab(plainSets(3, QStringLiteral("Mine")));
        tab.dialogs.exportTo(tab.file("out.json"));
        QCOMPARE(ConfigDocument::decode(bytesOf(tab.file("out.json"))), tab.current());
        QCOMPARE(tab.dialogs.message()->icon(), QMessageBox::Information);
        QCOMPARE(tab.dialogs.message()->text(),
                 QString("Exported 3 sets, 0 key combinations and 0 prompts to %1.").arg(tab.file("out.json")));

        tab.dialogs.exportTo(tab.file("no/such/folder/out.json"));
        QCOMPARE(tab.dialogs.message()->icon(), QMessageBox::Warning);
        QVERIFY2(tab.dialogs.message()->text().startsWith("Could not write " + tab.file("no/such/folder/out.json")),
                 qPrintable(tab.dialogs.message()->text()));
    }
};

QTEST_MAIN(TestConfigTransferDialogs)
#include "test_configtransferdialogs.moc"
