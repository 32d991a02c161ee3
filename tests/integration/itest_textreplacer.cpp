// Copying and replacing the selection of a real application (the test editor) through the X11
// backend: synthetic keys, the clipboard of another process, and the window manager's focus.
#include "base/ringleerror.h"
#include "actions/textreplacer.h"
#include "caret/selectionstate.h"
#include "lineprocess.h"
#include "platform/clipboard.h"
#include "platform/keyboard.h"
#include "platform/monotonicsleep.h"
#include "platform/workspace.h"
#include "platform/x11/x11platform.h"
#include "taskrunner.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using TestSupport::Formats;
using TestSupport::LineProcess;
using TestSupport::contentOf;
using TestSupport::editorText;
using TestSupport::xdotool;
using namespace std::chrono_literals;

class ItestTextReplacer final : public QObject {
    Q_OBJECT

    std::unique_ptr<X11Platform> m_backend;
    UnknownSelectionState m_selection;
    std::unique_ptr<TextReplacer> m_replacer;
    std::unique_ptr<LineProcess> m_owner; // the user's clipboard content lives in this process
    Formats m_userContent;

    Workspace &workspace() { return m_backend->platform().workspace; }

    std::unique_ptr<LineProcess> startEditor(const QString &title, const QStringList &args = {})
    {
        auto editor = std::make_unique<LineProcess>();
        if (!TestSupport::startTestEditor(*editor, title, args) || !waitForFront(editor->pid()))
            return nullptr;
        return editor;
    }

