#include "base/ringleerror.h"
#include "actions/textreplacer.h"
#include "caret/caretlocator.h"
#include "platform/fake/fakeaccessibility.h"
#include "platform/fake/fakeplatform.h"
#include "taskrunner.h"

#include <QLoggingCategory>
#include <QTest>

using namespace std::chrono_literals;
using Kind = AccessibleRole::Kind;
using Element = FakeAccessibleElement;

namespace {
using BoundsList = QList<QPair<TextRange, QRectF>>;
const RunningApp browser{777, QStringLiteral("chromium"), QStringLiteral("Chromium")};

// A chain of `depth` plain elements under `top`; returns the deepest.
Element::Ptr chainUnder(const Element::Ptr &top, int depth)
{
    Element::Ptr current = top;
    for (int i = 0; i < depth; ++i)
        current = current->append(Element::create());
    return current;
}

Element::Ptr webArea(const Element::Ptr &parent, const QString &url = {})
{
    auto area = parent->append(Element::create(Kind::webArea, QStringLiteral("document web")));
    if (!url.isEmpty())
        area->urlAnswer = QUrl(url);
    return area;
}

void addressEntry(const Element::Ptr &parent, const QString &value)
{
    parent->append(Element::create(Kind::textField, QStringLiteral("entry")))->valueAnswer = value;
}
} // namespace

Q_DECLARE_METATYPE(std::optional<Kind>)
Q_DECLARE_METATYPE(std::optional<TextRange>)
Q_DECLARE_METATYPE(std::optional<QString>)
Q_DECLARE_METATYPE(SelectionState)
Q_DECLARE_METATYPE(TextAccess)

class TestCaretLocator final : public QObject {
    Q_OBJECT

    struct Rig {
        FakeAccessibilityTree tree;
        FakeWorkspace workspace;
        FakeScreens screens;
        std::chrono::steady_clock::time_point now{};
        CaretLocator locator{tree, workspace, screens, [this] { return now; }};

