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
#include <QThread>

#include "stdinlines.h"

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QClipboard *clipboard = QGuiApplication::clipboard();
    StdinLines input([&](const QByteArray &line) {
        const auto [cmd, rest] = splitCommand(line);
        if (cmd == "own") {
            auto *data = new QMimeData;
            for (const QJsonValue &pair : QJsonDocument::fromJson(rest).array()) {
                const QJsonArray p = pair.toArray();
                data->setData(p.at(0).toString(), QByteArray::fromBase64(p.at(1).toString().toLatin1()));
            }
            clipboard->setMimeData(data);
            replyLine("ok");
        } else if (cmd == "dump") {
            QJsonArray formats;
            if (const QMimeData *data = clipboard->mimeData()) {
                for (const QString &f : data->formats())
                    formats.append(QJsonArray{f, QString::fromLatin1(data->data(f).toBase64())});
            }
            replyLine("dump " + QJsonDocument(formats).toJson(QJsonDocument::Compact));
        } else if (cmd == "owner") {
            replyLine(clipboard->ownsClipboard() ? "owner yes" : "owner no");
        } else if (cmd == "freeze") {
            replyLine("ok");
            QThread::msleep(rest.toULong());
        } else if (cmd == "quit") {
            app.quit();
        } else {
            replyLine("error unknown command");
        }
    });
    replyLine("ready " + QByteArray::number(QCoreApplication::applicationPid()));
    return app.exec();
}
