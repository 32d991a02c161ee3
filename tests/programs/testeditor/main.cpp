// A test editor: one editable text and one read-only text in a window. Commands arrive one per
// line on stdin; each gets one reply line on stdout. Texts travel as JSON arrays of one string.
//   set <json>            editable text          -> ok
//   setviewer <json>      read-only text         -> ok
//   text / viewertext     -> text <json>
//   select <from> <to>    select in the editable text and focus it   -> ok
//   selectviewer <f> <t>  the same in the read-only text             -> ok
//   selection             -> selection <json> (of the focused text)
//   activate              raise and activate the window              -> ok
//   quit
// Options: --title <title>, --ignore-copy (swallows the copy keys, like an app that forbids copying),
// --no-stdin (started by something else than a test: takes no commands and stays until closed).
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {
QString decode(const QByteArray &json)
{
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    return doc.isArray() ? doc.array().at(0).toString() : QString();
}

QByteArray encode(const QString &text)
{
    return QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
}

void reply(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class CopyBlocker final : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
                event->accept();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void select(QTextEdit *edit, int from, int to)
{
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(qBound(0, from, int(edit->toPlainText().size())));
    cursor.setPosition(qBound(0, to, int(edit->toPlainText().size())), QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->setFocus();
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QWidget window;
    const qsizetype titleAt = args.indexOf(u"--title"_qs);
    window.setWindowTitle(titleAt >= 0 && titleAt + 1 < args.size() ? args.at(titleAt + 1) : u"Test editor"_qs);
    auto *editor = new QTextEdit(&window);
    editor->setAcceptRichText(false);
    editor->setObjectName(u"editor"_qs);
    auto *viewer = new QTextEdit(&window);
    viewer->setReadOnly(true);
    viewer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    viewer->setObjectName(u"viewer"_qs);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(editor);
    layout->addWidget(viewer);
    if (args.contains(u"--ignore-copy"_qs)) {
        auto *blocker = new CopyBlocker(&window);
        editor->installEventFilter(blocker);
        viewer->installEventFilter(blocker);
    }
    window.resize(480, 360);
    window.show();
    editor->setFocus();

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(!args.contains(u"--no-stdin"_qs));
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[65536];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, n);
        for (qsizetype nl = pending.indexOf('\n'); nl >= 0; nl = pending.indexOf('\n')) {
            const QByteArray line = pending.left(nl);
            pending.remove(0, nl + 1);
            const qsizetype space = line.indexOf(' ');
            const QByteArray cmd = space < 0 ? line : line.left(space);
            const QByteArray rest = space < 0 ? QByteArray() : line.mid(space + 1);
            const QList<QByteArray> nums = rest.split(' ');
            if (cmd == "set") {
                editor->setPlainText(decode(rest));
                reply("ok");
            } else if (cmd == "setviewer") {
                viewer->setPlainText(decode(rest));
                reply("ok");
            } else if (cmd == "text") {
                reply("text " + encode(editor->toPlainText()));
            } else if (cmd == "viewertext") {
                reply("text " + encode(viewer->toPlainText()));
            } else if ((cmd == "select" || cmd == "selectviewer") && nums.size() == 2) {
                select(cmd == "select" ? editor : viewer, nums.at(0).toInt(), nums.at(1).toInt());
                reply("ok");
            } else if (cmd == "selection") {
                const QTextEdit *focused = viewer->hasFocus() ? viewer : editor;
                reply("selection " + encode(focused->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n')));
            } else if (cmd == "activate") {
                window.raise();
                window.activateWindow();
                reply("ok");
            } else if (cmd == "quit") {
                app.quit();
            } else {
                reply("error unknown command");
            }
        }
    });
    reply("ready " + QByteArray::number(QCoreApplication::applicationPid()));
    return app.exec();
}