    bool waitForFront(qint64 pid)
    {
        return QTest::qWaitFor([&] {
            const auto front = workspace().frontApplication();
            return front && front->pid == pid;
        }, 10000);
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_backend = X11Platform::create();
        QVERIFY(m_backend);
        const Platform p = m_backend->platform();
        m_replacer = std::make_unique<TextReplacer>(p.clipboard, p.keyboard, p.workspace, m_selection);
        m_userContent = {{u"text/plain"_qs, QByteArrayLiteral("the user's clipboard")},
                         {u"text/html"_qs, QByteArrayLiteral("<i>the user's clipboard</i>")},
                         {u"image/png"_qs, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                         {u"application/x-ringle-test"_qs, QByteArray("\0\1\2\3", 4)}};
    }

    void init()
    {
        // Every case starts from content owned by another process, as a user's copy would be.
        m_owner = std::make_unique<LineProcess>();
        QVERIFY(m_owner->start(TestSupport::programPath(u"clipboardtool"_qs)));
        QCOMPARE(m_owner->request("own " + TestSupport::encodeFormats(m_userContent)), QByteArray("ok"));
    }

    void cleanup()
    {
        xdotool({u"keyup"_qs, u"alt"_qs, u"shift"_qs, u"ctrl"_qs, u"super"_qs});
        m_owner.reset();
    }

    void copySelectionRestoresTheClipboard()
    {
        auto editor = startEditor(QString::fromLatin1(QTest::currentTestFunction()));
        QVERIFY(editor);
        QVERIFY(TestSupport::setAndSelect(*editor, u"Hello brave new world"_qs, 6, 11));
        const auto outcome = TaskRunner::run(m_replacer->copySelection());
        QVERIFY(!outcome.error);
        QCOMPARE(*outcome.value, u"brave"_qs);
        QCOMPARE(contentOf(TestSupport::clipboardFromOtherProcess()), contentOf(m_userContent));
    }

    void replaceSelectionPastesAndRestoresLater()
    {
        auto editor = startEditor(QString::fromLatin1(QTest::currentTestFunction()));
        QVERIFY(editor);
        QVERIFY(TestSupport::setAndSelect(*editor, u"Hello brave new world"_qs, 6, 15));
        QStringList seen;
        QElapsedTimer timer;
        timer.start();
        const auto error = TaskRunner::run(m_replacer->replaceSelection([&](QString text) -> QCoro::Task<QString> {
            seen.append(text);
            co_return text.toUpper();
        }));
        const qint64 elapsed = timer.elapsed();
        QVERIFY(!error);
        QCOMPARE(seen, QStringList{u"brave new"_qs});
        QCOMPARE(editorText(*editor), u"Hello BRAVE NEW world"_qs);
        QVERIFY2(elapsed >= 500, qPrintable(QString::number(elapsed)));
        QCOMPARE(contentOf(TestSupport::clipboardFromOtherProcess()), contentOf(m_userContent));
    }

    void switchingAppsLeavesTheResultOnTheClipboard()
    {
        auto editor = startEditor(QString::fromLatin1(QTest::currentTestFunction()));
        QVERIFY(editor);
        auto other = startEditor(u"Other"_qs);
        QVERIFY(other);
        QVERIFY(TestSupport::waitUntilActive(editor->pid(), QString::fromLatin1(QTest::currentTestFunction())));
        QVERIFY(waitForFront(editor->pid()));
        QVERIFY(TestSupport::setAndSelect(*editor, u"keep me"_qs, 0, 4));
        const auto error = TaskRunner::run(m_replacer->replaceSelection([&](QString text) -> QCoro::Task<QString> {
            // The user clicks into another window while the model works.
            xdotool({u"search"_qs, u"--onlyvisible"_qs, u"--name"_qs, u"^Other$"_qs, u"windowactivate"_qs, u"--sync"_qs});
            const QString result = text.toUpper();
            co_await MonotonicSleep::sleepFor(50ms);
            co_return result;
        }));
        QCOMPARE(TaskRunner::errorAs<RingleError>(error), RingleError::focusChanged());
        QCOMPARE(editorText(*editor), u"keep me"_qs);
        QCOMPARE(editorText(*other), QString());
        const auto board = contentOf(TestSupport::clipboardFromOtherProcess());
        QCOMPARE(board.value(u"text/plain"_qs), QByteArray("KEEP"));
        QVERIFY(board.contains(u"org.nspasteboard.TransientType"_qs));
    }

    void appIgnoringCopyGivesNothingSelected()
    {
        auto editor = startEditor(u"Ignores copy"_qs, {u"--ignore-copy"_qs});
        QVERIFY(editor);
        QVERIFY(TestSupport::setAndSelect(*editor, u"not copyable"_qs, 0, 3));
        QElapsedTimer timer;
        timer.start();
        const auto outcome = TaskRunner::run(m_replacer->copySelection());
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(TaskRunner::errorAs<RingleError>(outcome.error), RingleError::nothingSelected());
        QVERIFY2(elapsed >= 790 && elapsed < 1500, qPrintable(QString::number(elapsed)));
        QCOMPARE(contentOf(TestSupport::clipboardFromOtherProcess()), contentOf(m_userContent));
    }

    void heldModifiersDoNotReachTheApplication()
    {
        auto editor = startEditor(QString::fromLatin1(QTest::currentTestFunction()));
        QVERIFY(editor);
        QVERIFY(TestSupport::setAndSelect(*editor, u"with alt held"_qs, 5, 8));
        QVERIFY(xdotool({u"keydown"_qs, u"alt"_qs}));
        QTRY_VERIFY(m_backend->platform().keyboard.heldModifiers().contains(KeyModifiers::option));
        QElapsedTimer timer;
        timer.start();
        const auto outcome = TaskRunner::run(m_replacer->copySelection());
        const qint64 elapsed = timer.elapsed();
        QVERIFY(!outcome.error);
        QCOMPARE(*outcome.value, u"alt"_qs);
        QVERIFY2(elapsed >= 1000, qPrintable(QString::number(elapsed))); // waited for the release first
        // The key the user holds is down again afterwards.
        QVERIFY(m_backend->platform().keyboard.heldModifiers().contains(KeyModifiers::option));
        QVERIFY(xdotool({u"keyup"_qs, u"alt"_qs}));
        QTRY_VERIFY(m_backend->platform().keyboard.heldModifiers().isEmpty());
    }

    void hugeSelection()
    {
        auto editor = startEditor(QString::fromLatin1(QTest::currentTestFunction()));
        QVERIFY(editor);
        QString text;
        for (int i = 0; text.size() < 100'000; ++i)
            text += QStringLiteral("line %1 with some words and ünïcödé\n").arg(i);
        QCOMPARE(editor->request("set " + TestSupport::encodeText(text), 30000), QByteArray("ok"));
        QCOMPARE(editor->request("select 0 " + QByteArray::number(text.size())), QByteArray("ok"));
        QElapsedTimer timer;
        timer.start();
        const auto outcome = TaskRunner::run(m_replacer->copySelection());
        qInfo("copied %lld characters in %lld ms", qlonglong(text.size()), timer.elapsed());
        QVERIFY(!outcome.error);
        QCOMPARE(outcome.value->size(), text.size());
        QCOMPARE(*outcome.value, text);
        QCOMPARE(contentOf(TestSupport::clipboardFromOtherProcess()), contentOf(m_userContent));
    }
};

QTEST_MAIN(ItestTextReplacer)
#include "itest_textreplacer.moc"
