#include "ui/faviconstore.h"

#include "base/websiteaddress.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// Larger pictures are refused before they are decoded: an icon never needs them.
constexpr int kMaxSide = 4096;
constexpr int kMaxFrames = 16;
// What a drawing-only format (SVG) is rendered at.
constexpr int kRenderedSide = 128;
// The sizes the wheel draws, at single and double density.
constexpr int kDrawnSides[] = {12, 24, 48};

std::optional<QString> hostFileName(const QString &address)
{
    const QUrl url(address);
    if (!url.isValid() || !WebsiteAddress::isWeb(url))
        return std::nullopt;
    const QString host = url.host(QUrl::FullyEncoded);
    if (host.isEmpty())
        return std::nullopt;
    const QString name = FaviconFetcher::fileName(host);
    // "." and ".." would name the folder itself or its parent.
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return std::nullopt;
    return name;
}

QImage readFrame(QImageReader &reader)
{
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide))
        return {};
    const QByteArray format = reader.format();
    if ((format == "svg" || format == "svgz") && size.isValid() && !size.isEmpty())
        reader.setScaledSize(size.scaled(kRenderedSide, kRenderedSide, Qt::KeepAspectRatio));
    return reader.read();
}
} // namespace

FaviconStore::FaviconStore(HttpClient &http, QString folder)
    : m_fetcher(http, [](const QByteArray &data) { return !decode(data).isNull(); })
    , m_folder(std::move(folder))
{
    load();
}

QString FaviconStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Ringle/Favicons");
}

QIcon FaviconStore::icon(const QString &address) const
{
    const std::optional<QString> name = hostFileName(address);
    return name ? m_icons.value(*name) : QIcon();
}

QCoro::Task<void> FaviconStore::fetch(QString address)
{
    const std::optional<QString> name = hostFileName(address);
    if (!name)
        co_return;
    const std::optional<QByteArray> data = co_await m_fetcher.download(QUrl(address));
    if (!data)
        co_return;
    const QImage image = decode(*data);
    if (image.isNull())
        co_return;
    QDir().mkpath(m_folder);
    QSaveFile file(QDir(m_folder).filePath(*name));
    if (file.open(QIODevice::WriteOnly) && file.write(*data) == data->size())
        file.commit();
    keep(*name, image);
    Q_EMIT imagesChanged();
}

QImage FaviconStore::decode(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {};
    // An icon file may hold several pictures (ICO): take the largest of the first few.
    const int count = qBound(1, reader.imageCount(), kMaxFrames);
    QImage best;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage frame = readFrame(reader);
        if (!frame.isNull() && (best.isNull() || frame.width() * frame.height() > best.width() * best.height()))
            best = frame;
    }
    return best;
}

void FaviconStore::load()
{
    const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files | QDir::Readable);
    for (const QFileInfo &file : files) {
        QFile input(file.filePath());
        if (file.size() > FaviconFetcher::kMaxIconBytes || !input.open(QIODevice::ReadOnly))
            continue;
        const QImage image = decode(input.readAll());
        if (!image.isNull())
            keep(file.fileName(), image);
    }
}

void FaviconStore::keep(const QString &fileName, const QImage &image)
{
    m_images.insert(fileName, image);
    QIcon icon;
    for (const int side : kDrawnSides)
        icon.addPixmap(QPixmap::fromImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_icons.insert(fileName, icon);
}
