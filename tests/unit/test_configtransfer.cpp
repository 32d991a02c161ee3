// `ringle config export` and `import` on real settings files: what comes back, what is refused, and
// that a refusal leaves the settings file as it was.
#include "app/configcommand.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/configbackup.h"
#include "wheel/configdocument.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/slotreferences.h"
#include "wheel/wheelstore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QStringList storedKeys{QStringLiteral("wheelSets"), QStringLiteral("customKeyCombos"),
                             QStringLiteral("customPrompts")};

struct Outcome {
    int code = 0;
    QString out;
    QString err;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A user's settings folder of its own.
struct Config {
    QTemporaryDir dir;
    QString settings() const { return dir.filePath(QStringLiteral("Ringle/defaults.json")); }
    QString file(const QString &name) const { return dir.filePath(name); }

    Outcome run(const QStringList &arguments) const
    {
        JsonFileDefaults defaults(settings());
        Outcome outcome;
        QTextStream out(&outcome.out);
        QTextStream err(&outcome.err);
        outcome.code = ConfigCommand::run(arguments, defaults, out, err);
        return outcome;
    }
    std::optional<QByteArray> stored(const QString &key) const { return JsonFileDefaults(settings()).dataValue(key); }
    void store(const ConfigContents &contents) const
    {
        JsonFileDefaults defaults(settings());
        defaults.setData(QStringLiteral("wheelSets"), WheelSet::encodeList(contents.sets));
        defaults.setData(QStringLiteral("customKeyCombos"), JsonFields::encodeArray(contents.combos));
        defaults.setData(QStringLiteral("customPrompts"), JsonFields::encodeArray(contents.prompts));
    }
    // What Ringle reads from it, through its stores.
    ConfigContents read() const
    {
        JsonFileDefaults defaults(settings());
        WheelStore wheels(defaults);
        KeyComboStore combos(defaults, wheels);
        PromptStore prompts(defaults, wheels);
        return ConfigStores{wheels, combos, prompts}.current();
    }
    QStringList backups() const
    {
        return QDir(dir.filePath(QStringLiteral("Ringle"))).entryList({QStringLiteral("defaults-backup-*")});
    }
};

WheelTab ring(const QString &title, QList<WheelSlot> slots, bool forReadOnlyText = false)
{
    return WheelTab{QUuid::createUuid(), title, std::move(slots), forReadOnlyText};
}

// Every kind of slot, both kinds of record, bindings and a ring for read-only text.
ConfigContents sample()
{
    CustomKeyCombo paste;
    paste.combo = {QStringLiteral("Paste Plain"), 9, KeyModifiers(KeyModifiers::control), QStringLiteral("V")};
    paste.symbol = QStringLiteral("doc.on.clipboard");
    CustomKeyCombo unnamed;
    unnamed.combo = {QString(), 0, KeyModifiers(KeyModifiers::command), QStringLiteral("A")};
    CustomPrompt formal;
    formal.name = QStringLiteral("Formal");
    formal.instruction = QStringLiteral("Make it formal.");
    formal.result = CustomPrompt::ResultMode::show;
    formal.keepLanguage = false;

    const WheelSet main{QUuid::createUuid(), QStringLiteral("Default"), {}, {},
                        {ring(QStringLiteral("Text"), {WheelItem::proofread(), WheelItem::customKeys(paste.id),
                                                       WheelItem::customPrompt(formal.id), std::nullopt},
                              true),
                         ring(QStringLiteral("Read"), {WheelItem::translateTo(TargetLanguage::german), WheelItem::ask()})}};
    const WheelSet mail{QUuid::createUuid(), QStringLiteral("Mail"), {QStringLiteral("org.example.Mail")},
                        {QStringLiteral("mail.example.org")},
                        {ring(QStringLiteral("Mail"),
                              {WheelItem::keys(paste.combo), WheelItem::customKeys(unnamed.id),
                               WheelItem::openURL(QStringLiteral("https://example.org/"), QStringLiteral("Example")),
                               WheelItem::openApp(QStringLiteral("org.example.Editor")),
                               WheelItem::shortcut(QStringLiteral("Notes"), QStringLiteral("id-7")),
                               WheelItem::customPrompt(formal.id)})}};
    return {{main, mail}, {paste, unnamed}, {formal}};
}

QJsonObject sampleDocument()
{
    return QJsonDocument::fromJson(ConfigDocument::encode(sample())).object();
}

QByteArray changed(QJsonObject document, const QString &key, const QJsonValue &value)
{
    document.insert(key, value);
    return QJsonDocument(document).toJson();
}

// The document with one member of the first element of one list changed.
QByteArray changedFirst(const QString &list, const QString &member, const QJsonValue &value)
{
    QJsonObject document = sampleDocument();
    QJsonArray items = document.value(list).toArray();
    QJsonObject first = items.first().toObject();
    first.insert(member, value);
    items.replace(0, first);
    return changed(document, list, items);
}

QByteArray withSecondCopied(const QString &list, const std::function<void(QJsonObject &)> &change = {})
{
    QJsonObject document = sampleDocument();
    QJsonArray items = document.value(list).toArray();
    QJsonObject copy = items.first().toObject();
    if (change)
        change(copy);
    items.append(copy);
    return changed(document, list, items);
}

template <typename T> QSet<QUuid> ids(const QList<T> &records)
{
    QSet<QUuid> result;
    for (const T &record : records)
        result.insert(record.id);
    return result;
}

QList<WheelTab> allRings(const QList<WheelSet> &sets)
{
    QList<WheelTab> rings;
    for (const WheelSet &set : sets)
        rings.append(set.rings);
    return rings;
}
} // namespace

