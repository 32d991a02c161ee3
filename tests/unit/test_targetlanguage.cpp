#include "ai/languagenames.h"
#include "ai/targetlanguage.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

// Stands in for a loaded translation that names its own language.
class LanguageCodeTranslator final : public QTranslator {
public:
    explicit LanguageCodeTranslator(QString code) : m_code(std::move(code)) {}
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) == "LanguageNames" && QByteArray(sourceText) == "en")
            return m_code;
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    QString m_code;
};

class TestTargetLanguage final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void casesKeepTheirOrderAndCodesRoundTrip()
    {
        QStringList codes;
        QSet<size_t> hashes;
        for (const TargetLanguage language : TargetLanguages::allCases()) {
            codes.append(TargetLanguages::rawValue(language));
            QCOMPARE(TargetLanguages::fromRawValue(codes.last()), language);
            hashes.insert(qHash(language));
        }
        QCOMPARE(codes, QStringList({"en", "sv", "da", "nb", "de", "fr", "es", "it", "nl", "pt", "tr", "ja", "ko",
                                     "zh-Hans", "zh-Hant", "vi"}));
        QCOMPARE(hashes.size(), codes.size());
    }

    void foreignRawValuesGiveNothing_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::newRow("Norwegian macrolanguage") << "no";
        QTest::newRow("Nynorsk") << "nn";
        QTest::newRow("empty") << "";
        QTest::newRow("upper case") << "EN";
        QTest::newRow("lower-case script") << "zh-hans";
        QTest::newRow("bare Chinese") << "zh";
        QTest::newRow("Finnish") << "fi";
    }
    void foreignRawValuesGiveNothing()
    {
        QFETCH(QString, raw);
        QCOMPARE(TargetLanguages::fromRawValue(raw), std::nullopt);
    }

    void everyCaseHasRealDistinctNames()
    {
        QSet<QString> englishNames;
        for (const TargetLanguage language : TargetLanguages::allCases()) {
            const QString code = TargetLanguages::rawValue(language);
            const QString localized = TargetLanguages::localizedName(language);
            englishNames.insert(TargetLanguages::englishName(language));
            QVERIFY2(!englishNames.contains(code) && !englishNames.contains(""), qPrintable(code));
            QVERIFY2(!localized.isEmpty() && localized != code, qPrintable(code));
        }
        QCOMPARE(englishNames.size(), TargetLanguages::allCases().size());
        QCOMPARE(TargetLanguages::englishName(TargetLanguage::chineseSimplified), "Chinese (Simplified)");
        QCOMPARE(TargetLanguages::englishName(TargetLanguage::chineseTraditional), "Chinese (Traditional)");
        QCOMPARE(TargetLanguages::englishName(TargetLanguage::norwegian), "Norwegian Bokmål");
    }

    void namesFollowTheRequestedLanguage()
    {
        QCOMPARE(LanguageNames::displayName("de", "de"), "Deutsch");
        QCOMPARE(LanguageNames::displayName("zh-Hant", "de"), "Chinesisch (Traditionell)");
        QCOMPARE(LanguageNames::displayName("fr", "fr_FR"), "français");
    }

    void unnamedCodesFallBackToTheCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("unassigned") << "xx";
        QTest::newRow("unassigned with script") << "xx-Hans";
        QTest::newRow("empty") << "";
        QTest::newRow("not a tag") << "!!";
    }
    void unnamedCodesFallBackToTheCode()
    {
        QFETCH(QString, code);
        QCOMPARE(LanguageNames::englishName(code), code);
        QCOMPARE(LanguageNames::localizedName(code), code);
    }

    void interfaceLanguageFollowsALoadedTranslation()
    {
        QCOMPARE(LanguageNames::interfaceLanguage(), "en");
        QCOMPARE(TargetLanguages::localizedName(TargetLanguage::german), "German");
        LanguageCodeTranslator german(QStringLiteral("de"));
        QVERIFY(QCoreApplication::installTranslator(&german));
        QCOMPARE(LanguageNames::interfaceLanguage(), "de");
        QCOMPARE(TargetLanguages::localizedName(TargetLanguage::german), "Deutsch");
        QCOMPARE(TargetLanguages::englishName(TargetLanguage::german), "German");
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(LanguageNames::interfaceLanguage(), "en");
    }
};

QTEST_GUILESS_MAIN(TestTargetLanguage)
#include "test_targetlanguage.moc"
