#include "platform/wayland/swayconfigbindings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace SwayConfigBindings;

namespace {

// "mode: Mod+key (flags) → command", compact enough for a table.
QStringList described(const QList<Binding> &bindings)
{
    QStringList out;
    for (const Binding &b : bindings) {
        QString text = b.mode == u"default" ? QString() : b.mode + u": "_qs;
        text += (b.modifiers + QStringList{b.key}).join(u'+');
        for (const auto &[on, flag] : {std::pair{b.byCode, "code"}, {b.release, "release"},
                                       {b.wholeWindow, "whole-window"}, {b.mouse, "mouse"}}) {
            if (on)
                text += u" ("_qs + QString::fromLatin1(flag) + u')';
        }
        out << text + u" → "_qs + b.command;
    }
    return out;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestSwayConfigBindings final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bindings_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("variables and modifier names")
            << u"set $mod Mod4\nset $modifier Control\nbindsym $modifier+alt+h focus left\n"
               "bindsym $mod+Shift+q kill\nbindsym super+ctrl+Super+Return exec foot\n"
               "bindsym $undefined+x nop\nbindsym $$mod+y nop\nset $mod Mod1\nbindsym $mod+z nop"_qs
            << QStringList{u"Ctrl+Mod1+h → focus left"_qs,  u"Shift+Mod4+q → kill"_qs,
                           u"Ctrl+Mod4+Return → exec foot"_qs, u"$undefined+x → nop"_qs,
                           u"$mod+y → nop"_qs,               u"Mod1+z → nop"_qs};
        QTest::newRow("flags")
            << u"bindsym --release --locked --no-repeat --inhibited --to-code --no-warn "
               "--input-device=1:1:AT_Translated_Set_2_keyboard --group=2 Print exec grim\n"
               "bindcode --no-repeat Ctrl+Mod1+43 nop test\n"
               "bindsym --whole-window --border Mod4+button3 nop menu\n"
               "bindsym --exclude-titlebar BTN_LEFT nop\nbindcode --whole-window 274 nop\n"
               "bindsym --whole-window Mod4+h nop\nbindsym Group2+Mod4+g nop\n"
               "bindsym XF86AudioMute exec \"pactl set-sink-mute @DEFAULT_SINK@ toggle\""_qs
            << QStringList{u"Print (release) → exec grim"_qs, u"Ctrl+Mod1+43 (code) → nop test"_qs,
                           u"Mod4+button3 (whole-window) (mouse) → nop menu"_qs,
                           u"BTN_LEFT (mouse) → nop"_qs, u"274 (code) (whole-window) (mouse) → nop"_qs,
                           u"Mod4+h (whole-window) → nop"_qs,
                           u"Mod4+g → nop"_qs,
                           u"XF86AudioMute → exec \"pactl set-sink-mute @DEFAULT_SINK@ toggle\""_qs};
        QTest::newRow("blocks and modes")
            << u"set $mod Mod4\nbindsym {\n  $mod+h focus left\n  # inside\n  $mod+l focus right\n}\n"
               "mode \"resize\" {\n  bindsym Left resize shrink width 10px\n"
               "  bindsym Return mode \"default\"\n}\n"
               "mode --pango_markup \"<b>move</b>\" {\n  bindsym --release {\n    h move left\n  }\n}\n"
               "mode passthrough\n\n{\n  bindsym Mod4+F11 mode default\n}\n"
               "bar {\n  bindsym button4 workspace next\n  colors {\n    background #000000\n  }\n}\n"
               "bindsym $mod+r mode \"resize\""_qs
            << QStringList{u"Mod4+h → focus left"_qs, u"Mod4+l → focus right"_qs,
                           u"resize: Left → resize shrink width 10px"_qs,
                           u"resize: Return → mode \"default\""_qs,
                           u"<b>move</b>: h (release) → move left"_qs,
                           u"passthrough: Mod4+F11 → mode default"_qs, u"Mod4+r → mode \"resize\""_qs};
        QTest::newRow("comments and continued lines")
            << u"# bindsym Mod4+x nop\n   \t# bindsym Mod4+y nop\r\nbindsym Mod4+Shift+e exec \\\n"
               "    swaynag -m 'Exit?' \\\n    -B 'Yes' 'swaymsg exit'\r\nbindsym Mod4+z nop # kept\r\n"_qs
            << QStringList{u"Shift+Mod4+e → exec swaynag -m 'Exit?' -B 'Yes' 'swaymsg exit'"_qs,
                           u"Mod4+z → nop # kept"_qs};
        QTest::newRow("not bindings") << u"bindsym Mod4+x\nbindsym\nbindsym --release\nexec foot\n"
                                         "unbindsym Mod4+d nop\nbindswitch lid:on nop\nbindsym Mod4+ nop\n"
                                         "set mod Mod4\nset $empty\n"_qs
                                      << QStringList();
        QTest::newRow("hostile") << u"set $a $a\nbindsym $a+k nop\n}\n}\nbindsym Mod4+q exec \"unterminated\n"
                                    "\x01\x7f\u00e9{\n}\ninclude nowhere\n"_qs
                                 << QStringList{u"$a+k → nop"_qs, u"Mod4+q → exec \"unterminated"_qs};
    }
    void bindings()
    {
        QFETCH(QString, config);
        QFETCH(QStringList, expected);
        QCOMPARE(described(parse(config)), expected);
    }

