// A web page's head as any site may serve it, read for its icon links: every address found is a
// valid absolute one, and no more are found than the page has <link> tags.
#include "fuzzsupport.h"

#include "actions/iconlinks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QUrl base(QStringLiteral("https://www.example.org/docs/page.html"));
    const QString page = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<QUrl> links = iconLinks(page, base);
    FUZZ_CHECK(links.size() <= page.count(QLatin1String("<link"), Qt::CaseInsensitive));
    for (const QUrl &link : links)
        FUZZ_CHECK(link.isValid() && !link.isRelative());
    return 0;
}
