#include "ai/aiaction.h"
#include "ai/answercleaning.h"
#include "platform/fake/memorydefaults.h"

#include <QTest>

// Cleaning model answers: wrappers, quotation marks, repeated tails, surrounding white space.
class TestAnswerCleaning final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clean_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("expected");
        const QString open = QString(QChar(0x201C));
        const QString close = QString(QChar(0x201D));
        QTest::newRow("trimmed") << " \n Hello \n" << "x" << "Hello";
        QTest::newRow("text markers") << "<text>\nHello\n</text>" << "x" << "Hello";
        QTest::newRow("only a closing marker") << "Hello\n</text>" << "x" << "Hello";
        QTest::newRow("fenced") << "```\nlet x = 1\n```" << "x" << "let x = 1";
        QTest::newRow("fence inside markers") << "<text>\n```\nA\n```\n</text>" << "x" << "A";
        QTest::newRow("markers once only") << "<text><text>A</text></text>" << "x" << "<text>A</text>";
        QTest::newRow("straight quotes") << "\"Hello\"" << "x" << "Hello";
        QTest::newRow("typographic quotes") << open + "Hello" + close << "x" << "Hello";
        QTest::newRow("kept when the text had them") << open + "Hello" + close << open + "Hi" + close << open + "Hello" + close;
        QTest::newRow("closing marks both ends") << close + "Hej" + close << "x" << "Hej";
        QTest::newRow("guillemets") << QString::fromUtf8("«Bonjour»") << "x" << "Bonjour";
        QTest::newRow("next pair when skipped") << QString::fromUtf8("\"«Oui»\"") << "\"Yes\"" << QString::fromUtf8("\"«Oui»\"");
        QTest::newRow("one pair only") << QString::fromUtf8("\"«Oui»\"") << "x" << QString::fromUtf8("«Oui»");
        QTest::newRow("lone quote") << "\"" << "x" << "\"";
        QTest::newRow("empty quotes") << "\"\"" << "x" << "";
        QTest::newRow("quoted inside") << "He said \"no\"" << "x" << "He said \"no\"";
        QTest::newRow("empty original") << "\"A\"" << "" << "A";
    }
    void clean()
    {
        QFETCH(QString, answer);
        QFETCH(QString, original);
        QFETCH(QString, expected);
        QCOMPARE(AnswerCleaning::clean(answer, original), expected);
    }

    void withoutRepetition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("expected"); // invalid: nothing found
        const QString passage = "la la la"; // 8 characters
        QTest::newRow("23 characters never cut") << QString("abcdefg") + passage + passage << QVariant();
        QTest::newRow("three copies keep one") << "The answer is: " + passage + passage + passage << QVariant("The answer is: la la la");
        QTest::newRow("earlier copies go too") << "Intro text " + passage.repeated(6) << QVariant("Intro text la la la");
        QTest::newRow("two copies are not enough below 40") << "Some prefix here. " + passage + passage << QVariant();
        const QString long40 = "This passage is exactly forty chars long"; // 40 characters
        const QString intro = "An introduction that is long enough here."; // 41 characters
        QTest::newRow("two copies from 40 on") << intro + long40 + long40 << QVariant(intro + long40);
        QTest::newRow("no repetition") << "A perfectly ordinary answer without any loops at all." << QVariant();
        // n = 100: the search stops at p = 34, before the 50-character period would fit twice.
        const QString fifty = "The quick brown fox jumps over the lazy dog again!";
        QTest::newRow("search ends early") << fifty + fifty << QVariant();
        QTest::newRow("found when long enough") << intro + "........." + fifty + fifty << QVariant(intro + "........." + fifty);
        const QString emoji = QString::fromUtf8("👍🏽👍🏽ab🙂🙂cd"); // 8 user-perceived characters
        QTest::newRow("counts user-perceived characters") << "Reply: " + emoji.repeated(3) << QVariant("Reply: " + emoji);
    }
    void withoutRepetition()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, expected);
        const std::optional<QString> result = AnswerCleaning::withoutRepetition(text);
        QCOMPARE(result.has_value(), expected.isValid());
        if (result)
            QCOMPARE(*result, expected.toString());
    }

    void whitespace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("leading");
        QTest::addColumn<QString>("trailing");
        QTest::newRow("none") << "text" << "" << "";
        QTest::newRow("tabs and breaks") << "\t\ntext\r\n\t" << "\t\n" << "\r\n\t";
        QTest::newRow("only white space") << " \n " << " \n " << "";
        QTest::newRow("no-break space") << QString(QChar(0x00A0)) + "x" << QString(QChar(0x00A0)) << "";
    }
    void whitespace()
    {
        QFETCH(QString, text);
        QFETCH(QString, leading);
        QFETCH(QString, trailing);
        QCOMPARE(AnswerCleaning::leadingWhitespace(text), leading);
        QCOMPARE(AnswerCleaning::trailingWhitespace(text), trailing);
    }

    void actionTable()
    {
        QCOMPARE(AIActions::progressTitle(AIAction::proofread), QString::fromUtf8("Proofreading…"));
        QCOMPARE(AIActions::progressTitle(AIAction::summarize), QString::fromUtf8("Summarizing…"));
        QStringList alwaysShown;
        QStringList inTarget;
        for (AIAction action : AIActions::allCases()) {
            if (AIActions::alwaysShowsResult(action))
                alwaysShown << AIActions::progressTitle(action);
            if (AIActions::answersInTargetLanguage(action))
                inTarget << AIActions::progressTitle(action);
        }
        QCOMPARE(alwaysShown, QStringList({"Explaining…", "Summarizing…"}));
        QCOMPARE(inTarget, QStringList({"Translating…", "Explaining…", "Summarizing…"}));
    }

    void showResultFirst()
    {
        MemoryDefaults defaults;
        QVERIFY(AIActions::showResultFirst(defaults));
        defaults.setString("showResultFirst", "false");
        QVERIFY(AIActions::showResultFirst(defaults));
        defaults.setBool("showResultFirst", false);
        QVERIFY(!AIActions::showResultFirst(defaults));
    }
};

QTEST_GUILESS_MAIN(TestAnswerCleaning)
#include "test_answercleaning.moc"
