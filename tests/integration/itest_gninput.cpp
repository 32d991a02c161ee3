// The tests' input and screenshot tools under a real GNOME Shell, where keys and the pointer go
// through the shell's test helper extension: typed text, a shortcut, a click after a relative
// move and a wheel scroll all reach a native editor.
#include "lineprocess.h"
#include "waylandtestsupport.h"
// For the support library's helpers that load Ringle's rings.
#include "wheel/wheelset.h"
#include "wheel/wheelstore.h"

#include <QTest>

using TestSupport::LineProcess;
using TestSupport::WaylandInput;

class ItestGnInput final : public QObject {
    Q_OBJECT

    WaylandInput m_input;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(TestSupport::underGnomeShell());
        QVERIFY(m_input.start());
    }
    void cleanup() { m_input.send(u"releaseall"_qs); }

    void typedTextAndShortcutReachTheEditor()
    {
        auto editor = TestSupport::waylandEditorWith(QString(), 0, 0);
        QVERIFY(editor);
        const std::optional<TestSupport::ShellFocus> focus = TestSupport::gnomeFocus();
        QVERIFY(focus);
        QCOMPARE(focus->pid, editor->pid());
        QVERIFY(!focus->frame.isEmpty());
        QVERIFY(m_input.send(u"type hello"_qs) && m_input.sync());
        QTRY_COMPARE(TestSupport::editorText(*editor), u"hello"_qs);
        QVERIFY(m_input.send(u"key ctrl+a"_qs) && m_input.sync());
        QTRY_COMPARE(editor->request("selection"), QByteArray(R"(selection ["hello"])"));
        TestSupport::waylandScreenshot(u"gnome-typed.png"_qs);
    }

    void scrolledThenClickedWhereThePointerWent()
    {
        QStringList lines;
        for (int i = 0; i < 200; ++i)
            lines.append(u"line %1"_qs.arg(i));
        auto editor = TestSupport::waylandEditorWith(lines.join(u'\n'), 0, 0);
        QVERIFY(editor);
        const std::optional<TestSupport::ShellFocus> focus = TestSupport::gnomeFocus();
        QVERIFY(focus && focus->pid == editor->pid());
        // The editable text is the window's upper half: its first line, reached from below it.
        const QPoint firstLine = focus->frame.topLeft() + QPoint(30, 20);
        QVERIFY(m_input.send(u"move %1 %2"_qs.arg(firstLine.x()).arg(firstLine.y() + 250)));
        QVERIFY(m_input.send(u"moveby 0 -250"_qs));
        QVERIFY(m_input.send(u"scroll 10"_qs) && m_input.sync());
        QVERIFY(m_input.send(u"click left"_qs) && m_input.send(u"type X"_qs) && m_input.sync());
        QTRY_VERIFY(TestSupport::editorText(*editor).contains(u'X'));
        TestSupport::waylandScreenshot(u"gnome-scrolled.png"_qs);
        // Unscrolled, the click would have put it on the first line.
        const QString text = TestSupport::editorText(*editor);
        QVERIFY2(text.left(text.indexOf(u'X')).count(u'\n') >= 10, qPrintable(text.left(200)));
    }
};

QTEST_GUILESS_MAIN(ItestGnInput)
#include "itest_gninput.moc"
