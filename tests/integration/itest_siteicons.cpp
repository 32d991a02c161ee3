// A website slot shows its site's icon, fetched from a server on loopback when Ringle starts, and an
// address of another scheme shows the icon of the application the desktop opens it with. The real
// app under Xvfb, the wheel opened with the real shortcut, the screen photographed.
#include "modelserverprocess.h"
#include "ringleprocess.h"
#include "testsupport.h"
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTest>

using TestSupport::RingleProcess;
using TestSupport::xdotool;

namespace {
const QPoint wheelCentre(640, 420);
const QColor siteColour(0xff, 0x00, 0xff);
const QColor appColour(0x00, 0xc8, 0xc8);

QImage badge(const QColor &colour, const QString &letter)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, 64, 64), 14, 14);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, letter);
    return image;
}

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Pixels within a few steps of `colour` in the square of side 2·radius around `centre`.
int pixelsNear(const QImage &shot, const QColor &colour, QPoint centre, int radius)
{
    int count = 0;
    for (int y = centre.y() - radius; y < centre.y() + radius; ++y) {
        for (int x = centre.x() - radius; x < centre.x() + radius; ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) < 12 && qAbs(c.green() - colour.green()) < 12 && qAbs(c.blue() - colour.blue()) < 12)
                ++count;
        }
    }
    return count;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class ItestSiteIcons final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void websiteSlotShowsTheFetchedIcon()
    {
        ModelServerProcess site;
        QVERIFY(site.isRunning());
        QVERIFY(site.enqueue(ModelServerProcess::text(200, R"(<html><head><link rel="icon" href="/brand.png"></head></html>)", "text/html")));
        QVERIFY(site.enqueue(ModelServerProcess::text(200, png(badge(siteColour, "R")), "image/png")));

        RingleProcess ringle;
        // An application of our own for the "ringle-test:" scheme, the desktop's choice for it.
        const QString appIcon = ringle.dataHome() + "/icons/testapp.png";
        QVERIFY(writeFile(appIcon, png(badge(appColour, "A"))));
        QVERIFY(writeFile(ringle.dataHome() + "/applications/ringle-testapp.desktop",
                          "[Desktop Entry]\nType=Application\nName=Test App\nExec=true %u\nIcon=" + appIcon.toUtf8()
                              + "\nMimeType=x-scheme-handler/ringle-test;\n"));
        QVERIFY(writeFile(ringle.configHome() + "/mimeapps.list",
                          "[Default Applications]\nx-scheme-handler/ringle-test=ringle-testapp.desktop\n"));

        const QString address = QString("http://127.0.0.1:%1/").arg(site.port());
        QList<WheelSet> sets = WheelStore::shippedDefault();
        // Top, right, bottom, left.
        sets[0].rings[0].slots = {WheelItem::openURL(address, "Test Site"), WheelItem::openURL("ringle-test://open", "Test App"),
                                  WheelItem::proofread(), WheelItem::summarize()};
        QVERIFY(ringle.configure("wheelSets", QString::fromUtf8(WheelSet::encodeList(sets))));
        QVERIFY2(ringle.start(), qPrintable(ringle.transcript()));

        const QString iconFile = ringle.dataHome() + "/Ringle/Favicons/127.0.0.1";
        QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(iconFile); }, 15000), qPrintable(ringle.transcript()));
        QCOMPARE(site.requests(2).value(1).value("path").toString(), QString("/brand.png"));
        QTest::qWait(500); // the scheme's application is asked in the background too

        QVERIFY(xdotool({"mousemove", QString::number(wheelCentre.x()), QString::number(wheelCentre.y())}));
        QVERIFY(xdotool({"keydown", "ctrl+alt+h"}));
        const bool painted = !ringle.waitForLine("ringle.wheel.overlay: painted", 5000).isEmpty();
        QTest::qWait(300);
        const QString shotPath = QDir::temp().filePath("ringle-site-icons.png");
        QProcess::execute("/usr/bin/import", {"-window", "root", shotPath});
        xdotool({"keyup", "h", "keyup", "ctrl+alt"});
        QVERIFY2(painted, qPrintable(ringle.transcript()));

        const QImage shot(shotPath);
        QVERIFY(!shot.isNull());
        // The top slot's picture lies above the centre, the right one's to its right.
        const int sitePixels = pixelsNear(shot, siteColour, wheelCentre + QPoint(0, -90), 60);
        const int appPixels = pixelsNear(shot, appColour, wheelCentre + QPoint(90, 0), 60);
        QVERIFY2(sitePixels > 150, qPrintable(QString::number(sitePixels)));
        QVERIFY2(appPixels > 150, qPrintable(QString::number(appPixels)));
        if (const QString keep = qEnvironmentVariable("RINGLE_SCREENSHOT_DIR"); !keep.isEmpty())
            QVERIFY(shot.copy(QRect(wheelCentre - QPoint(200, 200), QSize(400, 400))).save(keep + "/wheel-site-icons.png"));
    }
};

QTEST_MAIN(ItestSiteIcons)
#include "itest_siteicons.moc"
