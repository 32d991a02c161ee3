// Copy and replace cycles through the real backend (Wayland where WAYLAND_DISPLAY is set, else
// X11), each starting from random multi-format clipboard content owned by another process,
// counting how often that content came back byte-exact. Usage: clipboardstress [cycles] [seed]
#include "actions/textreplacer.h"
#include "caret/selectionstate.h"
#include "lineprocess.h"
#include "platform/wayland/waylandplatform.h"
#include "platform/x11/x11platform.h"
#include "waylandtestsupport.h"
#include "taskrunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

using TestSupport::Formats;
using TestSupport::LineProcess;
using TestSupport::contentOf;
using TestSupport::randomBytes;

namespace {
QString randomText(QRandomGenerator &gen, int length)
{
    static const QString alphabet = u"abcdefghijklmnopqrstuvwxyzÄÖÜßéñ漢字🙂 \n\t<>&\""_qs;
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet.at(gen.bounded(int(alphabet.size())));
    return text;
}

Formats randomContent(QRandomGenerator &gen, bool huge)
{
    Formats f;
    if (gen.bounded(4) != 0)
        f.append({u"text/plain"_qs, randomText(gen, gen.bounded(1, 2000)).toUtf8()});
    if (gen.bounded(2))
        f.append({u"text/html"_qs, ("<p>" + randomText(gen, gen.bounded(1, 500)) + "</p>").toUtf8()});
    if (huge || gen.bounded(3) == 0)
        f.append({u"image/png"_qs, randomBytes(gen, huge ? 5 * 1024 * 1024 : gen.bounded(1, 300000))});
    if (gen.bounded(2))
        f.append({u"application/x-stress-"_qs + QString::number(gen.bounded(100)), randomBytes(gen, gen.bounded(0, 5000))});
    if (gen.bounded(5) == 0)
        f.append({u"application/x-zero"_qs, QByteArray()});
    if (f.isEmpty())
        f.append({u"text/plain"_qs, "x"});
    return f;
}

std::optional<Formats> dump(LineProcess &reader)
{
    const QByteArray line = reader.request("dump", 30000);
    if (!line.startsWith("dump ")) {
        // Otherwise a reader that failed looks like an empty clipboard.
        std::printf("  the reader said: %s\n", line.isEmpty() ? "nothing" : line.left(300).constData());
        return std::nullopt;
    }
    return TestSupport::decodeFormats(line.mid(5));
}
} // namespace

// Ringle's GNOME Shell extension serves only a program called ringle: run as a copy of that name.
void runAsRingleOnGnome(char *argv[])
{
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (!qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(u"GNOME"_qs) || self.symLinkTarget().endsWith(u"/ringle"_qs))
        return;
    static QTemporaryDir dir;
    const QString copy = dir.filePath(u"ringle"_qs);
    if (!dir.isValid() || !QFile::copy(self.symLinkTarget(), copy)
        || !QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner))
        return;
    // The copy's directory goes with this process once it has replaced itself; the copy runs on.
    dir.setAutoRemove(false);
    execv(copy.toLocal8Bit().constData(), argv);
}

int main(int argc, char *argv[])
{
    runAsRingleOnGnome(argv);
    QApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    QRandomGenerator gen(argc > 2 ? quint32(atoi(argv[2])) : 20261206u);
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    std::unique_ptr<WaylandPlatform> waylandBackend = wayland ? WaylandPlatform::create() : nullptr;
    std::unique_ptr<X11Platform> x11Backend = wayland ? nullptr : X11Platform::create();
    if (!waylandBackend && !x11Backend) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const Platform p = waylandBackend ? waylandBackend->platform() : x11Backend->platform();
    UnknownSelectionState selection;
    TextReplacer replacer(p.clipboard, p.keyboard, p.workspace, selection);
    LineProcess editor, owner, reader;
    // GNOME offers no data-control: other processes reach its clipboard through Mutter.
    const bool gnome = qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(u"GNOME"_qs);
    const QString tool = !wayland ? u"clipboardtool"_qs : gnome ? u"mutterclipboardtool"_qs : u"waylandclipboardtool"_qs;
    const bool editorUp = wayland ? editor.start(TestSupport::programPath(u"testeditor"_qs), {u"--title"_qs, u"Stress"_qs})
                                        && TestSupport::waitUntilEditorFocused(editor)
                                  : TestSupport::startTestEditor(editor, u"Stress"_qs);
    if (!editorUp || !owner.start(TestSupport::programPath(tool)) || !reader.start(TestSupport::programPath(tool))) {
        std::fprintf(stderr, "could not start the helper programs\n");
        return 2;
    }
    if (!QTest::qWaitFor([&] { const auto f = p.workspace.frontApplication(); return f && f->pid == editor.pid(); }, 10000)) {
        std::fprintf(stderr, "the test editor did not come to the front\n");
        return 2;
    }

    int exact = 0, operationFailures = 0;
    qint64 longest = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < cycles; ++i) {
        const bool huge = i % 25 == 7;
        const Formats content = randomContent(gen, huge);
        owner.request("own " + TestSupport::encodeFormats(content), 30000);
        const std::optional<Formats> before = dump(reader);
        const QString text = u"cycle "_qs + QString::number(i) + u" some words to select"_qs;
        editor.request("set " + TestSupport::encodeText(text));
        editor.request("select 6 " + QByteArray::number(text.indexOf(u" some")));
        QElapsedTimer op;
        op.start();
        bool ok;
        if (i % 2 == 0) {
            const auto outcome = TaskRunner::run(replacer.copySelection());
            ok = !outcome.error && *outcome.value == QString::number(i);
        } else {
            const auto error = TaskRunner::run(replacer.replaceSelection([](QString s) -> QCoro::Task<QString> { co_return s + u"!"_qs; }));
            ok = !error;
        }
        longest = std::max(longest, op.elapsed());
        // Asked of another process, the restore must have reached the compositor first.
        p.clipboard.changeCount();
        const std::optional<Formats> after = dump(reader);
        const bool same = before && after && contentOf(*after) == contentOf(*before) && !contentOf(*before).isEmpty();
        exact += same ? 1 : 0;
        operationFailures += ok ? 0 : 1;
        if (!same || !ok) {
            std::printf("cycle %d (%s%s): %s%s\n", i, i % 2 ? "replace" : "copy", huge ? ", 5 MB image" : "",
                        same ? "" : "clipboard differs ", ok ? "" : "operation failed");
            const auto b = before ? contentOf(*before) : QHash<QString, QByteArray>{};
            const auto a = after ? contentOf(*after) : QHash<QString, QByteArray>{};
            for (const QString &type : QSet<QString>(b.keyBegin(), b.keyEnd()) + QSet<QString>(a.keyBegin(), a.keyEnd())) {
                if (a.value(type) != b.value(type) || a.contains(type) != b.contains(type))
                    std::printf("  %s: before %s %lld bytes, after %s %lld bytes\n", qPrintable(type), b.contains(type) ? "" : "(absent)",
                                qlonglong(b.value(type).size()), a.contains(type) ? "" : "(absent)", qlonglong(a.value(type).size()));
            }
        }
    }
    std::printf("%d of %d cycles restored the clipboard byte-exact; %d operations failed; longest operation %lld ms; "
                "%lld s in all\n",
                exact, cycles, operationFailures, longest, total.elapsed() / 1000);
    return exact == cycles && operationFailures == 0 ? 0 : 1;
}
