#include "wheel/jsondecodeerror.h"
#include "wheel/keycombo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(KeyPlatform)

namespace {
QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

// Modifiers as a stored combination holds them: command 1, option 2, control 4, shift 8.
KeyModifiers stored(int bits)
{
    QJsonObject json{{"title", ""}, {"keyCode", 0}, {"modifiers", bits}, {"keyLabel", ""}};
    return KeyCombo::fromJson(json).modifiers;
}

int storedBits(KeyModifiers modifiers)
{
    return KeyCombo{{}, 0, modifiers, {}}.toJson().value("modifiers").toInt();
}

const KeyCombo *findByTitle(const QList<KeyComboGroup> &groups, const QString &title)
{
    for (const KeyComboGroup &group : groups)
        for (const KeyCombo &combo : group.combos)
            if (combo.title == title)
                return &combo;
    return nullptr;
}
} // namespace

class TestKeyCombo final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void notation_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("linux");
        QTest::newRow("none") << 0 << "" << "";
        QTest::newRow("command") << 1 << "⌘" << "Super+";
        QTest::newRow("option shift command") << 11 << "⌥⇧⌘" << "Alt+Shift+Super+";
        QTest::newRow("all") << 15 << "⌃⌥⇧⌘" << "Ctrl+Alt+Shift+Super+";
        QTest::newRow("unknown bits ignored") << (16 | 4) << "⌃" << "Ctrl+";
    }
    void notation()
    {
        QFETCH(int, raw);
        QFETCH(QString, mac);
        QFETCH(QString, linux);
        QCOMPARE(stored(raw).symbols(KeyPlatform::mac), mac);
        QCOMPARE(stored(raw).symbols(KeyPlatform::linuxDesktop), linux);
        const QString current = currentKeyPlatform() == KeyPlatform::mac ? mac : linux;
        QCOMPARE(stored(raw).symbols(), current);
        QCOMPARE(KeyCombo({}, 9, stored(raw), QStringLiteral("V")).shortcutText(), current + "V");
    }

    // The catalogue's own entries are covered below; these are the near misses.
    void wheelTitle_data()
    {
        QTest::addColumn<KeyPlatform>("platform");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        const auto mac = KeyPlatform::mac;
        const auto lnx = KeyPlatform::linuxDesktop;
        QTest::newRow("mac paste and match") << mac << 9 << 11 << "Paste and Match";
        QTest::newRow("mac paste, command only") << mac << 9 << 1 << "own";
        QTest::newRow("mac extra modifier") << mac << 124 << 6 << "own";
        QTest::newRow("mac ignores linux entry") << mac << 105 << 0 << "own";
        QTest::newRow("linux ignores mac entry") << lnx << 9 << 11 << "own";
        QTest::newRow("linux shift print") << lnx << 105 << 8 << "Capture Area";
        QTest::newRow("linux alt print") << lnx << 105 << 2 << "own";
        QTest::newRow("linux desktop right") << lnx << 124 << 6 << "Desktop Right";
        QTest::newRow("linux word left is not a desktop") << lnx << 123 << 4 << "own";
    }
    void wheelTitle()
    {
        QFETCH(KeyPlatform, platform);
        QFETCH(int, keyCode);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        const KeyCombo combo{QStringLiteral("own"), quint16(keyCode), stored(modifiers), QStringLiteral("X")};
        QCOMPARE(combo.wheelTitle(platform), expected);
    }

    // Each catalogue's entries that have a short wheel name are exactly the six meant.
    void shortNamesMatchCatalogue_data()
    {
        QTest::addColumn<KeyPlatform>("platform");
        QTest::newRow("mac") << KeyPlatform::mac;
        QTest::newRow("linux") << KeyPlatform::linuxDesktop;
    }
    void shortNamesMatchCatalogue()
    {
        QFETCH(KeyPlatform, platform);
        const QHash<QString, QString> expected{
            {"Paste and Match Style", "Paste and Match"},
            {"Screenshot: Entire Screen", "Capture Screen"},
            {"Screenshot: Selection", "Capture Area"},
            {"Emoji & Symbols", "Emoji"},
            {"Desktop to the Left", "Desktop Left"},
            {"Desktop to the Right", "Desktop Right"},
        };
        for (const KeyComboGroup &group : KeyCombo::presetGroups(platform))
            for (const KeyCombo &combo : group.combos)
                QCOMPARE(combo.wheelTitle(platform), expected.value(combo.title, combo.title));
    }

    void macCatalogue()
    {
        struct Row {
            const char *group, *title;
            int keyCode, modifiers;
            const char *label;
        };
        const Row rows[] = {
            {"Editing", "Paste and Match Style", 9, 11, "V"}, {"Editing", "Undo", 6, 1, "Z"},
            {"Editing", "Redo", 6, 9, "Z"}, {"Editing", "Select All", 0, 1, "A"}, {"Editing", "Find", 3, 1, "F"},
            {"Formatting", "Bold", 11, 1, "B"}, {"Formatting", "Italic", 34, 1, "I"},
            {"Formatting", "Underline", 32, 1, "U"},
            {"Screenshot", "Screenshot: Entire Screen", 20, 9, "3"},
            {"Screenshot", "Screenshot: Selection", 21, 9, "4"}, {"Screenshot", "Screenshot Tool", 23, 9, "5"},
            {"Windows and Apps", "New Tab", 17, 1, "T"}, {"Windows and Apps", "Close Window", 13, 1, "W"},
            {"Windows and Apps", "Minimize", 46, 1, "M"}, {"Windows and Apps", "Hide App", 4, 1, "H"},
            {"Windows and Apps", "Force Quit", 53, 3, "⎋"}, {"System", "Spotlight", 49, 1, "Space"},
            {"System", "Emoji & Symbols", 49, 5, "Space"}, {"System", "Lock Screen", 12, 5, "Q"},
            {"System", "Mission Control", 126, 4, "↑"}, {"System", "Desktop to the Left", 123, 4, "←"},
            {"System", "Desktop to the Right", 124, 4, "→"},
        };
        QList<KeyComboGroup> expected;
        for (const Row &row : rows) {
            if (expected.isEmpty() || expected.last().title != QString::fromUtf8(row.group))
                expected.append({QString::fromUtf8(row.group), {}});
            expected.last().combos.append({QString::fromUtf8(row.title), quint16(row.keyCode),
                                           stored(row.modifiers), QString::fromUtf8(row.label)});
        }
        QCOMPARE(KeyCombo::presetGroups(KeyPlatform::mac), expected);
    }

    void linuxCatalogue()
    {
        const QList<KeyComboGroup> mac = KeyCombo::presetGroups(KeyPlatform::mac);
        const QList<KeyComboGroup> linux = KeyCombo::presetGroups(KeyPlatform::linuxDesktop);
        QCOMPARE(linux.size(), mac.size());
        QSet<QPair<int, int>> seen;
        for (qsizetype g = 0; g < linux.size(); ++g) {
            QCOMPARE(linux[g].title, mac[g].title);
            QCOMPARE(linux[g].combos.size(), mac[g].combos.size());
            for (const KeyCombo &combo : linux[g].combos) {
                // Two entries posting the same keys would be one action under two names.
                QVERIFY2(!seen.contains({combo.key.code, storedBits(combo.modifiers)}), qPrintable(combo.title));
                seen.insert({combo.key.code, storedBits(combo.modifiers)});
                // A key without a character is labelled the way the recorder would label it.
                if (const auto special = KeyCombo::specialKeyLabel(combo.key, KeyPlatform::linuxDesktop))
                    QCOMPARE(combo.keyLabel, *special);
            }
        }
        const KeyCombo *paste = findByTitle(linux, "Paste and Match Style");
        QVERIFY(paste);
        QCOMPARE(paste->modifiers.symbols(KeyPlatform::linuxDesktop) + paste->keyLabel,
                 QStringLiteral("Ctrl+Shift+V"));
        const KeyCombo *area = findByTitle(linux, "Screenshot: Selection");
        QVERIFY(area);
        QCOMPARE(area->key, Key::f13);
        QCOMPARE(area->modifiers, KeyModifiers(KeyModifiers::shift));
        QCOMPARE(KeyCombo::presetGroups(), KeyCombo::presetGroups(currentKeyPlatform()));
    }

    void specialKeyLabel_data()
    {
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("linux");
        QTest::newRow("return") << 36 << "↩" << "Enter";
        QTest::newRow("space") << 49 << "Space" << "Space";
        QTest::newRow("delete") << 51 << "⌫" << "Backspace";
        QTest::newRow("escape") << 53 << "⎋" << "Esc";
        QTest::newRow("print") << 105 << "" << "Print";
        QTest::newRow("forward delete") << 117 << "⌦" << "Delete";
        QTest::newRow("page down") << 121 << "⇟" << "Page Down";
        QTest::newRow("left") << 123 << "←" << "←";
        QTest::newRow("F1") << 122 << "F1" << "F1";
        QTest::newRow("F4") << 118 << "F4" << "F4";
        QTest::newRow("F12") << 111 << "F12" << "F12";
        QTest::newRow("A") << 0 << "" << "";
    }
    void specialKeyLabel()
    {
        QFETCH(int, keyCode);
        QFETCH(QString, mac);
        QFETCH(QString, linux);
        QCOMPARE(KeyCombo::specialKeyLabel(quint16(keyCode), KeyPlatform::mac).value_or(QString()), mac);
        QCOMPARE(KeyCombo::specialKeyLabel(quint16(keyCode), KeyPlatform::linuxDesktop).value_or(QString()), linux);
        QCOMPARE(KeyCombo::specialKeyLabel(quint16(keyCode), KeyPlatform::mac).has_value(), !mac.isEmpty());
    }

    void jsonRoundTrip()
    {
        const KeyCombo combo{QStringLiteral("Paste and Match Style"), 9,
                             KeyModifiers::command | KeyModifiers::option | KeyModifiers::shift, QStringLiteral("V")};
        const QJsonObject json = combo.toJson();
        QCOMPARE(json, parse(R"({"title":"Paste and Match Style","keyCode":9,"modifiers":11,"keyLabel":"V"})"));
        QCOMPARE(KeyCombo::fromJson(json), combo);
        const KeyCombo decoded = KeyCombo::fromJson(parse(R"({"keyLabel":"","modifiers":9,"keyCode":65535,"title":""})"));
        QVERIFY(decoded.modifiers.contains(KeyModifiers::command));
        QVERIFY(decoded.modifiers.contains(KeyModifiers::shift));
        QVERIFY(!decoded.modifiers.contains(KeyModifiers::option));
        QCOMPARE(decoded.key, Key(65535));
    }

    // Every bit each way; bits with no modifier are dropped, and a negative value counts as its bits.
    void jsonModifierBits_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<KeyModifiers>("modifiers");
        QTest::addColumn<int>("written");
        QTest::newRow("none") << 0 << KeyModifiers() << 0;
        QTest::newRow("command") << 1 << KeyModifiers(KeyModifiers::command) << 1;
        QTest::newRow("option") << 2 << KeyModifiers(KeyModifiers::option) << 2;
        QTest::newRow("control") << 4 << KeyModifiers(KeyModifiers::control) << 4;
        QTest::newRow("shift") << 8 << KeyModifiers(KeyModifiers::shift) << 8;
        const KeyModifiers four = KeyModifiers::command | KeyModifiers::option | KeyModifiers::control | KeyModifiers::shift;
        QTest::newRow("all four") << 15 << four << 15;
        QTest::newRow("unknown bits") << (16 | 32 | 1024 | 2) << KeyModifiers(KeyModifiers::option) << 2;
        QTest::newRow("largest int") << 0x7FFFFFFF << four << 15;
        QTest::newRow("negative") << -1 << four << 15;
    }
    void jsonModifierBits()
    {
        QFETCH(int, bits);
        QFETCH(KeyModifiers, modifiers);
        QFETCH(int, written);
        QCOMPARE(stored(bits), modifiers);
        QCOMPARE(storedBits(modifiers), written);
    }

    void jsonFailures_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("missing keyLabel") << QByteArray(R"({"title":"","keyCode":9,"modifiers":1})");
        QTest::newRow("missing modifiers") << QByteArray(R"({"title":"","keyLabel":"V","keyCode":9})");
        QTest::newRow("negative keyCode") << QByteArray(R"({"title":"","keyLabel":"V","keyCode":-1,"modifiers":1})");
        QTest::newRow("fractional keyCode") << QByteArray(R"({"title":"","keyLabel":"V","keyCode":9.5,"modifiers":1})");
        QTest::newRow("keyCode as text") << QByteArray(R"({"title":"","keyLabel":"V","keyCode":"9","modifiers":1})");
        QTest::newRow("huge modifiers") << QByteArray(R"({"title":"","keyLabel":"V","keyCode":9,"modifiers":1e300})");
        QTest::newRow("title null") << QByteArray(R"({"title":null,"keyLabel":"V","keyCode":9,"modifiers":1})");
        QTest::newRow("not an object") << QByteArray(R"([1])");
    }
    void jsonFailures()
    {
        QFETCH(QByteArray, json);
        const QJsonDocument doc = QJsonDocument::fromJson(json);
        const QJsonValue value = doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(doc.array());
        QVERIFY_THROWS_EXCEPTION(JsonDecodeError, KeyCombo::fromJson(value));
    }
};

QTEST_GUILESS_MAIN(TestKeyCombo)
#include "test_keycombo.moc"
