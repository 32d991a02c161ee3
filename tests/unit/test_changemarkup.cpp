#include "ai/worddiff.h"
#include "ui/changemarkup.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {

struct Run {
    QString text;
    bool struck;
    bool underlined;
    QColor background;
};

// The document's text, fragment by fragment, as a reader sees it.
QList<Run> runsOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            runs.append({QStringLiteral("\n"), false, false, QColor()});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString text = it.fragment().text();
            text.replace(QChar::LineSeparator, QLatin1Char('\n'));
            const QColor background = format.background().style() == Qt::NoBrush ? QColor() : format.background().color();
            runs.append({text, format.fontStrikeOut(), format.fontUnderline(), background});
        }
    }
    return runs;
}

QString textOf(const QList<Run> &runs)
{
    QString text;
    for (const Run &run : runs)
        text += run.text;
    return text;
}

QPalette themed(const QColor &window, const QColor &text)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    return palette;
}

const QPalette light = themed(QColor(0xf6, 0xf5, 0xf4), QColor(0x24, 0x1f, 0x31));
const QPalette dark = themed(QColor(0x24, 0x24, 0x24), QColor(0xff, 0xff, 0xff));

} // namespace

class TestChangeMarkup final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textKept_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("markup characters") << "if a<b & c>\"d\" 'e'" << "if a<b && c>\"d\" 'e' <b>&amp;";
        QTest::newRow("line breaks") << "one\ntwo\n\nthree" << "one\ntwo\n\nfour\n";
        QTest::newRow("runs of spaces and tabs") << "a   b\tc" << "a  b\t\tc";
        QTest::newRow("percent signs") << "%1 of %2" << "%2 of %1";
    }
    void textKept()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        const QList<WordChange> changes = WordDiff::compare(before, after);
        QString shown;
        for (const WordChange &change : changes)
            shown += change.text;
        QCOMPARE(textOf(runsOf(ChangeMarkup::html(changes, light))), shown);
    }

    void changesStyled_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << light;
        QTest::newRow("dark") << dark;
    }
    void changesStyled()
    {
        QFETCH(QPalette, palette);
        const QList<WordChange> changes{{WordChange::Kind::same, "keep "},
                                        {WordChange::Kind::removed, "old"},
                                        {WordChange::Kind::added, "new"},
                                        {WordChange::Kind::same, " end"}};
        const QList<Run> runs = runsOf(ChangeMarkup::html(changes, palette));
        QCOMPARE(runs.size(), 4);
        QCOMPARE(runs[1].text, QStringLiteral("old"));
        QVERIFY(runs[1].struck && !runs[1].underlined && runs[1].background.isValid());
        QCOMPARE(runs[2].text, QStringLiteral("new"));
        QVERIFY(runs[2].underlined && !runs[2].struck && runs[2].background.isValid());
        QVERIFY(runs[1].background != runs[2].background);
        for (const qsizetype same : {0, 3})
            QVERIFY(!runs[same].struck && !runs[same].underlined && !runs[same].background.isValid());
        // Tints sit on the theme's side: light on a light window, dark on a dark one.
        const bool darkTheme = palette.color(QPalette::Window).lightness() < 128;
        for (const qsizetype changed : {1, 2})
            QCOMPARE(runs[changed].background.lightness() < 128, darkTheme);
    }
};

QTEST_MAIN(TestChangeMarkup)
#include "test_changemarkup.moc"
