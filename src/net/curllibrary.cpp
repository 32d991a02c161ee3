#include "net/curllibrary.h"

#include <QMetaObject>
#include <QPointer>
#include <QThreadPool>

#include <atomic>
#include <dlfcn.h>

namespace {
std::atomic<bool> loaded{false};

// The library the build was made against (libcurl4's name).
constexpr const char *libraryName = "libcurl.so.4";

QString &error()
{
    static QString text;
    return text;
}

const CurlLibrary *load()
{
    void *handle = dlopen(libraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error() = QString::fromLocal8Bit(dlerror());
        return nullptr;
    }
    static CurlLibrary library;
    bool complete = true;
    const auto find = [&]<typename F>(F &function, const char *name) {
        function = reinterpret_cast<F>(dlsym(handle, name));
        if (!function) {
            complete = false;
            error() = QStringLiteral("%1 lacks %2").arg(QLatin1String(libraryName), QLatin1String(name));
        }
    };
    find(library.global_init, "curl_global_init");
    find(library.multi_init, "curl_multi_init");
    find(library.multi_setopt, "curl_multi_setopt");
    find(library.multi_cleanup, "curl_multi_cleanup");
    find(library.multi_add_handle, "curl_multi_add_handle");
    find(library.multi_remove_handle, "curl_multi_remove_handle");
    find(library.multi_socket_action, "curl_multi_socket_action");
    find(library.multi_info_read, "curl_multi_info_read");
    find(library.easy_init, "curl_easy_init");
    find(library.easy_setopt, "curl_easy_setopt");
    find(library.easy_cleanup, "curl_easy_cleanup");
    find(library.easy_getinfo, "curl_easy_getinfo");
    find(library.easy_strerror, "curl_easy_strerror");
    find(library.easy_pause, "curl_easy_pause");
    find(library.slist_append, "curl_slist_append");
    find(library.slist_free_all, "curl_slist_free_all");
    // Kept loaded for the rest of the run: curl's global state lives in it.
    return complete ? &library : nullptr;
}

// The loaded library (any thread), then initialised once on the thread that sends requests:
// OpenSSL keeps per-thread state for the thread that initialises it, which a worker that ends
// would leave behind.
const CurlLibrary *found()
{
    static const CurlLibrary *const library = load();
    return library;
}

const CurlLibrary *initialised()
{
    static const CurlLibrary *const library = [] {
        const CurlLibrary *curl = found();
        if (curl) {
            if (const CURLcode result = curl->global_init(CURL_GLOBAL_DEFAULT); result != CURLE_OK) {
                error() = QStringLiteral("libcurl did not initialise (code %1)").arg(int(result));
                curl = nullptr;
            }
        }
        loaded = true;
        return curl;
    }();
    return library;
}
} // namespace

const CurlLibrary *CurlLibrary::get()
{
    return initialised();
}

bool CurlLibrary::isLoaded()
{
    return loaded;
}

void CurlLibrary::whenLoaded(QObject *context, std::function<void(const CurlLibrary *)> done)
{
    if (isLoaded()) {
        done(get());
        return;
    }
    // The global pool is waited for at exit, so no load is cut off while it holds the loader.
    QThreadPool::globalInstance()->start([guard = QPointer<QObject>(context), done = std::move(done)]() mutable {
        found();
        if (QObject *target = guard.data())
            QMetaObject::invokeMethod(target, [guard, done = std::move(done)] {
                if (guard)
                    done(initialised());
            }, Qt::QueuedConnection);
    });
}

QString CurlLibrary::loadError()
{
    get();
    return error();
}