        Element::Ptr focus(Element::Ptr element)
        {
            tree.focused = element;
            return element;
        }
        // A browser window in front; the content is built by the test.
        Element::Ptr browserWindow()
        {
            workspace.setFrontApplication(browser);
            auto window = Element::create(Kind::other, QStringLiteral("frame"));
            tree.windows.insert(browser.pid, window);
            return window;
        }
    };

private Q_SLOTS:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("TextAccess.debug=true")); }

    void selectionState_data()
    {
        QTest::addColumn<std::optional<Kind>>("role");
        QTest::addColumn<std::optional<TextRange>>("range");
        QTest::addColumn<std::optional<QString>>("selectedText");
        QTest::addColumn<SelectionState>("expected");

        const auto row = [](const char *name, std::optional<Kind> role, std::optional<TextRange> range,
                            std::optional<QString> text, SelectionState expected) {
            QTest::newRow(name) << role << range << text << expected;
        };
        using S = SelectionState;
        row("range unreadable", Kind::textField, std::nullopt, std::nullopt, S::unknown);
        row("text selected anywhere", Kind::other, TextRange{3, 4}, std::nullopt, S::selected);
        row("caret in a text field", Kind::textField, TextRange{3, 0}, QString(), S::empty);
        row("caret, selected text unreadable", Kind::textArea, TextRange{0, 0}, std::nullopt, S::empty);
        row("empty range but text reported", Kind::comboBox, TextRange{2, 0}, u"ab"_qs, S::selected);
        row("empty range outside text controls", Kind::webArea, TextRange{0, 0}, QString(), S::unknown);
        row("empty range, role unreadable", std::nullopt, TextRange{0, 0}, QString(), S::unknown);
    }

    void selectionState()
    {
        QFETCH(std::optional<Kind>, role);
        QFETCH(std::optional<TextRange>, range);
        QFETCH(std::optional<QString>, selectedText);
        QFETCH(SelectionState, expected);

        Rig rig;
        auto element = rig.focus(Element::create(role));
        element->selectedRangeAnswer = range;
        element->selectedTextAnswer = selectedText;
        QCOMPARE(rig.locator.selectionState(), expected);
        QVERIFY(element->reads <= 4);
    }

    void noAccessibilityMeansNoAnswers()
    {
        Rig rig;
        rig.workspace.setFrontApplication(browser);
        QCOMPARE(rig.locator.selectionState(), SelectionState::unknown);
        QTest::ignoreMessage(QtDebugMsg, "Inget fokuserat element → unknown");
        QCOMPARE(rig.locator.textAccess(), TextAccess::unknown);
        QCOMPARE(rig.locator.selectionEndRect(), std::nullopt);
        QCOMPARE(rig.locator.browserHost(), std::nullopt);
    }

    void textAccess_data()
    {
        QTest::addColumn<std::optional<Kind>>("role");
        QTest::addColumn<std::optional<QString>>("selectedText");
        QTest::addColumn<bool>("editableAncestor");
        QTest::addColumn<bool>("valueSettable");
        QTest::addColumn<bool>("selectedTextSettable");
        QTest::addColumn<int>("webAreaLevelsUp"); // -1: no web area
        QTest::addColumn<TextAccess>("expected");
        QTest::addColumn<QString>("log");

        const auto row = [](const char *name, std::optional<Kind> role, std::optional<QString> text, bool editable,
                            bool valueSettable, bool selectedSettable, int webAreaUp, TextAccess expected,
                            const char *log) {
            QTest::newRow(name) << role << text << editable << valueSettable << selectedSettable << webAreaUp
                                << expected << QString::fromUtf8(log);
        };
        using T = TextAccess;
        const QString word = u"word"_qs;
        row("inside an editable region", Kind::other, u"  "_qs, true, false, false, 0, T::editable, "Roll panel → editable");
        row("blank selection", Kind::textArea, u" \n\t"_qs, false, true, true, 0, T::unknown, "Roll panel → unknown");
        row("settable text field", Kind::textField, word, false, true, false, -1, T::editable, "Roll panel → editable");
        row("only the selection settable", Kind::textArea, std::nullopt, false, false, true, -1, T::editable,
            "Roll panel → editable");
        row("read-only text view", Kind::textArea, word, false, false, false, 0, T::readOnly, "Roll panel → readOnly");
        row("the web area itself", Kind::webArea, word, false, false, false, 0, T::readOnly, "Roll panel → readOnly");
        row("web area 9 levels up", Kind::other, word, false, false, false, 9, T::readOnly, "Roll panel → readOnly");
        row("web area 10 levels up", Kind::other, word, false, false, false, 10, T::unknown, "Roll panel → unknown");
        row("role unreadable", std::nullopt, word, false, true, true, -1, T::unknown, "Roll ? → unknown");
    }

    void textAccess()
    {
        QFETCH(std::optional<Kind>, role);
        QFETCH(std::optional<QString>, selectedText);
        QFETCH(bool, editableAncestor);
        QFETCH(bool, valueSettable);
        QFETCH(bool, selectedTextSettable);
        QFETCH(int, webAreaLevelsUp);
        QFETCH(TextAccess, expected);
        QFETCH(QString, log);

        Rig rig;
        Element::Ptr element = Element::create(role);
        // Parents are held weakly, like a real tree's, so the test keeps the top alive.
        const auto webArea = Element::create(Kind::webArea, QStringLiteral("document web"));
        if (webAreaLevelsUp > 0) {
            chainUnder(webArea, webAreaLevelsUp - 1)->append(element);
        } else if (webAreaLevelsUp == 0 && role == Kind::webArea) {
            element->roleAnswer->name = QStringLiteral("panel");
        }
        rig.focus(element);
        element->selectedTextAnswer = selectedText;
        element->valueSettable = valueSettable;
        element->selectedTextSettable = selectedTextSettable;
        if (editableAncestor)
            element->editableAncestorAnswer = Element::create(Kind::textArea);
        QTest::ignoreMessage(QtDebugMsg, log.toUtf8().constData());
        QCOMPARE(rig.locator.textAccess(), expected);
    }

    void selectionEndRect_data()
    {
        QTest::addColumn<TextRange>("range");
        QTest::addColumn<std::optional<QString>>("selectedText");
        QTest::addColumn<BoundsList>("bounds");
        QTest::addColumn<std::optional<QRectF>>("expected");

        // Accessibility coordinates: y down from the top of the 1440×900 primary screen.
        const QRectF glyph(100, 200, 8, 16);
        const QRectF glyphUp(100, 900 - 216, 8, 16);
        const QRectF line(40, 300, 400, 18);
        const QRectF lineUp(40, 900 - 318, 400, 18);
        const auto row = [](const char *name, TextRange range, std::optional<QString> text, BoundsList bounds,
                            std::optional<QRectF> expected) {
            QTest::newRow(name) << range << text << bounds << expected;
        };
        const QString abc = u"abc"_qs;
        row("last character", {10, 5}, u"hello"_qs, {{{14, 1}, glyph}}, glyphUp);
        row("trailing line break skipped", {10, 7}, u"hello\r\n"_qs, {{{14, 1}, glyph}, {{16, 1}, line}}, glyphUp);
        row("text unreadable: last offset", {10, 7}, std::nullopt, {{{16, 1}, glyph}}, glyphUp);
        row("caret", {5, 0}, QString(), {{{5, 1}, glyph}}, glyphUp);
        row("only blanks: the first offset", {4, 3}, u"   "_qs, {{{4, 1}, glyph}}, glyphUp);
        row("zero height: whole range", {0, 3}, abc, {{{2, 1}, QRectF(5, 5, 8, 0)}, {{0, 3}, line}}, lineUp);
        row("at the origin: whole range", {0, 3}, abc, {{{2, 1}, QRectF(0, 0, 8, 16)}, {{0, 3}, line}}, lineUp);
        row("both fail", {0, 3}, abc, {{{2, 1}, QRectF(0, 0, 8, 16)}, {{0, 3}, QRectF(1, 1, 0, 0)}}, std::nullopt);
        row("off every screen", {0, 1}, u"a"_qs, {{{0, 1}, QRectF(3000, 200, 8, 16)}}, std::nullopt);
        row("on the second screen", {0, 1}, u"a"_qs, {{{0, 1}, QRectF(-500, 100, 8, 16)}},
            QRectF(-500, 900 - 116, 8, 16));
    }

    void selectionEndRect()
    {
        QFETCH(TextRange, range);
        QFETCH(std::optional<QString>, selectedText);
        QFETCH(BoundsList, bounds);
        QFETCH(std::optional<QRectF>, expected);

        Rig rig;
        // A second screen left of the primary one, its top 100 points higher.
        rig.screens.setScreens({{QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875)},
                                {QRectF(-1024, 0, 1024, 1000), QRectF(-1024, 0, 1024, 1000)}});
        auto element = rig.focus(Element::create(Kind::textArea));
        element->selectedRangeAnswer = range;
        element->selectedTextAnswer = selectedText;
        for (const auto &[r, rect] : bounds)
            element->setBounds(r, rect);
        QCOMPARE(rig.locator.selectionEndRect(), expected);
        QVERIFY(element->reads <= 5);
    }

    void selectionEndRectWithoutScreens()
    {
        Rig rig;
        rig.screens.setScreens({});
        auto element = rig.focus(Element::create(Kind::textArea));
        element->selectedRangeAnswer = TextRange{0, 1};
        element->setBounds({0, 1}, QRectF(10, 10, 8, 16));
        QCOMPARE(rig.locator.selectionEndRect(), std::nullopt);
    }

    void pageAddressWinsOverAddressField()
    {
        Rig rig;
        auto window = rig.browserWindow();
        addressEntry(window->append(Element::create()), u"other.example.org/path"_qs);
        webArea(chainUnder(window, 4), u"https://www.Example.test:8443/page?q=1"_qs);
        QTest::ignoreMessage(QtDebugMsg, "Webbplats example.test (sidan)");
        QCOMPARE(rig.locator.browserHost(), QStringLiteral("example.test"));
    }

    void addressFieldWhenThePageHasNoAddress()
    {
        Rig rig;
        auto window = rig.browserWindow();
        webArea(window);
        for (const QString &value : {u"Search or type"_qs, u"www.example.net/a b"_qs, u"example.net/docs"_qs,
                                     u"late.example.com"_qs})
            addressEntry(window, value);
        QTest::ignoreMessage(QtDebugMsg, "Webbplats example.net (adressfältet)");
        QCOMPARE(rig.locator.browserHost(), QStringLiteral("example.net"));
    }

    void websiteSearchLimits_data()
    {
        QTest::addColumn<int>("siblingsBefore"); // plain elements queued before the web area's branch
        QTest::addColumn<int>("level");          // the web area's level below the window
        QTest::addColumn<bool>("found");

        QTest::newRow("deepest examined level") << 0 << 12 << true;
        QTest::newRow("below it") << 0 << 13 << false;
        QTest::newRow("last examined position") << 397 << 1 << true;
        QTest::newRow("first position past the limit") << 398 << 1 << false;
    }

    void websiteSearchLimits()
    {
        QFETCH(int, siblingsBefore);
        QFETCH(int, level);
        QFETCH(bool, found);

        Rig rig;
        auto window = rig.browserWindow();
        for (int i = 0; i < siblingsBefore; ++i)
            window->append(Element::create());
        webArea(chainUnder(window, level - 1), u"http://example.test/"_qs);
        QCOMPARE(rig.locator.browserHost(), found ? std::optional(QStringLiteral("example.test")) : std::nullopt);
    }

    void slowBrowserYieldsTheCandidateSoFar()
    {
        Rig rig;
        auto window = rig.browserWindow();
        addressEntry(window, u"example.org"_qs);
        webArea(chainUnder(window, 40), u"https://example.test/"_qs);
        int reads = 0;
        std::function<void(const Element::Ptr &)> slowDown = [&](const Element::Ptr &e) {
            e->onRead = [&] {
                ++reads;
                rig.now += 10ms;
            };
            for (const Element::Ptr &child : e->childElements())
                slowDown(child);
        };
        slowDown(window);
        QCOMPARE(rig.locator.browserHost(), QStringLiteral("example.org"));
        // Each element costs at most a role, a value and a children read; the budget stops the rest.
        QVERIFY2(reads <= 30 + 3, qPrintable(QString::number(reads)));
    }

    // The copy protocol asks the locator first: an empty text field means no copy keys at all.
    void copyOfAnEmptyTextFieldIsSkipped()
    {
        FakePlatform fake;
        CaretLocator locator(fake.accessibility, fake.workspace, fake.screens);
        TextReplacer replacer(fake.clipboard, fake.keyboard, fake.workspace, locator);
        auto field = Element::create(Kind::textField, QStringLiteral("text"));
        field->selectedRangeAnswer = TextRange{3, 0};
        field->selectedTextAnswer = QString();
        fake.accessibility.focused = field;
        const auto outcome = TaskRunner::run(replacer.copySelection());
        QCOMPARE(outcome.ringleError(), RingleError::nothingSelected());
        QVERIFY(fake.keyboard.events().isEmpty());
        QCOMPARE(fake.clipboard.readCount(), 0);
    }

    void unreadableChildrenEndTheBranch()
    {
        Rig rig;
        auto window = rig.browserWindow();
        auto hidden = window->append(Element::create());
        hidden->childrenReadable = false;
        webArea(hidden, u"https://example.test/"_qs);
        QCOMPARE(rig.locator.browserHost(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestCaretLocator)
#include "test_caretlocator.moc"