class TestConfigTransfer final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void exportThenImportIntoAnEmptyConfigurationIsByteForByte()
    {
        Config from;
        from.store(sample());
        QCOMPARE(from.run({"export", from.file("ringle.json")}).code, 0);
        const QByteArray exported = bytesOf(from.file("ringle.json"));
        QCOMPARE(QJsonDocument::fromJson(exported).object().value("format"), QJsonValue("ringle-config"));

        Config into;
        const Outcome outcome = into.run({"import", from.file("ringle.json"), "--replace"});
        QCOMPARE(outcome.code, 0);
        QVERIFY2(outcome.err.isEmpty(), qPrintable(outcome.err));
        for (const QString &key : storedKeys)
            QCOMPARE(into.stored(key), from.stored(key));
        QCOMPARE(into.read(), from.read());

        // Exported again, the configuration reads the same, byte for byte.
        QCOMPARE(into.run({"export", into.file("again.json")}).code, 0);
        QCOMPARE(bytesOf(into.file("again.json")), exported);
    }

    void exportOfNothingStoredHoldsTheDefaults()
    {
        Config empty;
        const Outcome outcome = empty.run({"export", empty.file("ringle.json")});
        QCOMPARE(outcome.code, 0);
        QCOMPARE(outcome.out, QString("Exported 1 set, 0 key combinations and 0 prompts to %1.\n").arg(empty.file("ringle.json")));
        const QJsonObject document = QJsonDocument::fromJson(bytesOf(empty.file("ringle.json"))).object();
        QCOMPARE(document.value("version"), QJsonValue(1));
        QCOMPARE(document.value("customKeyCombos"), QJsonValue(QJsonArray()));
        QCOMPARE(document.value("customPrompts"), QJsonValue(QJsonArray()));
        const QList<WheelSet> sets = WheelSet::decodeList(QJsonDocument(document.value("wheelSets").toArray()).toJson());
        QCOMPARE(sets.size(), 1);
        QCOMPARE(sets.first().rings.first().slots, WheelTab::standard().slots);
        QVERIFY(!QFile::exists(empty.settings()));
    }

    void mergeIntoItselfDoublesTheSetsWithEveryReferenceIntact()
    {
        Config config;
        const ConfigContents original = sample();
        config.store(original);
        QCOMPARE(config.run({"export", config.file("ringle.json")}).code, 0);

        const Outcome outcome = config.run({"import", config.file("ringle.json"), "--merge"});
        QCOMPARE(outcome.code, 0);
        QVERIFY2(outcome.out.contains("--merge adds them to your 2 sets, 2 key combinations and 1 prompt. 5 of them get "
                                      "new ids because your configuration already uses their ids. These apps and "
                                      "websites stay with the sets of yours they belong to: org.example.Mail, "
                                      "mail.example.org.\n"),
                 qPrintable(outcome.out));
        const ConfigContents merged = config.read();
        QCOMPARE(merged.sets.size(), 4);
        QCOMPARE(merged.combos.size(), 4);
        QCOMPARE(merged.prompts.size(), 2);
        QCOMPARE(merged.sets.mid(0, 2), original.sets);

        // Every id is unique, and every slot names a record that exists: the editor's own check
        // empties nothing.
        QCOMPARE(ids(merged.sets).size(), 4);
        QCOMPARE(ids(allRings(merged.sets)).size(), allRings(merged.sets).size());
        QCOMPARE(ids(merged.combos).size(), 4);
        QCOMPARE(ids(merged.prompts).size(), 2);
        {
            JsonFileDefaults defaults(config.settings());
            WheelStore wheels(defaults);
            KeyComboStore combos(defaults, wheels);
            PromptStore prompts(defaults, wheels);
            for (const WheelTab &r : allRings(wheels.sets()))
                QCOMPARE(SlotReferences::withoutRemovedRecords(r, combos, prompts), r);
        }
        // The copies refer to the copied records, which are the originals with new ids.
        const WheelTab &copy = merged.sets.at(2).rings.at(0);
        QCOMPARE(copy.slots.at(1), WheelSlot(WheelItem::customKeys(merged.combos.at(2).id)));
        QCOMPARE(copy.slots.at(2), WheelSlot(WheelItem::customPrompt(merged.prompts.at(1).id)));
        QCOMPARE(merged.combos.at(2).combo, original.combos.at(0).combo);
        QVERIFY(merged.combos.at(2).id != original.combos.at(0).id);
        // Only the default set keeps a ring for read-only text; bindings stay with the user's set.
        QVERIFY(!copy.forReadOnlyText);
        QVERIFY(merged.sets.at(0).rings.at(0).forReadOnlyText);
        QVERIFY(merged.sets.at(3).apps.isEmpty() && merged.sets.at(3).sites.isEmpty());
        QCOMPARE(merged.sets.at(1).apps, original.sets.at(1).apps);

        // The backup holds the configuration as it was, and imports back to it.
        const QStringList backups = config.backups();
        QCOMPARE(backups.size(), 1);
        QVERIFY(QRegularExpression("^defaults-backup-\\d{8}-\\d{6}\\.json$").match(backups.first()).hasMatch());
        const QString backup = config.dir.filePath("Ringle/" + backups.first());
        QVERIFY2(outcome.out.endsWith(QString("Added 2 sets, 2 key combinations and 1 prompt to your configuration. Your "
                                              "previous configuration is kept in %1.\n")
                                          .arg(backup)),
                 qPrintable(outcome.out));
        QCOMPARE(config.run({"import", backup, "--replace"}).code, 0);
        QCOMPARE(config.read(), original);
        QCOMPARE(config.backups().size(), 2);
    }

    void mergeKeepsFreeIdsAndMayReferToTheUsersRecords()
    {
        Config config;
        const ConfigContents mine = sample();
        config.store(mine);
        // A new set whose slot names a combination only the user has.
        ConfigContents theirs;
        theirs.sets.append(WheelSet{QUuid::createUuid(), "Theirs", {"org.example.New"}, {},
                                    {ring("New", {WheelItem::customKeys(mine.combos.at(0).id)})}});
        writeFile(config.file("theirs.json"), ConfigDocument::encode(theirs));

        const Outcome refused = config.run({"import", config.file("theirs.json"), "--replace"});
        QCOMPARE(refused.code, 2);
        QCOMPARE(refused.err, QString("Slot 1 of the ring \"New\" in the set \"Theirs\" refers to a key combination that "
                                      "is not in the file.\n"));
        QVERIFY(refused.out.isEmpty());
        QVERIFY(config.run({"import", config.file("theirs.json")}).out.contains(
            "--merge adds them to your 2 sets, 2 key combinations and 1 prompt.\n"
            "--replace is not possible: Slot 1 of the ring"));

        QCOMPARE(config.run({"import", config.file("theirs.json"), "--merge"}).code, 0);
        const ConfigContents merged = config.read();
        QCOMPARE(merged.sets, mine.sets + theirs.sets);
        QCOMPARE(merged.combos, mine.combos);
    }

    void hostileFilesAreRefusedAndChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("message");

        const QJsonObject valid = sampleDocument();
        const QByteArray whole = QJsonDocument(valid).toJson();
        const QString uuid = "6F1C9A52-8A57-4A1E-9D0B-3C2A1B0E9F11";
        QTest::newRow("not json") << QByteArray("ringle") << "--merge"
                                  << "The file is not a Ringle configuration file: it is not valid JSON (illegal value at character 1).";
        QTest::newRow("truncated") << whole.left(whole.size() / 2) << "--replace"
                                   << "The file is not a Ringle configuration file: it is not valid JSON";
        QTest::newRow("empty") << QByteArray() << "--merge" << "The file is not a Ringle configuration file: it is not valid JSON";
        // Lists inside lists far deeper than any configuration: refused, not recursed into.
        QTest::newRow("nested without end") << QByteArray(100000, '[') + QByteArray(100000, ']') << "--merge"
                                            << "The file is not a Ringle configuration file: it is not valid JSON";
        QTest::newRow("not an object") << QByteArray("[]") << "--replace"
                                       << "The file is not a Ringle configuration file: it does not hold a JSON object.";
        QTest::newRow("other format") << changed(valid, "format", "varno-config") << "--merge"
                                      << "The file is not a Ringle configuration file: its \"format\" is not \"ringle-config\".";
        QTest::newRow("no format") << changed(valid, "format", QJsonValue()) << "--merge"
                                   << "The file is not a Ringle configuration file: its \"format\" is not \"ringle-config\".";
        QTest::newRow("newer version") << changed(valid, "version", 2) << "--replace"
                                       << "This file comes from a newer version of Ringle (format version 2); update "
                                          "Ringle to import it.";
        QTest::newRow("version as text") << changed(valid, "version", "1") << "--merge" << "The file has no valid format version.";
        QTest::newRow("version zero") << changed(valid, "version", 0) << "--merge" << "The file has no valid format version.";
        QTest::newRow("version fraction") << changed(valid, "version", 1.5) << "--merge" << "The file has no valid format version.";
        QTest::newRow("no prompts") << changed(valid, "customPrompts", QJsonValue::Undefined) << "--merge"
                                    << "The file has no \"customPrompts\" list.";
        QTest::newRow("sets not a list") << changed(valid, "wheelSets", QJsonObject()) << "--replace"
                                         << "\"wheelSets\" in the file is not a list.";
        QTest::newRow("set title a number") << changedFirst("wheelSets", "title", 5) << "--replace"
                                            << "\"wheelSets\" in the file cannot be read: Value of \"title\" is not a string.";
        QTest::newRow("prompt result unknown") << changedFirst("customPrompts", "result", "paste") << "--merge"
                                               << "\"customPrompts\" in the file cannot be read: Unknown result mode \"paste\".";
        QTest::newRow("combo id not a uuid") << changedFirst("customKeyCombos", "id", "{" + uuid + "}") << "--merge"
                                             << "\"customKeyCombos\" in the file cannot be read: Value of \"id\" is not a UUID.";
        QTest::newRow("set without rings") << changedFirst("wheelSets", "rings", QJsonArray()) << "--merge"
                                           << "The sets in the file go beyond what Ringle keeps: Set \"Default\" has 0 rings; a set has 1 to 8.";
        QTest::newRow("duplicate set ids") << withSecondCopied("wheelSets", [](QJsonObject &set) {
            QJsonArray rings = set.value("rings").toArray();
            QJsonObject r = rings.first().toObject();
            r.insert("id", "00000000-0000-0000-0000-0000000000AA");
            set.insert("rings", QJsonArray{r});
        }) << "--replace" << "Two sets in the file have the same id %set.";
        QTest::newRow("duplicate ring ids") << withSecondCopied("wheelSets", [](QJsonObject &set) {
            set.insert("id", "00000000-0000-0000-0000-0000000000AA");
        }) << "--merge" << "Two rings in the file have the same id %ring.";
        QTest::newRow("duplicate combo ids") << withSecondCopied("customKeyCombos") << "--merge"
                                             << "Two key combinations in the file have the same id %combo.";
        QTest::newRow("duplicate prompt ids") << withSecondCopied("customPrompts") << "--replace"
                                              << "Two prompts in the file have the same id %prompt.";
        QTest::newRow("dangling combo") << changed(valid, "customKeyCombos", QJsonArray()) << "--replace"
                                        << "Slot 2 of the ring \"Text\" in the set \"Default\" refers to a key "
                                           "combination that is not in the file.";
        QTest::newRow("dangling prompt, merging") << changed(valid, "customPrompts", QJsonArray()) << "--merge"
                                                  << "Slot 3 of the ring \"Text\" in the set \"Default\" refers to a "
                                                     "prompt that is neither in the file nor in your configuration.";
        QTest::newRow("no sets to replace with") << changed(valid, "wheelSets", QJsonArray()) << "--replace"
                                                 << "The file holds no sets, so it cannot take the place of yours.";
        QJsonArray eleven;
        for (int i = 0; i < 11; ++i)
            eleven.append(WheelSet{QUuid::createUuid(), "S", {}, {}, {ring("R", {std::nullopt})}}.toJson());
        QTest::newRow("merged beyond twelve sets") << changed(valid, "wheelSets", eleven) << "--merge"
                                                   << "Merging would give 13 sets, and Ringle keeps at most 12.";
    }

    void hostileFilesAreRefusedAndChangeNothing()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, mode);
        QFETCH(QString, message);
        Config config;
        // Two sets and no records of the user's own: eleven sets more are too many, and no slot of
        // the file finds its record here.
        config.store(ConfigContents{sample().sets, {}, {}});
        const QByteArray before = bytesOf(config.settings());
        writeFile(config.file("hostile.json"), document);

        // The ids are fresh in every sample; the repeated one is the first of its list.
        const QJsonObject parsed = QJsonDocument::fromJson(document).object();
        const auto firstOf = [](const QJsonValue &list) { return list.toArray().first().toObject(); };
        message.replace("%set", firstOf(parsed.value("wheelSets")).value("id").toString())
            .replace("%ring", firstOf(firstOf(parsed.value("wheelSets")).value("rings")).value("id").toString())
            .replace("%combo", firstOf(parsed.value("customKeyCombos")).value("id").toString())
            .replace("%prompt", firstOf(parsed.value("customPrompts")).value("id").toString());

        const Outcome outcome = config.run({"import", config.file("hostile.json"), mode});
        QCOMPARE(outcome.code, 2);
        QVERIFY2(outcome.err.startsWith(message) && outcome.err.endsWith(".\n") && outcome.err.count('\n') == 1,
                 qPrintable(outcome.err));
        QCOMPARE(bytesOf(config.settings()), before);
        QVERIFY(config.backups().isEmpty());
    }

    void filesThatCannotBeReadAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("message");
        // Sparse: quick to make, and refused before a byte of it is read.
        QTest::newRow("100 MB") << "big.json" << qint64(100) * 1000 * 1000
                                << "%1 is larger than 4 MiB, so it is not a Ringle configuration file.\n";
        QTest::newRow("one byte too many") << "edge.json" << ConfigDocument::maximumSize + 1
                                           << "%1 is larger than 4 MiB, so it is not a Ringle configuration file.\n";
        QTest::newRow("missing") << "missing.json" << qint64(-1) << "There is no file %1.\n";
        QTest::newRow("a folder") << "folder" << qint64(-2) << "%1 is a folder, not a file.\n";
    }

    void filesThatCannotBeReadAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, message);
        Config config;
        config.store(sample());
        const QByteArray before = bytesOf(config.settings());
        const QString path = config.file(name);
        if (size >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(size));
        } else if (size == -2) {
            QVERIFY(QDir().mkpath(path));
        }
        const Outcome outcome = config.run({"import", path, "--replace"});
        QCOMPARE(outcome.code, 2);
        QCOMPARE(outcome.err, message.arg(path));
        QCOMPARE(bytesOf(config.settings()), before);
    }

    void usageAndExitCodes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        QTest::newRow("export without file") << QStringList{"export"} << 2 << "Usage: ringle config";
        QTest::newRow("export with two files") << QStringList{"export", "%f", "%f"} << 2 << "Usage: ringle config";
        QTest::newRow("export into a missing folder") << QStringList{"export", "%d/no/such/folder/x.json"} << 1 << "Could not write %d/no/such/folder/x.json: ";
        QTest::newRow("import without file") << QStringList{"import", "--merge"} << 2 << "Usage: ringle config";
        QTest::newRow("import with both modes") << QStringList{"import", "%f", "--merge", "--replace"} << 2 << "Usage: ringle config";
        QTest::newRow("import with an unknown flag") << QStringList{"import", "%f", "--force"} << 2 << "Usage: ringle config";
        QTest::newRow("import without mode") << QStringList{"import", "%f"} << 2 << "Add --merge or --replace to import.\n";
        QTest::newRow("import, mode first") << QStringList{"import", "--merge", "%f"} << 0 << "";
    }

    void usageAndExitCodes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, err);
        Config config;
        config.store(sample());
        QCOMPARE(config.run({"export", config.file("ringle.json")}).code, 0);
        const QByteArray before = bytesOf(config.settings());
        for (QString &argument : arguments)
            argument.replace("%f", config.file("ringle.json")).replace("%d", config.dir.path());
        err.replace("%d", config.dir.path());

        const Outcome outcome = config.run(arguments);
        QCOMPARE(outcome.code, code);
        QVERIFY2(err.isEmpty() ? outcome.err.isEmpty() : outcome.err.startsWith(err), qPrintable(outcome.err));
        if (code != 0)
            QCOMPARE(bytesOf(config.settings()), before);
        if (arguments == QStringList{"import", config.file("ringle.json")})
            QCOMPARE(outcome.out, QString("The file holds 2 sets, 2 key combinations and 1 prompt.\n"
                                          "Sets: Default, Mail.\n"
                                          "Key combinations: Paste Plain, Super+A.\n"
                                          "Prompts: Formal.\n"
                                          "--merge adds them to your 2 sets, 2 key combinations and 1 prompt. 5 of "
                                          "them get new ids because your configuration already uses their ids. These "
                                          "apps and websites stay with the sets of yours they belong to: "
                                          "org.example.Mail, mail.example.org.\n"
                                          "--replace puts them in place of your 2 sets, 2 key combinations and 1 prompt.\n"));
    }

    void backupNamesNeverTakeAnExistingFile()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath("defaults.json");
        const QDateTime at(QDate(2024, 3, 5), QTime(7, 8, 9));
        const QString first = ConfigBackup::freePath(settings, at);
        QCOMPARE(first, dir.filePath("defaults-backup-20240305-070809.json"));
        writeFile(first, "{}");
        QCOMPARE(ConfigBackup::freePath(settings, at), dir.filePath("defaults-backup-20240305-070809-2.json"));
        writeFile(dir.filePath("defaults-backup-20240305-070809-2.json"), "{}");
        QCOMPARE(ConfigBackup::freePath(settings, at), dir.filePath("defaults-backup-20240305-070809-3.json"));
    }
};

QTEST_GUILESS_MAIN(TestConfigTransfer)
#include "test_configtransfer.moc"