    void includes()
    {
        QStringList asked;
        const auto read = [&](const QString &pattern) -> std::optional<QString> {
            asked << pattern;
            if (pattern == u"/etc/sway/config.d/*")
                return u"bindsym $mod+d exec menu\nset $term foot\ninclude loop"_qs;
            if (pattern == u"loop")
                return u"include loop\nbindsym Mod4+l nop loop"_qs;
            if (pattern.startsWith(u"deep")) {
                const int level = pattern.mid(4).toInt();
                return u"include deep%1\nbindsym Mod4+F%1 nop"_qs.arg(level + 1);
            }
            return std::nullopt;
        };
        const QList<Binding> bindings = parse(u"set $mod Mod4\nset $dir /etc/sway\ninclude $dir/config.d/*\n"
                                              "bindsym $mod+Return exec $term\n"
                                              "include missing\ninclude \"deep0\""_qs,
                                              read);
        QStringList deep; // each file's include comes before its binding
        for (int level = 10; level >= 1; --level)
            deep << u"Mod4+F%1 → nop"_qs.arg(level);
        QCOMPARE(described(bindings), QStringList({u"Mod4+d → exec menu"_qs, u"Mod4+l → nop loop"_qs,
                                                  u"Mod4+Return → exec foot"_qs}) + deep);
        QCOMPARE(asked.count(u"loop"_qs), 1);
        QCOMPARE(asked.size(), 3 + 10);

        // Every file naming many others, each spelled differently: still a bounded read.
        int reads = 0;
        QElapsedTimer clock;
        clock.start();
        parse(u"include x"_qs, [&](const QString &pattern) -> std::optional<QString> {
            ++reads;
            QString text;
            for (int i = 0; i < 20; ++i)
                text += u"include "_qs + pattern + u'/' + QString::number(i) + u"\nbindsym Mod4+a nop\n"_qs;
            return text;
        });
        QVERIFY(reads <= 256);
        QVERIFY(clock.elapsed() < 2000);
    }

