// The symbol catalogue, its search and the picker popup.
#include "ui/symbolbutton.h"
#include "ui/symbolcatalog.h"
#include "ui/symbolgrid.h"
#include "ui/symbolicons.h"
#include "ui/symbolmap.h"
#include "ui/symbolpicker.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSet>
#include <QTest>

namespace {
QStringList titles(const QList<SymbolGroup> &groups)
{
    QStringList result;
    for (const SymbolGroup &group : groups)
        result.append(group.title);
    return result;
}

QStringList allSymbols(const QList<SymbolGroup> &groups)
{
    QStringList result;
    for (const SymbolGroup &group : groups)
        result.append(group.symbols);
    return result;
}

const SymbolGroup &group(const QString &title)
{
    for (const SymbolGroup &g : SymbolCatalog::groups()) {
        if (g.title == title)
            return g;
    }
    qFatal("no group %s", qPrintable(title));
}
} // namespace

class TestSymbolPicker final : public QObject {
    Q_OBJECT

    SymbolIcons m_icons;

private Q_SLOTS:
    void theCatalogueHasTwelveGroups()
    {
        const QList<SymbolGroup> &groups = SymbolCatalog::groups();
        QCOMPARE(titles(groups),
                 (QStringList{"Editing", "Text", "Arrows", "Windows and Apps", "Keyboard and Mouse", "Files",
                              "Code and Math", "Communication", "Media", "Tools and Objects", "Shapes and Symbols",
                              "Nature and Places"}));
        const QList<int> counts{27, 30, 47, 43, 30, 47, 35, 41, 43, 41, 57, 49};
        for (qsizetype i = 0; i < groups.size(); ++i)
            QCOMPARE(groups.at(i).symbols.size(), counts.at(i));
        QCOMPARE(groups.first().symbols.first(), QStringLiteral("pencil"));
        QCOMPARE(groups.last().symbols.last(), QStringLiteral("lamp.desk"));
    }

    void everyOfferedSymbolHasItsOwnIcon()
    {
        for (const QString &symbol : allSymbols(SymbolCatalog::groups())) {
            QVERIFY2(SymbolMap::isMapped(symbol), qPrintable(symbol));
            const QString icon = SymbolMap::iconName(symbol);
            QVERIFY2(icon != QLatin1String(SymbolMap::fallbackIcon), qPrintable(symbol));
            QVERIFY2(QFile::exists(QStringLiteral(":/symbols/%1.svg").arg(icon)), qPrintable(symbol + " → " + icon));
        }
    }

    void search_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QStringList>("someSymbols");   // each of these is found
        QTest::addColumn<QStringList>("absentSymbols"); // none of these is
        QTest::newRow("nothing") << QString() << titles(SymbolCatalog::groups()) << QStringList{"pencil", "lamp.desk"}
                                 << QStringList{};
        QTest::newRow("only spaces") << QStringLiteral("   ") << titles(SymbolCatalog::groups()) << QStringList{"pencil"}
                                     << QStringList{};
        QTest::newRow("title in capitals") << QStringLiteral("KEYBOARD")
                                           << QStringList{"Keyboard and Mouse"}
                                           << QStringList{"computermouse", "record.circle"} << QStringList{};
        QTest::newRow("title word and symbols") << QStringLiteral("arrow")
                                                << QStringList{"Editing", "Arrows", "Windows and Apps",
                                                               "Keyboard and Mouse", "Files"}
                                                << QStringList{"chevron.up", "arrow.uturn.backward", "icloud.and.arrow.up"}
                                                << QStringList{"pencil", "macwindow"};
        QTest::newRow("two words") << QStringLiteral("doc text")
                                   << QStringList{"Files"} << QStringList{"doc.text", "doc.text.magnifyingglass"}
                                   << QStringList{"doc", "doc.fill", "note.text"};
        QTest::newRow("partial word") << QStringLiteral("magn")
                                      << QStringList{"Editing", "Windows and Apps", "Files"}
                                      << QStringList{"magnifyingglass", "doc.text.magnifyingglass"} << QStringList{};
        QTest::newRow("words in any order") << QStringLiteral("mouse and keyboard") << QStringList{"Keyboard and Mouse"}
                                            << QStringList{"keyboard"} << QStringList{};
        QTest::newRow("no result") << QStringLiteral("zebra") << QStringList{} << QStringList{} << QStringList{"pencil"};
    }

    void search()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, groups);
        QFETCH(QStringList, someSymbols);
        QFETCH(QStringList, absentSymbols);
        const QList<SymbolGroup> found = SymbolCatalog::search(query);
        QCOMPARE(titles(found), groups);
        const QStringList symbols = allSymbols(found);
        for (const QString &symbol : someSymbols)
            QVERIFY2(symbols.contains(symbol), qPrintable(symbol));
        for (const QString &symbol : absentSymbols)
            QVERIFY2(!symbols.contains(symbol), qPrintable(symbol));
        // A group found by its title comes whole.
        for (const SymbolGroup &g : found) {
            if (g.title.toLower().contains(query.toLower().trimmed()) && !query.trimmed().isEmpty()
                && !query.contains(QLatin1Char(' ')))
                QCOMPARE(g.symbols, group(g.title).symbols);
        }
    }

    void thePickerSearchesAndPicks()
    {
        QWidget window;
        window.resize(300, 200);
        auto *button = new SymbolButton(m_icons, QStringLiteral("keyboard"), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->toolTip(), QStringLiteral("Choose a symbol"));
        SymbolPicker *picker = button->openPicker();
        QVERIFY(QTest::qWaitForWindowExposed(picker));
        QCOMPARE(picker->width(), 438);
        QCOMPARE(picker->scrollArea()->height(), 380);
        QCOMPARE(picker->searchField()->placeholderText(), QStringLiteral("Search symbols, e.g. arrow, doc, star"));
        QCOMPARE(picker->grid()->groups().size(), 12);
        // Ten columns: the eleventh symbol of a group starts the second row.
        const QStringList editing = group(QStringLiteral("Editing")).symbols;
        const QRect first = picker->grid()->cellRect(editing.at(0));
        QCOMPARE(picker->grid()->cellRect(editing.at(9)).top(), first.top());
        QCOMPARE(picker->grid()->cellRect(editing.at(10)).left(), first.left());
        QVERIFY(picker->grid()->cellRect(editing.at(10)).top() > first.top());
        QVERIFY(picker->grid()->width() <= picker->scrollArea()->viewport()->width());

        QTest::keyClicks(picker->searchField(), QStringLiteral("zebra"));
        QVERIFY(picker->noResults()->isVisible());
        QCOMPARE(picker->noResults()->text(), QStringLiteral("No symbols found"));
        picker->searchField()->setText(QStringLiteral("Star"));
        QVERIFY(!picker->noResults()->isVisible());
        QCOMPARE(titles(picker->grid()->groups()),
                 (QStringList{"Tools and Objects", "Shapes and Symbols", "Nature and Places"}));
        const QRect star = picker->grid()->cellRect(QStringLiteral("star"));
        QVERIFY(!star.isEmpty());
        QTest::mouseClick(picker->grid(), Qt::LeftButton, {}, star.center());
        QCOMPARE(button->symbol(), QStringLiteral("star"));
        QTRY_VERIFY(!button->picker());
    }
};

QTEST_MAIN(TestSymbolPicker)
#include "test_symbolpicker.moc"
