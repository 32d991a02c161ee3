// The wheel editor as a user works it: in the running app's settings window, with real pointer
// clicks and typing, a set is made for the test editor and given a ring with Proofread and Select
// All; then the wheel, opened over the test editor, shows that ring and its slots work.
#include "lineprocess.h"
#include "platform/jsonfiledefaults.h"
#include "wheel/jsondecodeerror.h"
#include "modelserverprocess.h"
#include "ringleprocess.h"
#include "testsupport.h"
#include "wheelgestures.h"
#include "wheel/wheelset.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using TestSupport::LineProcess;
using TestSupport::RingleProcess;
using TestSupport::fixed;
using TestSupport::typo;
using TestSupport::xdotool;

namespace {
const QString editorTitle = QStringLiteral("wheel editor test");

// Where the settings tab says its controls and menu items are: "<kind> <name> X Y".
class Probe {
public:
    explicit Probe(RingleProcess &ringle)
        : m_ringle(ringle)
    {
    }

    // The positions reported up to the next line containing `end` (within the timeout).
    bool waitFor(const QString &end, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] {
            bool ended = false;
            for (const QString &line : m_ringle.unreadLines()) {
                parse(line);
                ended = ended || line.contains(end);
            }
            return ended;
        }, timeoutMs);
    }
    std::optional<QPoint> at(const QString &kind, const QString &name) const
    {
        const auto it = m_points.constFind(kind + QLatin1Char(' ') + name);
        return it == m_points.cend() ? std::nullopt : std::optional<QPoint>(*it);
    }

private:
    void parse(const QString &line)
    {
        const QString prefix = QStringLiteral("ringle.settings.wheel: ");
        const qsizetype start = line.indexOf(prefix);
        if (start < 0)
            return;
        QStringList words = line.mid(start + prefix.size()).split(QLatin1Char(' '));
        if (words.size() < 4)
            return;
        bool xOk = false;
        bool yOk = false;
        const int y = words.takeLast().toInt(&yOk);
        const int x = words.takeLast().toInt(&xOk);
        const QString kind = words.first() == QStringLiteral("menu") ? words.mid(0, 2).join(QLatin1Char(' ')) : words.first();
        const QString name = words.mid(kind.count(QLatin1Char(' ')) + 1).join(QLatin1Char(' '));
        if (xOk && yOk)
            m_points.insert(kind + QLatin1Char(' ') + name, QPoint(x, y));
    }

    RingleProcess &m_ringle;
    QHash<QString, QPoint> m_points;
};

bool moveTo(QPoint p)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("sleep"),
                    QStringLiteral("0.2")});
}

bool click(QPoint p, int button = 1)
{
    return moveTo(p) && xdotool({QStringLiteral("click"), QString::number(button)});
}

bool type(const QString &text)
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

QList<WheelSet> storedSets(RingleProcess &ringle)
{
    const JsonFileDefaults stored(ringle.configHome() + QStringLiteral("/Ringle/defaults.json"));
    try {
        return WheelSet::decodeList(stored.dataValue(QStringLiteral("wheelSets")).value_or(QByteArray()));
    } catch (const JsonDecodeError &) {
        return {};
    }
}
} // namespace

class ItestWheelEditor final : public QObject {
    Q_OBJECT

    QTemporaryDir m_data;
    ModelServerProcess m_server;

    // Clicks a control of the tab, or an item of the menu that is open, as reported last.
    bool clickReported(Probe &probe, const QString &kind, const QString &name)
    {
        const std::optional<QPoint> p = probe.at(kind, name);
        if (!p)
            qWarning() << "not reported:" << kind << name;
        return p && click(*p);
    }

    // Opens a control's menu and follows `path` through its submenus to the item to click.
    bool pick(Probe &probe, const QString &control, const QStringList &path)
    {
        if (!clickReported(probe, QStringLiteral("control"), control))
            return false;
        for (qsizetype i = 0; i < path.size(); ++i) {
            const std::optional<QPoint> item =
                probe.waitFor(QStringLiteral("menu end")) ? probe.at(QStringLiteral("menu item"), path.at(i)) : std::nullopt;
            if (!item) {
                qWarning() << "no menu item" << path.at(i);
                return false;
            }
            if (!(i + 1 < path.size() ? moveTo(*item) : click(*item)))
                return false;
        }
        return probe.waitFor(QStringLiteral("controls end"));
    }

