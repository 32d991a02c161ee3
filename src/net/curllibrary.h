#pragma once

#include <QString>
#include <curl/curl.h>
#include <functional>

class QObject;

// The libcurl functions Ringle calls, found when the first request needs them: linked from the
// start, libcurl and the TLS and authentication libraries behind it cost about 8 MB of memory
// before anything is ever sent.
struct CurlLibrary {
    decltype(&curl_global_init) global_init;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_setopt) multi_setopt;
    decltype(&curl_multi_cleanup) multi_cleanup;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_socket_action) multi_socket_action;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_easy_pause) easy_pause;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;

    // Loaded and initialised once; null when libcurl cannot be loaded, and loadError() says why.
    // Blocks while it loads.
    static const CurlLibrary *get();
    static bool isLoaded();
    static QString loadError();
    // Loads it on a worker thread (loading takes the event loop's time otherwise: some 10 ms,
    // more under load), then calls `done` on `context`'s thread unless `context` is gone.
    static void whenLoaded(QObject *context, std::function<void(const CurlLibrary *)> done);
};
