#include "net/curlmulti.h"

#include "net/curllibrary.h"

#include <QSocketNotifier>

namespace {
void retire(QSocketNotifier *&notifier)
{
    if (!notifier)
        return;
    // It may be the one whose signal is running right now.
    notifier->setEnabled(false);
    notifier->deleteLater();
    notifier = nullptr;
}
} // namespace

CurlMulti::CurlMulti()
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlMulti::~CurlMulti()
{
    for (Watch &watch : m_watches) {
        delete watch.read;
        delete watch.write;
    }
    if (m_multi)
        m_curl->multi_cleanup(m_multi);
}

void CurlMulti::add(const CurlLibrary &curl, CURL *easy)
{
    if (!m_multi) {
        m_curl = &curl;
        m_multi = m_curl->multi_init();
        m_curl->multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::onSocket);
        m_curl->multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
        m_curl->multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::onTimer);
        m_curl->multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    }
    m_curl->multi_add_handle(m_multi, easy);
}

void CurlMulti::remove(CURL *easy)
{
    if (m_multi)
        m_curl->multi_remove_handle(m_multi, easy);
}

void CurlMulti::kick()
{
    if (!m_multi)
        return;
    m_timer.start(0);
}

int CurlMulti::onSocket(CURL *, curl_socket_t socket, int what, void *self, void *)
{
    static_cast<CurlMulti *>(self)->watch(socket, what);
    return 0;
}

int CurlMulti::onTimer(CURLM *, long timeoutMs, void *self)
{
    auto *multi = static_cast<CurlMulti *>(self);
    if (timeoutMs < 0)
        multi->m_timer.stop();
    else
        multi->m_timer.start(int(timeoutMs));
    return 0;
}

void CurlMulti::watch(curl_socket_t socket, int what)
{
    Watch &watch = m_watches[socket];
    const bool wantRead = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool wantWrite = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    if (wantRead && !watch.read) {
        watch.read = new QSocketNotifier(socket, QSocketNotifier::Read);
        connect(watch.read, &QSocketNotifier::activated, this, [this, socket] { act(socket, CURL_CSELECT_IN); });
    } else if (!wantRead) {
        retire(watch.read);
    }
    if (wantWrite && !watch.write) {
        watch.write = new QSocketNotifier(socket, QSocketNotifier::Write);
        connect(watch.write, &QSocketNotifier::activated, this, [this, socket] { act(socket, CURL_CSELECT_OUT); });
    } else if (!wantWrite) {
        retire(watch.write);
    }
    if (what == CURL_POLL_REMOVE)
        m_watches.remove(socket);
}

void CurlMulti::act(curl_socket_t socket, int events)
{
    if (!m_multi)
        return;
    int running = 0;
    m_curl->multi_socket_action(m_multi, socket, events, &running);
    collectFinished();
}

void CurlMulti::collectFinished()
{
    int left = 0;
    while (CURLMsg *message = m_curl->multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        CURL *easy = message->easy_handle;
        const CURLcode result = message->data.result;
        Transfer *transfer = nullptr;
        m_curl->easy_getinfo(easy, CURLINFO_PRIVATE, &transfer);
        m_curl->multi_remove_handle(m_multi, easy);
        if (transfer)
            transfer->transferDone(result);
    }
}
