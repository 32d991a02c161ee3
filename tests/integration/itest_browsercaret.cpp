// The caret locator and the website search against a real browser window.
#include "caret/caretlocator.h"
#include "platform/platform.h"
#include "platform/accessibilitytree.h"
#include "platform/x11/x11platform.h"
#include "lineprocess.h"
#include "testbrowser.h"

#include <QLoggingCategory>
#include <QTest>

Q_DECLARE_METATYPE(SelectionState)
Q_DECLARE_METATYPE(TextAccess)

class ItestBrowserCaret final : public QObject {
    Q_OBJECT

    TestBrowser m_browser;
    std::unique_ptr<X11Platform> m_x11;
    std::unique_ptr<CaretLocator> m_locator;

private Q_SLOTS:
    void initTestCase()
    {
        if (TestBrowser::executable().isEmpty())
            QSKIP("chromium is not installed");
        m_x11 = X11Platform::create();
        QVERIFY(m_x11);
        QVERIFY(m_browser.start());
        // Chromium stalls its first page load while an assistive tool keeps querying it during its
        // start-up, so the questions begin once the page runs.
        QTRY_VERIFY_WITH_TIMEOUT(m_browser.isPageRunning(), 30000);
        QVERIFY(TestSupport::waitUntilActive(m_browser.pid(), QStringLiteral("Ringle test page - Chromium")));
        const Platform platform = m_x11->platform();
        QVERIFY(platform.accessibility.status().isUsable());
        m_locator =
            std::make_unique<CaretLocator>(platform.accessibility, platform.workspace, platform.screens);
    }

    void siteOfThePage()
    {
        // The address bar shows "example.test" (the browser hides "www."), which would give the
        // same site: the diagnostic tells that the page's own address was used.
        QLoggingCategory::setFilterRules(QStringLiteral("TextAccess.debug=true"));
        QTest::ignoreMessage(QtDebugMsg, "Webbplats example.test (sidan)");
        QTRY_VERIFY_WITH_TIMEOUT(m_locator->browserHost() == QStringLiteral("example.test"), 30000);
        QLoggingCategory::setFilterRules(QString());
    }

    void textOfThePage_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<SelectionState>("selection");
        QTest::addColumn<TextAccess>("access");

        QTest::newRow("paragraph") << QByteArray("page") << SelectionState::selected << TextAccess::readOnly;
        QTest::newRow("form field") << QByteArray("field") << SelectionState::selected << TextAccess::editable;
        QTest::newRow("caret in the form field") << QByteArray("caret") << SelectionState::empty << TextAccess::editable;
    }

    void textOfThePage()
    {
        QFETCH(QByteArray, command);
        QFETCH(SelectionState, selection);
        QFETCH(TextAccess, access);

        m_browser.setCommand(command);
        QTRY_VERIFY_WITH_TIMEOUT(m_locator->selectionState() == selection && m_locator->textAccess() == access, 15000);
        if (selection == SelectionState::selected) {
            // One character, not the whole paragraph the page's selection sits in.
            const std::optional<QRectF> rect = m_locator->selectionEndRect();
            QVERIFY(rect);
            QVERIFY2(rect->width() > 0 && rect->width() < 30, qPrintable(QString::number(rect->width())));
        }
    }

    void cleanupTestCase()
    {
        m_locator.reset();
        m_x11.reset();
    }
};

QTEST_MAIN(ItestBrowserCaret)
#include "itest_browsercaret.moc"
