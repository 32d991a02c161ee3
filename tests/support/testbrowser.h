#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>

// Debian's Chromium in a real window (a headless browser offers no accessibility) showing a page
// served from loopback under a made-up host name. The page asks the server for a command every
// 100 ms, so a test can change the selection without touching the browser:
//   "page"  select words of a paragraph (text that cannot be edited)
//   "field" focus the form field and select part of its text
//   "caret" focus the form field with only a caret
class TestBrowser final : public QObject {
    Q_OBJECT
public:
    static constexpr const char *host = "www.example.test";

    ~TestBrowser() override;

    // The browser's path; empty when it is not installed.
    static QString executable();
    // Serves the page and starts the browser on it.
    bool start();
    void setCommand(const QByteArray &command) { m_command = command; }
    // The page has loaded and its script asks for commands.
    bool isPageRunning() const { return m_pageRunning; }
    qint64 pid() const { return m_browser.processId(); }

private:
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    QProcess m_browser;
    QTemporaryDir m_profile;
    QByteArray m_command = "page";
    bool m_pageRunning = false;
};
