// Test model server: prints its port on the first line of standard output, then JSON event lines.
#include "testmodelserver.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    // testmodelserver [--port N] [CERTIFICATE.pem KEY.pem]: on that port (a real server's usual
    // address) instead of a free one; https with that certificate.
    QStringList rest = arguments.mid(1);
    quint16 port = 0;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--port")); at >= 0) {
        port = quint16(rest.value(at + 1).toUInt());
        rest.remove(at, qMin<qsizetype>(2, rest.size() - at));
    }
    TestModelServer server(rest.value(0), rest.value(1));
    if (!server.listen(port)) {
        std::fprintf(stderr, "testmodelserver: cannot listen on 127.0.0.1:%u\n", unsigned(port));
        return 1;
    }
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
