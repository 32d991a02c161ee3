#include "testbrowser.h"

#include "testsupport.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTcpSocket>

namespace {
const QByteArray page = R"(<!doctype html>
<html><head><title>Ringle test page</title></head><body>
<p id="p">Some readable paragraph text on the page.</p>
<input id="f" type="text" value="form field text">
<script>
let last = '';
function apply(command) {
  const field = document.getElementById('f');
  if (command === 'page') {
    field.blur();
    const text = document.getElementById('p').firstChild;
    const range = document.createRange();
    range.setStart(text, 5);
    range.setEnd(text, 23);
    getSelection().removeAllRanges();
    getSelection().addRange(range);
  } else if (command === 'field') {
    field.focus();
    field.setSelectionRange(5, 10);
  } else if (command === 'caret') {
    field.focus();
    field.setSelectionRange(3, 3);
  }
}
async function poll() {
  try {
    const reply = await fetch('/command', {cache: 'no-store'});
    const command = await reply.text();
    if (command !== last) { last = command; apply(command); }
  } catch (e) {}
  setTimeout(poll, 100);
}
poll();
</script></body></html>
)";

QByteArray response(const QByteArray &status, const QByteArray &type, const QByteArray &body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
}
} // namespace

TestBrowser::~TestBrowser()
{
    if (m_browser.state() != QProcess::NotRunning) {
        m_browser.terminate();
        TestSupport::finishOrKill(m_browser, 5000);
    }
}

QString TestBrowser::executable()
{
    const QString path = QStringLiteral("/usr/bin/chromium");
    return QFileInfo(path).isExecutable() ? path : QString();
}

bool TestBrowser::start()
{
    if (executable().isEmpty() || !m_profile.isValid() || !m_server.listen(QHostAddress::LocalHost))
        return false;
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Chromium joins the accessibility bus only when asked to.
    environment.insert(QStringLiteral("ACCESSIBILITY_ENABLED"), QStringLiteral("1"));
    m_browser.setProcessEnvironment(environment);
    m_browser.setStandardOutputFile(QProcess::nullDevice());
    m_browser.setStandardErrorFile(QProcess::nullDevice());
    m_browser.start(executable(), {
        QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
        QStringLiteral("--no-first-run"), QStringLiteral("--no-default-browser-check"), QStringLiteral("--test-type"),
        QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
        QStringLiteral("--disable-sync"), QStringLiteral("--password-store=basic"),
        QStringLiteral("--force-renderer-accessibility"), QStringLiteral("--window-position=0,0"),
        QStringLiteral("--window-size=900,700"), QStringLiteral("--user-data-dir=") + m_profile.path(),
        QStringLiteral("--host-resolver-rules=MAP %1 127.0.0.1:%2").arg(QLatin1String(host)).arg(m_server.serverPort()),
        QStringLiteral("http://%1/").arg(QLatin1String(host)),
    });
    return m_browser.waitForStarted(10000);
}

void TestBrowser::answer(QTcpSocket *socket)
{
    const QByteArray request = socket->peek(8192);
    if (!request.contains("\r\n\r\n"))
        return;
    socket->readAll();
    const QByteArray path = request.split(' ').value(1);
    if (path == "/") {
        socket->write(response("200 OK", "text/html; charset=utf-8", page));
    } else if (path == "/command") {
        m_pageRunning = true;
        socket->write(response("200 OK", "text/plain", m_command));
    } else {
        socket->write(response("404 Not Found", "text/plain", {}));
    }
    socket->disconnectFromHost();
}
