// What Ringle reads from its desktop scripts: the window reports of its KWin script and GNOME Shell
// extension (answers Ringle must not trust blindly) and key combinations as KGlobalAccel writes them.
#include "platform/wayland/kglobalaccelkeys.h"
#include "platform/wayland/windowreport.h"

#include <QTest>

namespace {
QByteArray window(const QByteArray &fields)
{
    return "{" + fields + "}";
}

const QByteArray editor = window("\"desktopFile\":\"org.kde.kate\",\"resourceClass\":\"kate\",\"pid\":42,\"x\":10,\"y\":-20,\"width\":800,\"height\":600");
} // namespace

class TestKWinReports final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aReportIsRead()
    {
        const QByteArray json = "{\"active\":" + editor + ",\"windows\":[" + editor + ","
            + window("\"desktopFile\":\"\",\"resourceClass\":\"foot\",\"pid\":7,\"x\":0,\"y\":0,\"width\":5,\"height\":5")
            + "],\"cursor\":{\"x\":300,\"y\":400}}";
        const std::optional<WindowReport> report = WindowReport::parse(json);
        QVERIFY(report);
        QVERIFY(report->active);
        QCOMPARE(report->active->appId(), u"org.kde.kate"_qs);
        QCOMPARE(report->active->pid, 42);
        // A window partly left of or above the desktop's origin keeps its place.
        QCOMPARE(report->active->area, QRect(10, -20, 800, 600));
        QCOMPARE(report->windows.size(), 2);
        QCOMPARE(report->windows.at(1).appId(), u"foot"_qs);
        QCOMPARE(report->cursor, std::optional<QPoint>(QPoint(300, 400)));

        const std::optional<WindowReport> none = WindowReport::parse("{\"active\":null,\"windows\":[]}");
        QVERIFY(none && !none->active && none->windows.isEmpty() && !none->cursor);
    }

    void badReportsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{\"active\":");
        QTest::newRow("an array") << QByteArray("[]");
        QTest::newRow("no window list") << QByteArray("{\"active\":null}");
        QTest::newRow("active with a text pid") << ("{\"active\":" + window("\"desktopFile\":\"a\",\"resourceClass\":\"a\",\"pid\":\"42\",\"x\":0,\"y\":0,\"width\":1,\"height\":1") + ",\"windows\":[]}");
        QTest::newRow("active with a negative size") << ("{\"active\":" + window("\"desktopFile\":\"a\",\"resourceClass\":\"a\",\"pid\":1,\"x\":0,\"y\":0,\"width\":-1,\"height\":1") + ",\"windows\":[]}");
        QTest::newRow("active far off any desktop") << ("{\"active\":" + window("\"desktopFile\":\"a\",\"resourceClass\":\"a\",\"pid\":1,\"x\":1e300,\"y\":0,\"width\":1,\"height\":1") + ",\"windows\":[]}");
        QTest::newRow("active without a class") << ("{\"active\":" + window("\"desktopFile\":\"a\",\"pid\":1,\"x\":0,\"y\":0,\"width\":1,\"height\":1") + ",\"windows\":[]}");
        QTest::newRow("too long") << ("{\"active\":null,\"windows\":[],\"pad\":\"" + QByteArray(WindowReport::maxSize, 'x') + "\"}");
    }
    void badReportsAreRefused()
    {
        QFETCH(QByteArray, json);
        QVERIFY(!WindowReport::parse(json));
    }

    // One odd window in the list, or an odd pointer, costs only itself.
    void oddEntriesAreLeftOut()
    {
        const QByteArray json = "{\"active\":null,\"windows\":[" + editor + ",{\"pid\":1},7],\"cursor\":{\"x\":\"a\",\"y\":1}}";
        const std::optional<WindowReport> report = WindowReport::parse(json);
        QVERIFY(report);
        QCOMPARE(report->windows.size(), 1);
        QVERIFY(!report->cursor);
    }

    void combinationsRoundTrip_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("qt");
        QTest::newRow("Ctrl+Alt+H") << int(Key::h.code) << (int(KeyModifiers::control) | int(KeyModifiers::option))
                                    << (Qt::CTRL | Qt::ALT | Qt::Key_H).toCombined();
        QTest::newRow("Super+Shift+1") << int(Key::one.code) << (int(KeyModifiers::command) | int(KeyModifiers::shift))
                                       << (Qt::META | Qt::SHIFT | Qt::Key_1).toCombined();
        QTest::newRow("F5, its function modifier not Qt's") << int(Key::f5.code) << int(KeyModifiers::function)
                                                             << int(Qt::Key_F5);
        QTest::newRow("Ctrl+Space") << int(Key::space.code) << int(KeyModifiers::control) << (Qt::CTRL | Qt::Key_Space).toCombined();
    }
    void combinationsRoundTrip()
    {
        QFETCH(int, code);
        QFETCH(int, modifiers);
        QFETCH(int, qt);
        KeyModifiers given;
        for (const KeyModifiers::Flag flag : {KeyModifiers::control, KeyModifiers::option, KeyModifiers::shift,
                                              KeyModifiers::command, KeyModifiers::function}) {
            if (modifiers & flag)
                given = given | flag;
        }
        QCOMPARE(KGlobalAccelKeys::qtCombination(Key(quint16(code)), given), qt);
        const std::optional<KGlobalAccelKeys::Combination> back = KGlobalAccelKeys::combination({{qt}});
        QVERIFY(back);
        QCOMPARE(back->key, Key(quint16(code)));
        QCOMPARE(back->modifiers, given.without(KeyModifiers::function));
    }

    void sequencesKGlobalAccelCannotStore()
    {
        QVERIFY(!KGlobalAccelKeys::combination({}));
        QVERIFY(!KGlobalAccelKeys::combination({{int(Qt::CTRL)}}));
        QVERIFY(!KGlobalAccelKeys::combination({{(Qt::CTRL | Qt::Key_MediaPlay).toCombined()}}));
    }
};

QTEST_GUILESS_MAIN(TestKWinReports)
#include "test_kwinreports.moc"
