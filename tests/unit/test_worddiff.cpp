#include "ai/worddiff.h"

#include <QTest>

namespace {

// "=text" same, "-text" removed, "+text" added.
QList<WordChange> changesFrom(const QStringList &notation)
{
    QList<WordChange> changes;
    for (const QString &entry : notation) {
        const QChar sign = entry.at(0);
        const WordChange::Kind kind = sign == QLatin1Char('=') ? WordChange::Kind::same
            : sign == QLatin1Char('-')                         ? WordChange::Kind::removed
                                                               : WordChange::Kind::added;
        changes.append({kind, entry.mid(1)});
    }
    return changes;
}

QStringList notationOf(const QList<WordChange> &changes)
{
    QStringList notation;
    for (const WordChange &change : changes) {
        const char sign = change.kind == WordChange::Kind::same ? '=' : change.kind == WordChange::Kind::removed ? '-' : '+';
        notation.append(QLatin1Char(sign) + change.text);
    }
    return notation;
}

} // namespace

// Word by word comparison of a selected text with a model's answer.
class TestWordDiff final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compare_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("identical") << "Same text." << "Same text." << QStringList{"=Same text."};
        QTest::newRow("both empty") << "" << "" << QStringList{};
        QTest::newRow("empty before") << "" << "New text" << QStringList{"+New text"};
        QTest::newRow("empty after") << "Old text" << "" << QStringList{"-Old text"};
        QTest::newRow("insertion") << "the cat sat" << "the big cat sat" << QStringList{"=the ", "+big ", "=cat sat"};
        QTest::newRow("deletion") << "the big cat sat" << "the cat sat" << QStringList{"=the ", "-big ", "=cat sat"};
        QTest::newRow("repeated word deleted") << "the the cat" << "the cat" << QStringList{"=the ", "-the ", "=cat"};
        QTest::newRow("replacement") << "the cat sat" << "the dog sat" << QStringList{"=the ", "-cat", "+dog", "= sat"};
        QTest::newRow("words are compared whole") << "I walked home" << "I walk home" << QStringList{"=I ", "-walked", "+walk", "= home"};
        QTest::newRow("neighbouring replacements join") << "I has a apple." << "I have an apple."
                                                        << QStringList{"=I ", "-has a", "+have an", "= apple."};
        QTest::newRow("unrelated") << "alpha beta" << "gamma delta" << QStringList{"-alpha beta", "+gamma delta"};
        QTest::newRow("moved word") << "red green blue" << "green blue red" << QStringList{"-red ", "=green blue", "+ red"};
        QTest::newRow("case") << "hello World" << "Hello World" << QStringList{"-hello", "+Hello", "= World"};
        QTest::newRow("punctuation added") << "Hello world" << "Hello, world!" << QStringList{"=Hello", "+,", "= world", "+!"};
        QTest::newRow("punctuation mark replaced") << "Really." << "Really?" << QStringList{"=Really", "-.", "+?"};
        QTest::newRow("one of several marks") << "Wait!!" << "Wait!" << QStringList{"=Wait!", "-!"};
        QTest::newRow("quotes") << "He said hi" << "He said \"hi\"" << QStringList{"=He said ", "+\"", "=hi", "+\""};
        QTest::newRow("contraction is one word") << "I cant go" << "I can't go" << QStringList{"=I ", "-cant", "+can't", "= go"};
        QTest::newRow("run of spaces") << "one  two" << "one two" << QStringList{"=one", "-  ", "+ ", "=two"};
        QTest::newRow("space to line break") << "one two" << "one\ntwo" << QStringList{"=one", "- ", "+\n", "=two"};
        QTest::newRow("spaces and line break are one run") << "one \n two" << "one\ntwo" << QStringList{"=one", "- \n ", "+\n", "=two"};
        QTest::newRow("trailing space") << "done" << "done " << QStringList{"=done", "+ "};
        QTest::newRow("lines") << "First line.\nSecond line." << "First line.\nThird line."
                               << QStringList{"=First line.\n", "-Second", "+Third", "= line."};
        QTest::newRow("CRLF kept") << "a\r\nb" << "a\r\nc" << QStringList{"=a\r\n", "-b", "+c"};
        QTest::newRow("Chinese without spaces") << QString::fromUtf8("我喜欢猫") << QString::fromUtf8("我喜欢狗")
                                                << QStringList{QString::fromUtf8("=我喜欢"), QString::fromUtf8("-猫"), QString::fromUtf8("+狗")};
        QTest::newRow("Japanese without spaces") << QString::fromUtf8("私は猫が好きです") << QString::fromUtf8("私は犬が好きです")
                                                 << QStringList{QString::fromUtf8("=私は"), QString::fromUtf8("-猫"),
                                                                QString::fromUtf8("+犬"), QString::fromUtf8("=が好きです")};
        QTest::newRow("Thai without spaces") << QString::fromUtf8("ฉันรักแมว") << QString::fromUtf8("ฉันรักหมา")
                                             << QStringList{QString::fromUtf8("=ฉันรัก"), QString::fromUtf8("-แมว"), QString::fromUtf8("+หมา")};
        const QString girl = QString::fromUtf8("👨‍👩‍👧");
        const QString boy = QString::fromUtf8("👨‍👩‍👦");
        QTest::newRow("emoji joined by ZWJ") << "We " + girl + " it" << "We " + boy + " it" << QStringList{"=We ", "-" + girl, "+" + boy, "= it"};
        QTest::newRow("emoji sequence next to emoji") << girl + girl << girl + boy << QStringList{"=" + girl, "-" + girl, "+" + boy};
        QTest::newRow("skin tone") << QString::fromUtf8("ok 👍🏽") << QString::fromUtf8("ok 👍🏿")
                                   << QStringList{"=ok ", QString::fromUtf8("-👍🏽"), QString::fromUtf8("+👍🏿")};
        QTest::newRow("skin tone added") << QString::fromUtf8("ok 👍") << QString::fromUtf8("ok 👍🏿")
                                         << QStringList{"=ok ", QString::fromUtf8("-👍"), QString::fromUtf8("+👍🏿")};
        QTest::newRow("flags") << QString::fromUtf8("🇩🇪🇫🇷") << QString::fromUtf8("🇩🇪🇮🇹")
                               << QStringList{QString::fromUtf8("=🇩🇪"), QString::fromUtf8("-🇫🇷"), QString::fromUtf8("+🇮🇹")};
        const QString acute = QString(QChar(0x0301));
        QTest::newRow("combining mark added") << "a cafe b" << "a cafe" + acute + " b"
                                              << QStringList{"=a ", "-cafe", "+cafe" + acute, "= b"};
        QTest::newRow("combining mark on its own letter") << "x e" + acute + " y" << "x e y"
                                                          << QStringList{"=x ", "-e" + acute, "+e", "= y"};
        QTest::newRow("combining mark on a space") << "a " + acute + "b" << "a b" << QStringList{"=a", "- " + acute, "+ ", "=b"};
        // Word boundaries that would split a character: before a spacing mark, after a prefix mark.
        const QString saraAm = QString(QChar(0x0E33));
        QTest::newRow("spacing mark on a space") << "ok " + saraAm << "ok " << QStringList{"=ok", "- " + saraAm, "+ "};
        const QString numberSign = QString(QChar(0x0600));
        QTest::newRow("prefix mark before a space") << "a" + numberSign + " b" << "a b"
                                                    << QStringList{"-a" + numberSign + " ", "+a ", "=b"};
        const QString loneSurrogate = QString(QChar(0xd800));
        QTest::newRow("lone surrogate") << "x " + loneSurrogate + " y" << "x y" << QStringList{"=x ", "-" + loneSurrogate + " ", "=y"};
    }
    void compare()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QStringList, expected);
        const QList<WordChange> changes = WordDiff::compare(before, after);
        QCOMPARE(notationOf(changes), expected);
        QCOMPARE(changes, changesFrom(expected));
        QCOMPARE(WordDiff::before(changes), before);
        QCOMPARE(WordDiff::after(changes), after);
        QCOMPARE(WordDiff::hasChanges(changes), before != after);
    }

    void rebuildsLongTexts_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QString prose;
        for (int i = 0; i < 3000; ++i)
            prose += QStringLiteral("word%1%2").arg(i % 97).arg(i % 13 == 0 ? QStringLiteral(".\n") : QStringLiteral(" "));
        QString edited = prose;
        edited.replace(QStringLiteral("word5 "), QStringLiteral("changed, "));
        QTest::newRow("edited") << prose << edited;
        // Nothing in common but the spaces: far past what the search may spend.
        QString other;
        for (int i = 0; i < 3000; ++i)
            other += QStringLiteral("other%1 ").arg(i);
        QTest::newRow("unrelated") << prose << other;
    }
    void rebuildsLongTexts()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QList<WordChange> changes = WordDiff::compare(before, after);
        QCOMPARE(WordDiff::before(changes), before);
        QCOMPARE(WordDiff::after(changes), after);
        for (qsizetype i = 1; i < changes.size(); ++i) {
            QVERIFY(changes[i].kind != changes[i - 1].kind);
            // In each changed stretch the removal comes first.
            QVERIFY(!(changes[i].kind == WordChange::Kind::removed && changes[i - 1].kind == WordChange::Kind::added));
        }
    }
};

QTEST_GUILESS_MAIN(TestWordDiff)
#include "test_worddiff.moc"
