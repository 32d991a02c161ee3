// A separate clipboard owner and reader for tests, driven over stdin/stdout, one reply per line.
// Contents travel as JSON arrays of [type, base64 data] pairs, in order.
//   own <json>     take the clipboard with these formats   -> ok
//   dump           read the clipboard through Qt (all formats it lists) -> dump <json>
//   owner          -> owner yes|no (whether this process owns the clipboard)
//   freeze <ms>    reply ok, then stop answering anyone (the main thread sleeps)
//   quit
#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QSocketNotifier>
#include <QThread>

#include <cstdio>
#include <unistd.h>

namespace {
void reply(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QClipboard *clipboard = QGuiApplication::clipboard();
    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        static char buffer[1 << 20];
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
            if (cmd == "own") {
                auto *data = new QMimeData;
                for (const QJsonValue &pair : QJsonDocument::fromJson(rest).array()) {
                    const QJsonArray p = pair.toArray();
                    data->setData(p.at(0).toString(), QByteArray::fromBase64(p.at(1).toString().toLatin1()));
                }
                clipboard->setMimeData(data);
                reply("ok");
            } else if (cmd == "dump") {
                QJsonArray formats;
                if (const QMimeData *data = clipboard->mimeData()) {
                    for (const QString &f : data->formats())
                        formats.append(QJsonArray{f, QString::fromLatin1(data->data(f).toBase64())});
                }
                reply("dump " + QJsonDocument(formats).toJson(QJsonDocument::Compact));
            } else if (cmd == "owner") {
                reply(clipboard->ownsClipboard() ? "owner yes" : "owner no");
            } else if (cmd == "freeze") {
                reply("ok");
                QThread::msleep(rest.toULong());
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
