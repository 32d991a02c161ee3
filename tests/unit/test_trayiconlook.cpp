// How the tray icon suits the panel: it names the installed symbolic icons for StatusNotifierItem
// trays, and draws its pixels in the colour an XEmbed tray asks for, else in the palette's text colour.
#include "actions/controllerstatus.h"
#include "app/appidentity.h"
#include "app/trayicon.h"
#include "app/traymenu.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The colour in the middle of the bottom segment, which every frame but the working ones 1–3 shows
// at full strength.
QColor bottomSegmentColour(const QIcon &icon)
{
    const QImage image = icon.pixmap(QSize(36, 36)).toImage();
    return image.pixelColor(18, 30);
}

void writeTheme(const QString &root, const QStringList &names)
{
    QDir().mkpath(root + "/hicolor/symbolic/apps");
    QFile index(root + "/hicolor/index.theme");
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Hicolor\nDirectories=symbolic/apps\n\n"
                "[symbolic/apps]\nMinSize=8\nSize=16\nMaxSize=512\nType=Scalable\n");
    for (const QString &name : names) {
        QFile svg(root + "/hicolor/symbolic/apps/" + name + ".svg");
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16"><rect width="16" height="16"/></svg>)");
    }
}
} // namespace

class TestTrayIconLook final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void installedSymbolicIconsAreNamed_data()
    {
        const QString id = AppIdentity::desktopId();
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("idleName");
        QTest::addColumn<QString>("workingName");
        QTest::newRow("none installed") << QStringList{} << QString() << QString();
        QTest::newRow("all installed") << QStringList{id + "-symbolic", id + "-working0-symbolic"} << id + "-symbolic"
                                       << id + "-working0-symbolic";
        QTest::newRow("only idle installed") << QStringList{id + "-symbolic"} << id + "-symbolic" << QString();
    }

    void installedSymbolicIconsAreNamed()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, idleName);
        QFETCH(QString, workingName);
        QTemporaryDir themes;
        writeTheme(themes.path(), installed);
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName("hicolor");

        ControllerStatus status;
        TrayMenu menu(status);
        TrayIcon icon(status, menu);
        QCOMPARE(icon.currentIcon().name(), idleName);
        const QColor text = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
        QCOMPARE(bottomSegmentColour(icon.currentIcon()).rgb(), text.rgb()); // pixels stay drawn
        status.setWorking(true);
        QCOMPARE(icon.currentIcon().name(), workingName);
        status.setWorking(false);
    }

    void pixelsFollowTheTraysColour()
    {
        ControllerStatus status;
        TrayMenu menu(status);
        TrayIcon icon(status, menu);
        const QColor text = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
        const QColor light(0xff, 0xee, 0xdd);
        icon.setPanelForeground(light);
        QCOMPARE(bottomSegmentColour(icon.currentIcon()), light);
        status.setWorking(true); // working frame 0 highlights the bottom segment too
        QCOMPARE(bottomSegmentColour(icon.currentIcon()), light);
        icon.setPanelForeground(QColor());
        QCOMPARE(bottomSegmentColour(icon.currentIcon()).rgb(), text.rgb());
    }
};

QTEST_MAIN(TestTrayIconLook)
#include "test_trayiconlook.moc"
