#include "actions/applookup.h"
#include "platform/fake/fakeworkspace.h"
#include "ui/appicons.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class TestAppIcons final : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString writePng(const QString &relative)
    {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        return image.save(path) ? path : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_DATA_DIRS", m_dir.path().toUtf8());
        qputenv("XDG_DATA_HOME", m_dir.filePath(u"home"_qs).toUtf8());
        QVERIFY(!writePng(u"pixmaps/legacy-app.png"_qs).isEmpty());
    }

    void resolvesEveryKindOfReference()
    {
        FakeWorkspace workspace;
        const QString file = writePng(u"icons/own.png"_qs);
        workspace.install({u"by.path"_qs, u"By path"_qs, file, {}});
        workspace.install({u"by.pixmap"_qs, u"Legacy"_qs, u"legacy-app"_qs, {}});
        workspace.install({u"missing.file"_qs, u"Gone"_qs, m_dir.filePath(u"nope.png"_qs), {}});
        workspace.install({u"no.icon"_qs, u"None"_qs, {}, {}});
        workspace.install({u"relative.path"_qs, u"Rel"_qs, u"../pixmaps/legacy-app.png"_qs, {}});
        AppLookup lookup(workspace);
        AppIcons icons(lookup);
        QVERIFY(!icons.icon(u"by.path"_qs).isNull());
        QVERIFY(!icons.icon(u"by.pixmap"_qs).isNull());
        QVERIFY(icons.icon(u"missing.file"_qs).isNull());
        QVERIFY(icons.icon(u"no.icon"_qs).isNull());
        QVERIFY(icons.icon(u"relative.path"_qs).isNull());
        QVERIFY(icons.icon(u"not.installed"_qs).isNull());
    }

    void foundIconsAreKept()
    {
        FakeWorkspace workspace;
        workspace.install({u"app"_qs, u"App"_qs, writePng(u"icons/kept.png"_qs), {}});
        AppLookup lookup(workspace);
        AppIcons icons(lookup);
        const qint64 key = icons.icon(u"app"_qs).cacheKey();
        workspace.install({u"app"_qs, u"App"_qs, {}, {}}); // uninstalled meanwhile: the found icon stays
        QCOMPARE(icons.icon(u"app"_qs).cacheKey(), key);
    }
};

QTEST_MAIN(TestAppIcons)
#include "test_appicons.moc"
