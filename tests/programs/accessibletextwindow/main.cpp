// A window with an editable line and a read-only text view, for tests that read text through the
// accessibility bus. Commands on standard input, one per line; each is answered with one line:
//   focus edit|view            give the field or the view the keyboard focus      -> ok
//   select edit|view FROM TO   select characters FROM..TO (caret alone when equal) -> ok
//   rect edit|view             the cursor rectangle at the selection's end, global -> x y w h
//   glyph view N               where the view draws character N, global            -> x y w h
//   quit
#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <QSocketNotifier>
#include <QTextBlock>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {
QString answer(QLineEdit &edit, QTextEdit &view, const QStringList &words)
{
    const QString command = words.value(0);
    const bool onEdit = words.value(1) == QLatin1String("edit");
    QWidget *target = onEdit ? static_cast<QWidget *>(&edit) : &view;
    if (command == QLatin1String("focus")) {
        target->activateWindow();
        target->setFocus(Qt::OtherFocusReason);
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("select") && words.size() == 4) {
        const int from = words[2].toInt();
        const int to = words[3].toInt();
        if (onEdit) {
            edit.setSelection(from, to - from);
            if (from == to)
                edit.setCursorPosition(from);
        } else {
            QTextCursor cursor = view.textCursor();
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            view.setTextCursor(cursor);
        }
        return QStringLiteral("ok");
    }
    if (command == QLatin1String("rect")) {
        QRect r;
        if (onEdit) {
            // The line edit's own cursor rectangle is protected; the input method query is public.
            r = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
            r.moveTopLeft(edit.mapToGlobal(r.topLeft()));
        } else {
            r = view.cursorRect();
            r.moveTopLeft(view.viewport()->mapToGlobal(r.topLeft()));
        }
        return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    if (command == QLatin1String("glyph") && !onEdit && words.size() == 3) {
        // From the caret positions before and after the character, as the view lays them out.
        QTextCursor cursor(view.document());
        cursor.setPosition(words[2].toInt());
        QRect r = view.cursorRect(cursor);
        cursor.setPosition(words[2].toInt() + 1);
        const QRect after = view.cursorRect(cursor);
        r.setWidth(after.top() == r.top() ? after.x() - r.x() : 0);
        r.moveTopLeft(view.viewport()->mapToGlobal(r.topLeft()));
        return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return QStringLiteral("error");
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Accessible text window"));
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new QLineEdit(QStringLiteral("Editable line of text"));
    edit->setAccessibleName(QStringLiteral("editable field"));
    auto *view = new QTextEdit;
    view->setPlainText(QStringLiteral("First line of the view\nSecond line\n\nLast line"));
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setAccessibleName(QStringLiteral("read-only view"));
    layout->addWidget(edit);
    layout->addWidget(view);
    window.resize(480, 320);
    window.move(100, 100);
    window.show();

    QSocketNotifier input(fileno(stdin), QSocketNotifier::Read);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        const QString line = in.readLine();
        if (line.isNull() || line == QLatin1String("quit")) {
            app.quit();
            return;
        }
        out << answer(*edit, *view, line.split(QLatin1Char(' '), Qt::SkipEmptyParts)) << Qt::endl;
    });
    out << "ready" << Qt::endl;
    return app.exec();
}