    void hostileSizes_data()
    {
        QTest::addColumn<QString>("config");
        QTest::addColumn<int>("count");
        const QString tail = u"\nbindsym Mod4+b nop"_qs;
        QTest::newRow("10 MB line") << u"bindsym Mod4+a "_qs + QString(10 << 20, u'x') + tail << 1;
        QTest::newRow("10 MB continued line")
            << QString(u"bindsym Mod4+a \\\n"_qs).repeated(1 << 20) + tail << 1;
        QString doubling = u"set $a xx\n"_qs;
        for (int i = 0; i < 40; ++i)
            doubling += u"set $a $a$a\n"_qs;
        QTest::newRow("variable that doubles") << doubling + u"bindsym $a+k nop"_qs + tail << 2;
        QString lengths;
        for (int i = 1; i <= 128; ++i)
            lengths += u"set $"_qs + QString(i, u'v') + u" x\n"_qs;
        QTest::newRow("many dollars")
            << lengths + u"bindsym "_qs + QString(u"$w"_qs).repeated(400000) + u" nop"_qs + tail << 1;
        QString combination;
        for (int i = 0; i < 100000; ++i)
            combination += u'm' + QString::number(i) + u'+';
        QTest::newRow("endless combination") << u"bindsym "_qs + combination + u"k nop"_qs + tail << 1;
        QTest::newRow("unclosed braces") << QString(u"{\n"_qs).repeated(100000) + tail << 0;
        QTest::newRow("extra closing braces") << QString(u"}\n"_qs).repeated(100000) + tail << 1;
    }
    void hostileSizes()
    {
        QFETCH(QString, config);
        QFETCH(int, count);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(parse(config).size(), count);
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    }

    void readsIncludesFromDisk()
    {
        QTemporaryDir dir;
        const QString config = dir.filePath(u"sway"_qs);
        QVERIFY(writeFile(config + u"/config.d/20-b"_qs, "bindsym Mod4+b nop"));
        QVERIFY(writeFile(config + u"/config.d/10-a"_qs, "bindsym Mod4+a nop"));
        QVERIFY(writeFile(config + u"/config.d/.hidden"_qs, "hidden"));
        QVERIFY(writeFile(config + u"/config.d/big"_qs, QByteArray(2 << 20, '#')));
        QVERIFY(writeFile(config + u"/config.d/sub/c"_qs, "sub"));
        QCOMPARE(::mkfifo(QFile::encodeName(config + u"/config.d/fifo"_qs).constData(), 0600), 0);

        QCOMPARE(readIncludeFromDisk(u"config.d/*"_qs, config),
                 std::optional(u"bindsym Mod4+a nop\nbindsym Mod4+b nop\n"_qs));
        QCOMPARE(readIncludeFromDisk(u"config.d/1?-*"_qs, config), std::optional(u"bindsym Mod4+a nop\n"_qs));
        QCOMPARE(readIncludeFromDisk(u"config.d/fifo"_qs, config), std::nullopt);
        QCOMPARE(readIncludeFromDisk(u"config.d/nothing*"_qs, config), std::nullopt);

        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([home, configHome = qgetenv("XDG_CONFIG_HOME")] {
            qputenv("HOME", home);
            if (configHome.isNull())
                qunsetenv("XDG_CONFIG_HOME");
            else
                qputenv("XDG_CONFIG_HOME", configHome);
        });
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QCOMPARE(readIncludeFromDisk(u"~/sway/config.d/10-a"_qs, u"/nowhere"_qs),
                 std::optional(u"bindsym Mod4+a nop\n"_qs));
        QCOMPARE(readIncludeFromDisk(u"${XDG_CONFIG_HOME}/sway/config.d/2*"_qs, u"/nowhere"_qs),
                 std::optional(u"bindsym Mod4+b nop\n"_qs));

        // sway's own order: ~/.sway before the XDG folder.
        QVERIFY(writeFile(config + u"/config"_qs, "set $mod Mod4"));
        QCOMPARE(mainConfigPath(), config + u"/config"_qs);
        QVERIFY(writeFile(dir.filePath(u".sway/config"_qs), "set $mod Mod1"));
        QCOMPARE(mainConfigPath(), dir.filePath(u".sway/config"_qs));
    }
};

QTEST_GUILESS_MAIN(TestSwayConfigBindings)
#include "test_swayconfigbindings.moc"
