#include "platform/fake/memorydefaults.h"
#include "wheel/keycombostore.h"
#include "wheel/promptstore.h"
#include "wheel/wheelitemdisplay.h"
#include "wheel/wheelstore.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

namespace {
// Makes the interface language French, so that language names come in lower case.
class FrenchInterface final : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "LanguageNames") == 0 && qstrcmp(source, "en") == 0 ? QStringLiteral("fr") : QString();
    }
    bool isEmpty() const override { return false; }
};

struct Rendered {
    QString symbol, title, subtitle, menuTitle;
};
} // namespace

class TestWheelDisplay final : public QObject {
    Q_OBJECT

    MemoryDefaults m_defaults;
    WheelStore m_wheels{m_defaults};
    KeyComboStore m_combos{m_defaults, m_wheels};
    PromptStore m_prompts{m_defaults, m_wheels};
    WheelItemDisplay m_display{m_combos, m_prompts, m_defaults,
                               [](const QString &id) { return id == "org.gnome.Calculator.desktop" ? QStringLiteral("Calculator") : id; }};

    Rendered render(const WheelItem &item) const
    {
        return {m_display.symbol(item), m_display.title(item), m_display.subtitle(item).value_or("<none>"),
                m_display.menuTitle(item)};
    }

private Q_SLOTS:
    void fixedKinds_data()
    {
        QTest::addColumn<WheelItem>("item");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const WheelItem &item, QStringList expected) {
            QTest::newRow(name) << item << expected;
        };
        row("proofread", WheelItem::proofread(), {"checkmark.circle", "Proofread", "<none>", "Proofread"});
        row("rewrite", WheelItem::rewrite(), {"wand.and.stars", "Rewrite", "<none>", "Rewrite"});
        row("explain", WheelItem::explain(), {"lightbulb", "Explain", "<none>", "Explain"});
        row("summarize", WheelItem::summarize(), {"text.justify.leading", "Summarize", "<none>", "Summarize"});
        row("ask", WheelItem::ask(), {"bubble.left.and.text.bubble.right", "Ask", "<none>", "Ask"});
        row("shortcut", WheelItem::shortcut("Make PDF", "x1"), {"square.stack.3d.up", "Make PDF", "shortcut", "Shortcut: Make PDF"});
        row("shortcut with marker", WheelItem::shortcut("50%1", "x1"), {"square.stack.3d.up", "50%1", "shortcut", "Shortcut: 50%1"});
        row("app", WheelItem::openApp("org.gnome.Calculator.desktop"), {"app", "Calculator", "<none>", "Calculator"});
        row("unknown app", WheelItem::openApp("gone.desktop"), {"app", "gone.desktop", "<none>", "gone.desktop"});
        row("named address", WheelItem::openURL("https://www.example.org/x", "Docs"), {"link", "Docs", "example.org", "Docs"});
        row("unnamed address", WheelItem::openURL("https://www.example.org/x", ""), {"link", "example.org", "<none>", "example.org"});
        row("mail address", WheelItem::openURL("mailto:me@example.org", ""), {"link", "mailto:me@example.org", "<none>", "mailto:me@example.org"});
        row("removed combo", WheelItem::customKeys(QUuid::createUuid()), {"keyboard", "Removed Key Combo", "<none>", "Removed Key Combo"});
        row("removed prompt", WheelItem::customPrompt(QUuid::createUuid()), {"text.bubble", "Removed Prompt", "<none>", "Removed Prompt"});
    }
    void fixedKinds()
    {
        QFETCH(WheelItem, item);
        QFETCH(QStringList, expected);
        const Rendered r = render(item);
        QCOMPARE((QStringList{r.symbol, r.title, r.subtitle, r.menuTitle}), expected);
    }

    void keys()
    {
        const QList<KeyComboGroup> &groups = KeyCombo::presetGroups();
        const KeyCombo paste = groups.first().combos.first();
        QCOMPARE(paste.title, QStringLiteral("Paste and Match Style"));
        Rendered r = render(WheelItem::keys(paste));
        QCOMPARE(r.symbol, QStringLiteral("keyboard"));
        QCOMPARE(r.title, QStringLiteral("Paste and Match"));
        QCOMPARE(r.subtitle, paste.modifiers.symbols() + "V");
        QCOMPARE(r.menuTitle, "Paste and Match Style " + paste.modifiers.symbols() + "V");

        const KeyCombo untitled{QString(), 9, KeyModifiers(KeyModifiers::command), "V"};
        r = render(WheelItem::keys(untitled));
        QCOMPARE(r.title, KeyModifiers(KeyModifiers::command).symbols() + "V");
        QCOMPARE(r.subtitle, r.title);
    }

    void customRecordsFollowTheirStores()
    {
        CustomKeyCombo record;
        record.combo = {QString(), 9, KeyModifiers(KeyModifiers::command), "V"};
        record.symbol = "doc.on.clipboard";
        m_combos.save(record);
        const QString keysText = KeyModifiers(KeyModifiers::command).symbols() + "V";
        const WheelItem slot = WheelItem::customKeys(record.id);
        Rendered r = render(slot);
        QCOMPARE((QStringList{r.symbol, r.title, r.subtitle, r.menuTitle}),
                 (QStringList{"doc.on.clipboard", keysText, keysText, keysText + " " + keysText}));
        record.combo.title = "Paste";
        m_combos.save(record);
        r = render(slot);
        QCOMPARE(r.title, QStringLiteral("Paste"));
        QCOMPARE(r.menuTitle, "Paste " + keysText);

        CustomPrompt prompt;
        prompt.name = "  ";
        prompt.symbol = "briefcase";
        m_prompts.save(prompt);
        r = render(WheelItem::customPrompt(prompt.id));
        QCOMPARE((QStringList{r.symbol, r.title, r.subtitle, r.menuTitle}),
                 (QStringList{"briefcase", "Untitled Prompt", "<none>", "Untitled Prompt"}));
        m_prompts.remove(prompt.id);
        QCOMPARE(m_display.title(WheelItem::customPrompt(prompt.id)), QStringLiteral("Removed Prompt"));
    }

    void defaultTargetLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<TargetLanguage>("expected");
        QTest::newRow("missing") << QString() << TargetLanguages::allCases().first();
        QTest::newRow("unknown") << "xx" << TargetLanguages::allCases().first();
        QTest::newRow("traditional chinese") << "zh-Hant" << TargetLanguage::chineseTraditional;
    }
    void defaultTargetLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(TargetLanguage, expected);
        MemoryDefaults defaults;
        if (!stored.isNull())
            defaults.setString("targetLanguage", stored);
        QCOMPARE(TargetLanguages::stored(defaults), expected);
        m_defaults.setString("targetLanguage", stored);
        const Rendered r = render(WheelItem::translate());
        QCOMPARE((QStringList{r.symbol, r.title, r.subtitle, r.menuTitle}),
                 (QStringList{"globe", "Translate", "to " + TargetLanguages::localizedName(expected),
                              "Translate (default language)"}));
    }

    void translateToCapitalisesOnlyTheTitle()
    {
        FrenchInterface french;
        QCoreApplication::installTranslator(&french);
        const QString name = TargetLanguages::localizedName(TargetLanguage::german);
        QCoreApplication::removeTranslator(&french);
        QVERIFY2(name.at(0).isLower(), qPrintable(name));

        QCoreApplication::installTranslator(&french);
        const Rendered r = render(WheelItem::translateTo(TargetLanguage::german));
        QCoreApplication::removeTranslator(&french);
        QCOMPARE(r.symbol, QStringLiteral("character.bubble"));
        QCOMPARE(r.title, name.at(0).toUpper() + name.mid(1));
        QCOMPARE(r.subtitle, QStringLiteral("translate"));
        QCOMPARE(r.menuTitle, "Translate to " + name);
    }
};

QTEST_GUILESS_MAIN(TestWheelDisplay)
#include "test_wheeldisplay.moc"
