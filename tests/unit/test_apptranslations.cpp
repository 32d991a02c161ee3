// The translations built into Ringle load for the user's languages: a text comes back in German or
// French, a text the translation lacks stays English, English listed first wants no translation, and
// Qt's own buttons follow in the same language.
#include "app/apptranslations.h"
#include "wheel/configtransfertexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTest>

namespace {
const char *const context = "CommandLine";
const char *const known = "Ringle is not running.\n";
const char *const unknown = "A text no translation has";

QString translated(const char *text)
{
    return QCoreApplication::translate(context, text);
}
} // namespace

class TestAppTranslations final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageIsBuiltIn()
    {
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList();
        QVERIFY2(files.contains(u"ringle_de.qm"_qs) && files.contains(u"ringle_fr.qm"_qs), qPrintable(files.join(u' ')));
    }

    void translatedForTheUsersLanguage_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de" << u"Ringle läuft nicht.\n"_qs;
        QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de" << u"Ringle läuft nicht.\n"_qs;
        QTest::newRow("French") << QStringList{"fr-FR", "fr"} << "fr" << u"Ringle n’est pas lancé.\n"_qs;
        QTest::newRow("the first one translated") << QStringList{"es", "fr"} << "fr" << u"Ringle n’est pas lancé.\n"_qs;
        QTest::newRow("English first") << QStringList{"en-GB", "de"} << "" << QString::fromUtf8(known);
        QTest::newRow("C locale") << QStringList{"C"} << "" << QString::fromUtf8(known);
        QTest::newRow("none translated") << QStringList{"es", "xx"} << "" << QString::fromUtf8(known);
    }

    void translatedForTheUsersLanguage()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, language);
        QFETCH(QString, text);
        const AppTranslations translations(languages);
        QCOMPARE(translations.language(), language);
        QCOMPARE(translated(known), text);
        QCOMPARE(translated(unknown), QString::fromUtf8(unknown));
    }

    void englishAgainOnceGone()
    {
        {
            const AppTranslations translations({u"de"_qs});
            QVERIFY(translated(known) != QString::fromUtf8(known));
        }
        QCOMPARE(translated(known), QString::fromUtf8(known));
    }

    // Counts take their language's plural form: French puts none in the singular, German does not.
    void countsInEachLanguagesPluralForm_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("sets");
        QTest::addColumn<QString>("text");
        QTest::newRow("English, none") << "en" << 0 << u"0 sets, 1 key combination and 2 prompts"_qs;
        QTest::newRow("English, one") << "en" << 1 << u"1 set, 1 key combination and 2 prompts"_qs;
        QTest::newRow("German, none") << "de" << 0 << u"0 Sets, 1 Tastenkombination und 2 Prompts"_qs;
        QTest::newRow("German, one") << "de" << 1 << u"1 Set, 1 Tastenkombination und 2 Prompts"_qs;
        QTest::newRow("French, none") << "fr" << 0 << u"0 ensemble, 1 combinaison de touches et 2 prompts"_qs;
        QTest::newRow("French, three") << "fr" << 3 << u"3 ensembles, 1 combinaison de touches et 2 prompts"_qs;
    }
    void countsInEachLanguagesPluralForm()
    {
        QFETCH(QString, language);
        QFETCH(int, sets);
        QFETCH(QString, text);
        const AppTranslations translations({language});
        ConfigContents contents;
        contents.sets.resize(sets);
        contents.combos.resize(1);
        contents.prompts.resize(2);
        QCOMPARE(ConfigTransferTexts::counts(contents), text);
    }

    void qtTextsInTheSameLanguage()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_qs))
            QSKIP("Qt's own translations are not installed (qt6-translations-l10n)");
        const AppTranslations translations({u"de"_qs});
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_qs);
    }
};

QTEST_GUILESS_MAIN(TestAppTranslations)
#include "test_apptranslations.moc"
