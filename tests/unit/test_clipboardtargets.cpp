#include "platform/linux/clipboardtargets.h"
#include "platform/linux/terminalapps.h"
#include "platform/x11/x11windowprops.h"

#include <QTest>

using namespace ClipboardTargets;

class TestClipboardTargets final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void targetsToRead_data()
    {
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("read");
        QTest::newRow("a Qt owner") << QStringList{u"TARGETS"_qs, u"MULTIPLE"_qs, u"TIMESTAMP"_qs, u"SAVE_TARGETS"_qs, u"text/plain"_qs,
                                                   u"UTF8_STRING"_qs, u"STRING"_qs, u"TEXT"_qs, u"text/html"_qs, u"image/png"_qs,
                                                   u"application/x-qt-image"_qs, u"application/x-custom"_qs}
                                    << QStringList{u"text/plain"_qs, u"UTF8_STRING"_qs, u"STRING"_qs, u"text/html"_qs, u"image/png"_qs,
                                                   u"application/x-custom"_qs};
        QTest::newRow("side effects and server resources") << QStringList{u"DELETE"_qs, u"INSERT_SELECTION"_qs, u"INSERT_PROPERTY"_qs,
                                                                          u"PIXMAP"_qs, u"BITMAP"_qs, u"DRAWABLE"_qs, u"COLORMAP"_qs,
                                                                          u"CLIENT_WINDOW"_qs, u"LENGTH"_qs, u"INCR"_qs, u"image/bmp"_qs}
                                                           << QStringList{u"image/bmp"_qs};
        QTest::newRow("duplicates and empty names") << QStringList{u"a/b"_qs, QString(), u"a/b"_qs} << QStringList{u"a/b"_qs};
        QTest::newRow("nothing") << QStringList{} << QStringList{};
    }
    void targetsToRead()
    {
        QFETCH(QStringList, offered);
        QFETCH(QStringList, read);
        QCOMPARE(ClipboardTargets::targetsToRead(offered), read);
    }

    void keptFormats()
    {
        QVERIFY(!keepDelivered(u"image/png"_qs, {}));
        QVERIFY(keepDelivered(u"image/png"_qs, "x"));
        QVERIFY(keepDelivered(u"org.nspasteboard.TransientType"_qs, {}));
        QVERIFY(keepDelivered(u"application/x-empty"_qs, {}));
    }

    void textDecoding()
    {
        QCOMPARE(decodeText(u"UTF8_STRING"_qs, "\xc3\xa9"), u"é"_qs);
        QCOMPARE(decodeText(u"STRING"_qs, "\xe9"), u"é"_qs);
        QCOMPARE(decodeText(u"text/plain"_qs, "\xc3\xa9"), u"é"_qs);
        QCOMPARE(textTargets().first(), u"UTF8_STRING"_qs);
    }

    void terminals()
    {
        QVERIFY(TerminalApps::isTerminalEmulator(u"org.gnome.Terminal"_qs)); // listed in lower case
        QVERIFY(!TerminalApps::isTerminalEmulator(u"org.gnome.TextEditor"_qs));
        QVERIFY(!TerminalApps::isTerminalEmulator(QString()));
    }

    void wmClass_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("instance");
        QTest::addColumn<QString>("cls");
        QTest::newRow("well formed") << QByteArray("navigator\0firefox-esr\0", 22) << u"navigator"_qs << u"firefox-esr"_qs;
        QTest::newRow("no terminators") << QByteArray("lonely") << u"lonely"_qs << QString();
        QTest::newRow("missing last terminator") << QByteArray("a\0b", 3) << u"a"_qs << u"b"_qs;
        QTest::newRow("extra strings") << QByteArray("a\0b\0c\0", 6) << u"a"_qs << u"b"_qs;
        QTest::newRow("empty") << QByteArray() << QString() << QString();
    }
    void wmClass()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, instance);
        QFETCH(QString, cls);
        const auto [i, c] = X11WindowProps::splitWmClass(value);
        QCOMPARE(i, instance);
        QCOMPARE(c, cls);
    }
};

QTEST_GUILESS_MAIN(TestClipboardTargets)
#include "test_clipboardtargets.moc"
