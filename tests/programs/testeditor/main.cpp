// A test editor: one editable text and one read-only text in a window. Commands arrive one per
// line on stdin; each gets one reply line on stdout. Texts travel as JSON arrays of one string.
//   set <json>            editable text          -> ok
//   setviewer <json>      read-only text         -> ok
//   text / viewertext     -> text <json>
//   select <from> <to>    select in the editable text and focus it   -> ok
//   selectviewer <f> <t>  the same in the read-only text             -> ok
//   selection             -> selection <json> (of the focused text)
//   activate              raise and activate the window              -> ok
//   active                -> active 1 while the window has the keyboard, else active 0
//   quit
// Options: --title <title>, --ignore-copy (swallows the copy keys, like an app that forbids copying),
// --no-stdin (started by something else than a test: takes no commands and stays until closed).
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "stdinlines.h"

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

    StdinLines input([&](const QByteArray &line) {
        const auto [cmd, rest] = splitCommand(line);
        const QList<QByteArray> nums = rest.split(' ');
        if (cmd == "set") {
            editor->setPlainText(decode(rest));
            replyLine("ok");
        } else if (cmd == "setviewer") {
            viewer->setPlainText(decode(rest));
            replyLine("ok");
        } else if (cmd == "text") {
            replyLine("text " + encode(editor->toPlainText()));
        } else if (cmd == "viewertext") {
            replyLine("text " + encode(viewer->toPlainText()));
        } else if ((cmd == "select" || cmd == "selectviewer") && nums.size() == 2) {
            select(cmd == "select" ? editor : viewer, nums.at(0).toInt(), nums.at(1).toInt());
            replyLine("ok");
        } else if (cmd == "selection") {
            const QTextEdit *focused = viewer->hasFocus() ? viewer : editor;
            replyLine("selection " + encode(focused->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n')));
        } else if (cmd == "activate") {
            window.raise();
            window.activateWindow();
            replyLine("ok");
        } else if (cmd == "active") {
            replyLine(window.isActiveWindow() ? "active 1" : "active 0");
        } else if (cmd == "quit") {
            app.quit();
        } else {
            replyLine("error unknown command");
        }
    });
    input.setEnabled(!args.contains(u"--no-stdin"_qs));
    replyLine("ready " + QByteArray::number(QCoreApplication::applicationPid()));
    return app.exec();
}
