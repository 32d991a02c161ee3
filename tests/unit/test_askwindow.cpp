#include "ai/askchat.h"
#include "ai/localmodelclient.h"
#include "platform/fake/fakeondevicemodel.h"
#include "platform/fake/fakescreens.h"
#include "platform/fake/fakewindowsystem.h"
#include "platform/fake/memorydefaults.h"
#include "ui/askconversation.h"
#include "ui/askmessageviews.h"
#include "ui/askpanel.h"
#include "ui/askplacement.h"
#include "ui/askquestionfield.h"
#include "ui/askquote.h"
#include "ui/askview.h"
#include "ui/askwindow.h"
#include "ui/inlinemarkdown.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

// The Ask window's rules, headless.
class TestAskWindow final : public QObject {
    Q_OBJECT

    LocalModelClient m_client;
    FakeOnDeviceModel m_onDevice;
    MemoryDefaults m_defaults;
    FakeScreens m_screens;
    FakeWindowSystem m_windows;
    int m_settingsOpened = 0;
    bool m_panelGoneWhenSettingsOpened = false;
    std::unique_ptr<AskWindow> m_window;

    AskChat::Models models() { return {m_client, m_onDevice, m_defaults, [] { return QStringList{"en"}; }}; }

private Q_SLOTS:
    void init()
    {
        m_onDevice = FakeOnDeviceModel();
        m_settingsOpened = 0;
        m_window = std::make_unique<AskWindow>(AskWindow::Parts{models(), m_screens, m_windows, [this] {
                                                                    ++m_settingsOpened;
                                                                    m_panelGoneWhenSettingsOpened = !m_window->panel();
                                                                }});
    }

    void cleanup()
    {
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void heightRule_data()
    {
        QTest::addColumn<qreal>("change");
        QTest::addColumn<int>("expectedChange");
        QTest::newRow("0.4 more") << 0.4 << 0;
        QTest::newRow("0.4 less") << -0.4 << 0;
        QTest::newRow("0.5 more") << 0.5 << 0;
        QTest::newRow("0.6 more, rounded up") << 0.6 << 1;
        QTest::newRow("0.6 less") << -0.6 << -0;
        QTest::newRow("120.2 more") << 120.2 << 121;
        QTest::newRow("20 less") << -20.0 << -20;
    }

    void heightRule()
    {
        QFETCH(qreal, change);
        QFETCH(int, expectedChange);
        m_window->open(std::nullopt);
        AskPanel *panel = m_window->panel();
        panel->setGeometry(100, 200, 640, 100);
        m_window->applyHeight(panel, 100 + change);
        QCOMPARE(panel->geometry(), QRect(100, 200, 640, 100 + expectedChange));
    }

    void lateHeightReportResizesOnlyItsOwnPanel()
    {
        m_window->open(QStringLiteral("first"));
        AskPanel *first = m_window->panel();
        Q_EMIT first->view()->heightChanged(333); // queued, as the view reports it
        m_window->open(QStringLiteral("second"));
        AskPanel *second = m_window->panel();
        const int before = second->height();
        m_window->applyHeight(first, 444);
        QCoreApplication::processEvents();
        QVERIFY(second->height() != 333 && second->height() != 444);
        QCOMPARE(second->height() == before || second->height() == second->view()->naturalHeight(), true);
    }

    void placementFollowsThePointersScreen_data()
    {
        QTest::addColumn<QList<ScreenInfo>>("screens");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QRectF>("expected"); // y up
        const ScreenInfo left{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 870)};
        const ScreenInfo right{QRectF(1440, 100, 1920, 1080), QRectF(1440, 140, 1920, 1000)};
        QTest::newRow("first screen") << QList<ScreenInfo>{left, right} << QPointF(10, 10)
                                      << QRectF(400, 870 - 174 - 60, 640, 60);
        QTest::newRow("second screen") << QList<ScreenInfo>{left, right} << QPointF(2000, 500)
                                       << QRectF(1440 + 960 - 320, 1140 - 200 - 60, 640, 60);
        QTest::newRow("pointer off every screen") << QList<ScreenInfo>{left} << QPointF(-500, -500)
                                                  << QRectF(400, 870 - 174 - 60, 640, 60);
        QTest::newRow("no screens") << QList<ScreenInfo>{} << QPointF(0, 0) << QRectF(400, 900 - 180 - 60, 640, 60);
    }

