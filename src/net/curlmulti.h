#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>
#include <curl/curl.h>

struct CurlLibrary;

class QSocketNotifier;

// Drives libcurl's multi interface from the Qt event loop: curl says which sockets to watch and
// when to wake it; socket notifiers and one timer call it back. Finished transfers are handed to
// the callback each easy handle carries (see Transfer). Main thread only.
class CurlMulti final : public QObject {
public:
    // What an easy handle's CURLOPT_PRIVATE points to.
    class Transfer {
    public:
        virtual ~Transfer() = default;
        virtual void transferDone(CURLcode result) = 0;
    };

    CurlMulti();
    ~CurlMulti() override;

    // Easy handles come from `curl`, which must be loaded; the first one starts curl's multi handle.
    void add(const CurlLibrary &curl, CURL *easy);
    // Stops a transfer; an unfinished one loses its connection.
    void remove(CURL *easy);
    // Lets curl run at once, e.g. after a paused transfer was resumed.
    void kick();

private:
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    static int onSocket(CURL *easy, curl_socket_t socket, int what, void *self, void *socketData);
    static int onTimer(CURLM *multi, long timeoutMs, void *self);
    void watch(curl_socket_t socket, int what);
    void act(curl_socket_t socket, int events);
    void collectFinished();

    const CurlLibrary *m_curl = nullptr;
    CURLM *m_multi = nullptr;
    QTimer m_timer;
    QHash<curl_socket_t, Watch> m_watches;
};
