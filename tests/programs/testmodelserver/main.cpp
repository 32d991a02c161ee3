// Test model server: prints its port on the first line of standard output, then JSON event lines.
#include "testmodelserver.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    // testmodelserver [CERTIFICATE.pem KEY.pem]: https with that certificate.
    TestModelServer server(arguments.value(1), arguments.value(2));
    if (!server.listen()) {
        std::fprintf(stderr, "testmodelserver: cannot listen on 127.0.0.1\n");
        return 1;
    }
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
