#include "net/curlmulti.h"

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
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
    m_multi = curl_multi_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
}

CurlMulti::~CurlMulti()
{
    for (Watch &watch : m_watches) {
        delete watch.read;
        delete watch.write;
    }
    curl_multi_cleanup(m_multi);
}

void CurlMulti::add(CURL *easy)
{
    curl_multi_add_handle(m_multi, easy);
}

void CurlMulti::remove(CURL *easy)
{
    curl_multi_remove_handle(m_multi, easy);
}

void CurlMulti::kick()
{
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
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    collectFinished();
}

void CurlMulti::collectFinished()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        CURL *easy = message->easy_handle;
        const CURLcode result = message->data.result;
        Transfer *transfer = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &transfer);
        curl_multi_remove_handle(m_multi, easy);
        if (transfer)
            transfer->transferDone(result);
    }
}