    // Clicks a control or row, then types over what the field holds.
    bool typeInto(Probe &probe, const QString &control, const QString &text)
    {
        return clickReported(probe, QStringLiteral("control"), control)
            && xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")}) && type(text);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        QVERIFY(m_server.isRunning());
        // The test editor as an installed application, matched to its window by class.
        QDir().mkpath(m_data.filePath(QStringLiteral("applications")));
        QFile entry(m_data.filePath(QStringLiteral("applications/ringle-testeditor.desktop")));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Ringle Test Editor\nIcon=accessories-text-editor\n"
                    "StartupWMClass=testeditor\nExec=" + TestSupport::programPath(QStringLiteral("testeditor")).toUtf8()
                    + "\n");
        entry.close();
        // A data folder of the system's: the app's own XDG_DATA_HOME is a fresh one of each run.
        const QByteArray system = qEnvironmentVariableIsEmpty("XDG_DATA_DIRS") ? QByteArray("/usr/local/share:/usr/share")
                                                                               : qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_DIRS", m_data.path().toUtf8() + ':' + system);
    }

    void aRingMadeInTheEditorShowsOnTheWheel()
    {
        RingleProcess ringle;
        QVERIFY(ringle.useModelServer(m_server.url()));
        QVERIFY(ringle.configure(QStringLiteral("showResultFirst"), QStringLiteral("false")));
        QVERIFY(m_server.setDefault(ModelServerProcess::completion(fixed)));
        QVERIFY(ringle.start());
        LineProcess editor;
        QVERIFY(TestSupport::startTestEditor(editor, editorTitle));

        Probe probe(ringle);
        QVERIFY(ringle.openSettings());
        QVERIFY2(probe.waitFor(QStringLiteral("controls end")), qPrintable(ringle.transcript()));

        // A new set, bound to the test editor through the running applications.
        QVERIFY(pick(probe, QStringLiteral("addRingOrSet"), {QStringLiteral("New Set")}));
        QVERIFY(typeInto(probe, QStringLiteral("setName"), QStringLiteral("Editing")));
        QVERIFY(pick(probe, QStringLiteral("addApp"), {QStringLiteral("Ringle Test Editor")}));

        // A ring with Proofread on top and Select All on the right.
        QVERIFY(pick(probe, QStringLiteral("addRingOrSet"), {QStringLiteral("New Ring")}));
        QVERIFY(typeInto(probe, QStringLiteral("ringTitle"), QStringLiteral("Checks")));
        QVERIFY(pick(probe, QStringLiteral("slot1"), {QStringLiteral("Proofread")}));
        QVERIFY(pick(probe, QStringLiteral("slot2"),
                     {QStringLiteral("Key Combos"), QStringLiteral("Default Key Combos"), QStringLiteral("Select All Ctrl+A")}));

        // The set's first ring goes, so that the wheel opens on the new one.
        QVERIFY(clickReported(probe, QStringLiteral("row"), QStringLiteral("New Ring")));
        QVERIFY(probe.waitFor(QStringLiteral("controls end")));
        QVERIFY(clickReported(probe, QStringLiteral("control"), QStringLiteral("remove")));
        QVERIFY(probe.waitFor(QStringLiteral("controls end")));

        const QList<WheelSet> sets = storedSets(ringle);
        QCOMPARE(sets.size(), 2);
        QCOMPARE(sets.at(1).title, QStringLiteral("Editing"));
        QCOMPARE(sets.at(1).apps, QStringList{QStringLiteral("ringle-testeditor")});
        QCOMPARE(sets.at(1).rings.size(), 1);
        QCOMPARE(sets.at(1).rings.at(0).title, QStringLiteral("Checks"));
        QCOMPARE(sets.at(1).rings.at(0).slots.size(), 4);
        QCOMPARE(sets.at(1).rings.at(0).slots.at(0), WheelSlot(WheelItem::proofread()));
        QVERIFY(sets.at(1).rings.at(0).slots.at(1));
        QCOMPARE(sets.at(1).rings.at(0).slots.at(1)->combo().title, QStringLiteral("Select All"));

        // Over the test editor the wheel shows the new ring, and both slots act on the editor.
        QVERIFY(xdotool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^") + editorTitle + QStringLiteral("$"),
                         QStringLiteral("windowactivate"), QStringLiteral("--sync")}));
        QVERIFY(TestSupport::waitUntilActive(editor.pid(), editorTitle));
        QVERIFY(TestSupport::setAndSelect(editor, typo, 2, 2));
        QVERIFY(TestSupport::shortcutGesture(ringle, 90, 0)); // Select All, on the right
        QVERIFY2(!ringle.waitForLine(QStringLiteral("rings, first \"Checks\"")).isEmpty(), qPrintable(ringle.transcript()));
        QTRY_COMPARE_WITH_TIMEOUT(editor.request("selection"), "selection " + TestSupport::encodeText(typo), 10000);
        QVERIFY(TestSupport::shortcutGesture(ringle, 0, -90)); // Proofread, at the top
        QTRY_COMPARE_WITH_TIMEOUT(TestSupport::editorText(editor), fixed, 15000);
    }
};

QTEST_GUILESS_MAIN(ItestWheelEditor)
#include "itest_wheeleditor.moc"