    void placementFollowsThePointersScreen()
    {
        QFETCH(QList<ScreenInfo>, screens);
        QFETCH(QPointF, pointer);
        QFETCH(QRectF, expected);
        const std::optional<ScreenInfo> main = screens.isEmpty() ? std::nullopt : std::optional(screens.first());
        QCOMPARE(AskPlacement::initialFrame(screens, main, pointer), expected);
    }

    void quoteLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isLong");
        QTest::newRow("300 characters") << QString(300, QLatin1Char('x')) << false;
        QTest::newRow("301 characters") << QString(301, QLatin1Char('x')) << true;
        QTest::newRow("301 units, 300 characters") << QString(299, QLatin1Char('x')) + QStringLiteral("e\u0301") << false;
        QTest::newRow("3 line breaks") << QStringLiteral("a\nb\nc\nd") << false;
        QTest::newRow("4 line breaks") << QStringLiteral("a\nb\nc\nd\ne") << true;
        QTest::newRow("4 breaks of other kinds") << QStringLiteral("a\rb\u2028c\u0085d\u000Be") << true;
        QTest::newRow("CR LF counts twice") << QStringLiteral("a\r\nb\r\nc") << true;
    }

    void quoteLength()
    {
        QFETCH(QString, text);
        QFETCH(bool, isLong);
        AskQuote quote(text);
        QCOMPARE(AskQuote::isLong(text), isLong);
        QCOMPARE(quote.hasToggle(), isLong);
        auto *toggle = quote.findChild<QPushButton *>(QStringLiteral("showMore"));
        QCOMPARE(toggle != nullptr, isLong);
        if (!toggle)
            return;
        QCOMPARE(toggle->text(), QStringLiteral("Show more"));
        toggle->click();
        QVERIFY(quote.isExpanded());
        QCOMPARE(toggle->text(), QStringLiteral("Show less"));
        toggle->click();
        QVERIFY(!quote.isExpanded());
    }

    void collapsedQuoteShowsThreeLines()
    {
        const QString text = QStringLiteral("one\ntwo\nthree\nfour\nfive\nsix");
        AskQuote quote(text);
        quote.resize(600, 400);
        auto *label = quote.findChild<QLabel *>();
        const int line = QFontMetrics(label->font()).lineSpacing();
        QVERIFY(label->maximumHeight() <= 3 * line + 1);
        quote.setExpanded(true);
        QCOMPARE(label->maximumHeight(), QWIDGETSIZE_MAX);
    }

    void inlineMarkdown_data()
    {
        QTest::addColumn<QString>("markdown");
        QTest::addColumn<QString>("html"); // empty: does not parse
        QTest::newRow("plain") << "Just text." << "Just text.";
        QTest::newRow("strong and emphasis") << "**big** and *small* and _also_" << "<b>big</b> and <i>small</i> and <i>also</i>";
        QTest::newRow("code keeps its stars") << "`a**b`" << "<code>a**b</code>";
        QTest::newRow("link") << "[docs](https://example.org/a?b=1&c=2)"
                              << "<a href=\"https://example.org/a?b=1&amp;c=2\">docs</a>";
        QTest::newRow("lone star is literal") << "2 * 3 = 6" << "2 * 3 = 6";
        QTest::newRow("snake case") << "a_b_c" << "a_b_c";
        QTest::newRow("escapes and html") << "\\*not\\* <b>" << "*not* &lt;b&gt;";
        QTest::newRow("block syntax stays") << "# Title\n- item" << "# Title\n- item";
        QTest::newRow("unclosed code") << "see `this" << "";
        QTest::newRow("unclosed strong") << "**bold and more" << "";
        QTest::newRow("unclosed link address") << "[a](http://x" << "";
    }

    void inlineMarkdown()
    {
        QFETCH(QString, markdown);
        QFETCH(QString, html);
        const std::optional<QString> result = InlineMarkdown::toHtml(markdown);
        if (html.isEmpty()) {
            QVERIFY(!result);
            return;
        }
        QCOMPARE(result.value_or(QString()), QStringLiteral("<span style=\"white-space: pre-wrap\">") + html + QStringLiteral("</span>"));
    }

    void answerThatFailsToParseIsShownPlain()
    {
        AskAnswerView view;
        view.setText(QStringLiteral("**fine**"));
        QVERIFY(!view.isPlain());
        QVERIFY(view.label()->text().contains(QStringLiteral("<b>fine</b>")));
        view.setText(QStringLiteral("**fine** but `open"));
        QVERIFY(view.isPlain());
        QCOMPARE(view.label()->text(), QStringLiteral("**fine** but `open"));
    }

    void returnSendsAndClearsTheField()
    {
        m_onDevice.enqueue(QStringLiteral("Hello."));
        m_window->open(QStringLiteral("text"));
        AskView *view = m_window->panel()->view();
        QCOMPARE(view->field()->placeholderText(), QStringLiteral("Ask about the text…"));
        QTest::keyClicks(view->field(), QStringLiteral("   "));
        QTest::keyClick(view->field(), Qt::Key_Return);
        QVERIFY(m_window->chat()->messages().isEmpty());
        view->field()->clear();
        QTest::keyClicks(view->field(), QStringLiteral("Hi there"));
        QTest::keyClick(view->field(), Qt::Key_Return);
        QCOMPARE(m_window->chat()->messages().value(0).text, QStringLiteral("Hi there"));
        QVERIFY(view->field()->question().isEmpty());
        QVERIFY(m_window->isAnswering());
        QVERIFY(!view->stopButton()->isHidden());
        QTRY_VERIFY(!m_window->isAnswering());
        QVERIFY(view->stopButton()->isHidden());
    }

    void withoutContextAskAnything()
    {
        m_window->open(std::nullopt);
        QCOMPARE(m_window->panel()->view()->field()->placeholderText(), QStringLiteral("Ask anything…"));
    }

    void fullChatDisablesTheFieldAndStartOverClearsIt()
    {
        m_onDevice.setAvailability({false, QStringLiteral("none here")});
        m_window->open(std::nullopt);
        AskView *view = m_window->panel()->view();
        QVERIFY(!view->field()->isEnabled());
        QVERIFY(!view->conversation()->isHidden());
        m_onDevice.setAvailability({true, QString()});
        view->conversation()->startOverButton()->click();
        QVERIFY(view->field()->isEnabled());
    }

    void settingsLinkClosesThePanelFirst()
    {
        m_window->open(std::nullopt);
        QLabel *notice = m_window->panel()->view()->conversation()->notice();
        QVERIFY(notice->text().contains(QStringLiteral("href=\"ringle-settings:\"")));
        Q_EMIT notice->linkActivated(QStringLiteral("https://elsewhere.example"));
        QCOMPARE(m_settingsOpened, 1);
        QVERIFY(m_panelGoneWhenSettingsOpened);
    }

    void escapeClosesAndReopeningReplaces()
    {
        m_window->open(QStringLiteral("one"));
        QPointer<AskPanel> first = m_window->panel();
        QPointer<AskChat> firstChat = m_window->chat();
        m_window->open(QStringLiteral("two"));
        QVERIFY(first->isHidden());
        QTRY_VERIFY(!first);
        QVERIFY(!firstChat);
        QTest::keyClick(m_window->panel()->view()->field(), Qt::Key_Escape);
        QVERIFY(!m_window->panel());
        QVERIFY(!m_window->isAnswering());
    }

    void cutToItsShapeOnlyWithoutACompositor()
    {
        for (const bool composited : {true, false}) {
            AskChat chat(models(), std::nullopt);
            AskPanel panel(new AskView(chat), [composited] { return composited; });
            panel.resize(640, 200);
            panel.show();
            QCOMPARE(panel.isComposited(), composited);
            QCOMPARE(panel.mask().isEmpty(), composited);
            if (!composited) {
                QVERIFY(!panel.mask().contains(QPoint(1, 1))); // a rounded corner
                QVERIFY(panel.mask().contains(QPoint(320, 100)));
            }
        }
    }

    void conversationStopsGrowingAt440AndFollowsItsEnd()
    {
        m_window->open(std::nullopt);
        AskChat *chat = m_window->chat();
        AskConversation *conversation = m_window->panel()->view()->conversation();
        for (int i = 0; i < 12; ++i) {
            m_onDevice.enqueue(QStringLiteral("Answer number %1, long enough to wrap across the width of the panel "
                                              "at least once or twice.").arg(i));
            chat->send(QStringLiteral("Question %1?").arg(i));
            QTRY_VERIFY(!chat->isResponding());
        }
        QTRY_COMPARE(conversation->height(), AskConversation::maximumHeight);
        QVERIFY(conversation->contentHeight() > AskConversation::maximumHeight);
        QTRY_COMPARE(conversation->verticalScrollBar()->value(), conversation->verticalScrollBar()->maximum());
    }
};

QTEST_MAIN(TestAskWindow)
#include "test_askwindow.moc"
