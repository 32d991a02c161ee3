#include "ai/languagedetector.h"
#include "ai/languagehypothesis.h"
#include "ai/targetlanguage.h"

#include <QTest>
#include <QTextBoundaryFinder>

namespace {

struct Sample {
    const char *code;
    const char *text;
};

// A natural sentence in each target language, and a second pair that tells the Chinese scripts apart.
const Sample kSamples[] = {
    {"en", "The weather was lovely this morning, so we walked along the river and stopped for coffee."},
    {"sv", "Kan du skicka den uppdaterade rapporten före fredag så att jag hinner gå igenom siffrorna?"},
    {"da", "Vi tog toget til Aarhus i går, og bagefter spiste vi frokost på en lille café ved havnen."},
    {"nb", "Kan du sende meg den oppdaterte rapporten før fredag, slik at jeg rekker å gå gjennom tallene?"},
    {"de", "Gestern sind wir mit dem Zug nach München gefahren und haben dort einen alten Freund besucht."},
    {"fr", "Hier soir, nous avons dîné dans un petit restaurant près de la gare avec des amis d'enfance."},
    {"es", "Ayer por la tarde fuimos al mercado a comprar fruta fresca y después paseamos por el parque."},
    {"it", "Ieri sera siamo andati a cena in una piccola trattoria vicino al porto con alcuni vecchi amici."},
    {"nl", "Gisteren zijn we met de trein naar Utrecht gegaan om een oude vriend te bezoeken in het centrum."},
    {"pt", "Ontem à noite fomos jantar num pequeno restaurante perto da estação com alguns amigos de infância."},
    {"tr", "Dün akşam eski arkadaşlarımızla birlikte limanın yakınındaki küçük bir restoranda yemek yedik."},
    {"ja", "昨日は友達と一緒に駅の近くの小さなレストランで晩ご飯を食べて、そのあと公園を散歩しました。"},
    {"ko", "어제 저녁에 우리는 오랜 친구들과 함께 역 근처의 작은 식당에서 저녁을 먹고 공원을 산책했습니다."},
    {"zh-Hans", "你能在星期五之前把更新后的报告发给我吗？这样我就可以检查一下这些数字了。谢谢你的帮助。"},
    {"zh-Hant", "你能在星期五之前把更新後的報告發給我嗎？這樣我就可以檢查一下這些數字了。謝謝你的幫助。"},
    {"zh-Hans", "昨天晚上我们和几个老朋友一起在火车站附近的一家小饭馆吃了晚饭，然后去公园散步了。"},
    {"zh-Hant", "昨天晚上我們和幾個老朋友一起在火車站附近的一家小飯館吃了晚飯，然後去公園散步了。"},
    {"vi", "Tối hôm qua chúng tôi đã ăn tối cùng vài người bạn cũ tại một nhà hàng nhỏ gần nhà ga."},
};

QString sampleIn(const char *code)
{
    for (const Sample &sample : kSamples) {
        if (qstrcmp(sample.code, code) == 0)
            return QString::fromUtf8(sample.text);
    }
    return {};
}

int graphemes(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

LanguageEvidence evidence(QList<LanguageEvidence::Guess> guesses, bool reliable = true)
{
    return LanguageEvidence{std::move(guesses), reliable};
}

} // namespace

Q_DECLARE_METATYPE(LanguageEvidence)

class TestLanguageDetector final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void detectsEveryTargetLanguageUnderAnyLocale_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        int row = 0;
        for (const Sample &sample : kSamples)
            QTest::addRow("%d %s", ++row, sample.code) << QString::fromUtf8(sample.code) << QString::fromUtf8(sample.text);
    }
    void detectsEveryTargetLanguageUnderAnyLocale()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QVERIFY(TargetLanguages::fromRawValue(code));
        QCOMPARE(LanguageDetector::detect(text), code);
        // A hint only tips ambiguous texts: none of these locales may turn a clear answer around,
        // including the locale of a close neighbour (Danish/Norwegian, Spanish/Portuguese, the scripts).
        const char *locales[] = {"C", "en_US", "de_DE", "sv_SE", "da_DK", "nb_NO", "nn_NO", "es_ES", "pt_BR",
                                 "zh_CN", "zh_TW", "ja_JP", "ko_KR", "vi_VN", "tr_TR", "fi_FI", "ru_RU"};
        for (const char *locale : locales)
            QVERIFY2(LanguageDetector::detect(text, QLocale(QString::fromLatin1(locale))) == code, locale);
    }

    void theLocaleTipsAShortAmbiguousText()
    {
        const QString dutch = QStringLiteral("Waar is het station?");
        QCOMPARE(LanguageDetector::detect(dutch, QLocale("nl_NL")), "nl");
        QVERIFY(LanguageDetector::detect(dutch, QLocale("de_DE")) != "nl");
    }

    void finnishIsNeverAnsweredAsFinnish_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("request") << "Voisitko lähettää päivitetyn raportin ennen perjantaita, jotta ehdin tarkistaa luvut?";
        QTest::newRow("evening") << "Eilen illalla söimme vanhojen ystävien kanssa pienessä ravintolassa lähellä rautatieasemaa.";
        QTest::newRow("short") << "Kiitos paljon avusta!";
    }
    void finnishIsNeverAnsweredAsFinnish()
    {
        QFETCH(QString, text);
        for (const char *locale : {"en_US", "fi_FI", "sv_FI"}) {
            const auto detected = LanguageDetector::detect(text, QLocale(QString::fromLatin1(locale)));
            QVERIFY2(!detected || TargetLanguages::fromRawValue(*detected), qPrintable(detected.value_or("")));
        }
    }

    void noiseIsNotALanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("keyboard rows") << "qwertyuiop asdfghjkl zxcvbnm qwertyuiop asdfghjkl zxcvbnm";
        QTest::newRow("mashing") << "kjfhg kjdhf gkjdh fgkjd hfgkj dhfgk";
        QTest::newRow("alphabet pieces") << "xyz abc def ghi jkl mno pqr stu vwx yz abc def ghi jkl mno";
        QTest::newRow("one letter") << "aaaaaaaaaaaaaaaaaaaaaaaa";
        QTest::newRow("numbers and symbols") << "1234 5678 !!! ??? 90.12 -- ## 3.14159 %%";
        QTest::newRow("emoji") << "🙂🙂🙂 👍👍 🎉🎉🎉🎉 ❤️❤️";
    }
    void noiseIsNotALanguage()
    {
        QFETCH(QString, text);
        QCOMPARE(LanguageDetector::detect(text), std::nullopt);
        QVERIFY(LanguageDetector::textIsIn(text, "ja"));
    }

    void charactersWithoutLanguageDoNotSpoilDetection()
    {
        QString text = sampleIn("de");
        text.insert(10, QChar(0));
        text.insert(30, QChar(0xFFFF));
        text.insert(50, QChar(0x0007));
        text.insert(60, QChar(0xD800)); // lone surrogate
        QCOMPARE(LanguageDetector::detect(text), "de");
    }

    void hintsWeighEnglishAndTheLocale()
    {
        const auto plain = LanguageDetector::hints(QLocale::c());
        QCOMPARE(plain.size(), 16);
        for (const TargetLanguage language : TargetLanguages::allCases()) {
            const QString code = TargetLanguages::rawValue(language);
            QCOMPARE(plain.value(code), code == "en" ? 1.5 : 1.0);
        }
        QCOMPARE(LanguageDetector::hints(QLocale("en_GB")).value("en"), 2.0);
        const auto german = LanguageDetector::hints(QLocale("de_AT"));
        QCOMPARE(german.value("de"), 2.0);
        QCOMPARE(german.value("en"), 1.5);
        const auto finnish = LanguageDetector::hints(QLocale("fi_FI"));
        QCOMPARE(finnish.size(), 17);
        QCOMPARE(finnish.value("fi"), 2.0);
    }

    // The Scandinavian languages count as one; any other must match exactly.
    void textIsIn_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("passes");
        for (const char *code : {"da", "nb", "no", "nn", "sv"})
            QTest::addRow("da as %s", code) << "da" << code << true;
        QTest::newRow("da as de") << "da" << "de" << false;
        QTest::newRow("da as en") << "da" << "en" << false;
        QTest::newRow("de as de") << "de" << "de" << true;
        QTest::newRow("de as en") << "de" << "en" << false;
        QTest::newRow("de as sv") << "de" << "sv" << false;
        QTest::newRow("zh-Hant as zh-Hans") << "zh-Hant" << "zh-Hans" << false;
    }
    void textIsIn()
    {
        QFETCH(QString, sample);
        QFETCH(QString, expected);
        QFETCH(bool, passes);
        const QString text = sampleIn(qPrintable(sample));
        QCOMPARE(LanguageDetector::detect(text), sample);
        QCOMPARE(LanguageDetector::textIsIn(text, expected), passes);
    }

    // Counting user-perceived characters, not UTF-16 units: combining accents and an emoji sequence
    // make these texts longer in code units than in characters.
    void textsShorterThanTwentyCharactersAreNeverJudged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("passesAsJapanese");
        const QString accents = QString::fromUtf8("Scho\u0308ne Gru\u0308\u00DFe");
        QTest::newRow("19 with combining marks") << accents + QString::fromUtf8(" Ju\u0308rgen") << 19 << true;
        QTest::newRow("20 with combining marks") << accents + QString::fromUtf8(", Ju\u0308rgen") << 20 << false;
        const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
        QTest::newRow("19 with an emoji family") << "Vielen Dank, Jana " + family << 19 << true;
        QTest::newRow("20 with an emoji family") << "Vielen Dank, Jonas " + family << 20 << false;
    }
    void textsShorterThanTwentyCharactersAreNeverJudged()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(bool, passesAsJapanese);
        QCOMPARE(graphemes(text), length);
        QVERIFY(text.size() > 20);
        QCOMPARE(LanguageDetector::detect(text), "de");
        QCOMPARE(LanguageDetector::textIsIn(text, "ja"), passesAsJapanese);
    }

    void userTextFollowsThePreferredScandinavianLanguage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("expected"); // empty: nothing detected
        const QString swedish = sampleIn("sv");
        QTest::newRow("German then Norwegian") << swedish << QStringList{"de", "no"} << "nb";
        QTest::newRow("regional tags") << swedish << QStringList{"de-DE", "da-DK", "sv-SE"} << "da";
        QTest::newRow("underscore tag") << swedish << QStringList{"nn_NO"} << "nn";
        QTest::newRow("no Scandinavian preference") << swedish << QStringList{"en-US", "de"} << "sv";
        QTest::newRow("no preferences") << swedish << QStringList{} << "sv";
        QTest::newRow("not Scandinavian") << sampleIn("de") << QStringList{"no"} << "de";
        QTest::newRow("noise") << "kjfhg kjdhf gkjdh fgkjd" << QStringList{"no"} << "";
    }
    void userTextFollowsThePreferredScandinavianLanguage()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, preferred);
        QFETCH(QString, expected);
        QCOMPARE(LanguageDetector::detectUserText(text, preferred).value_or(""), expected);
        QCOMPARE(LanguageDetector::detectUserText(sampleIn("de")), "de"); // the system's preferences
    }

    void probabilityMapping_data()
    {
        QTest::addColumn<LanguageEvidence>("evidence");
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("probability");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0.6 is accepted") << evidence({{"de", 60, 1000}}) << "de" << 0.6 << true;
        QTest::newRow("0.59 is not") << evidence({{"de", 59, 1000}}) << "de" << 0.59 << false;
        QTest::newRow("unreliable whole text") << evidence({{"fr", 100, 900}}, false) << "fr" << 0.75 << true;
        QTest::newRow("unreliable most of it") << evidence({{"fr", 79, 900}}, false) << "fr" << 0.5925 << false;
        QTest::newRow("real text scores fully") << evidence({{"it", 98, 500}}) << "it" << 0.98 << true;
        QTest::newRow("half plausible") << evidence({{"it", 100, 350}}) << "it" << 0.5 << false;
        QTest::newRow("noise") << evidence({{"en", 97, 120}}) << "en" << 0.0 << false;
        QTest::newRow("Norwegian variants merge")
            << evidence({{"no", 40, 900}, {"nn", 25, 700}, {"da", 30, 900}}) << "nb" << 0.65 << true;
        QTest::newRow("Chinese scripts") << evidence({{"zh", 90, 2000}}) << "zh-Hans" << 0.9 << true;
        QTest::newRow("Traditional Chinese") << evidence({{"zh-Hant", 90, 2000}}) << "zh-Hant" << 0.9 << true;
        QTest::newRow("other languages count against")
            << evidence({{"fi", 70, 1300}, {"sv", 28, 900}}) << "sv" << 0.28 << false;
        QTest::newRow("runner-up wins when plausible")
            << evidence({{"en", 50, 100}, {"de", 45, 1200}}) << "de" << 0.45 << false;
    }
    void probabilityMapping()
    {
        QFETCH(LanguageEvidence, evidence);
        QFETCH(QString, code);
        QFETCH(double, probability);
        QFETCH(bool, accepted);
        const auto best = LanguageHypotheses::best(evidence);
        QVERIFY(best);
        QCOMPARE(best->code, code);
        QCOMPARE(best->probability, probability);
        QCOMPARE(LanguageHypotheses::accepted(best).has_value(), accepted);
    }

    void noTargetLanguageGivesNoHypothesis()
    {
        QCOMPARE(LanguageHypotheses::best(evidence({{"fi", 98, 1400}})).has_value(), false);
        QCOMPARE(LanguageHypotheses::best(evidence({})).has_value(), false);
        QCOMPARE(LanguageHypotheses::accepted(std::nullopt), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestLanguageDetector)
#include "test_languagedetector.moc"
