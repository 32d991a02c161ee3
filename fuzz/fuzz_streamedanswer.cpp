// A streamed answer (server-sent events) as it arrives in pieces: the first byte picks the piece
// sizes, the rest is the stream. The lines and the chunks read from them do not depend on where the
// pieces end, and a line over the cap is dropped whole.
#include "fuzzsupport.h"

#include "ai/chatwire.h"
#include "ai/linesplitter.h"

#include <QList>

namespace {
constexpr qsizetype kCap = 256;

struct Reading {
    QList<QByteArray> lines;
    QStringList chunks;
    qsizetype dropped = 0;
    bool operator==(const Reading &) const = default;
};

Reading read(QByteArrayView stream, qsizetype pieceSize)
{
    Reading reading;
    LineSplitter splitter(kCap);
    const auto onLine = [&reading](QByteArrayView line) {
        FUZZ_CHECK(line.size() <= kCap && !line.contains('\n') && !line.contains('\r'));
        reading.lines.append(line.toByteArray());
        if (line.startsWith("data:")) {
            if (const std::optional<QString> chunk = ChatWire::decodeStreamChunk(line.sliced(5).toByteArray()))
                reading.chunks.append(*chunk);
        }
        return true;
    };
    for (qsizetype at = 0; at < stream.size(); at += pieceSize)
        FUZZ_CHECK(splitter.feed(stream.sliced(at, std::min(pieceSize, stream.size() - at)), onLine));
    FUZZ_CHECK(splitter.finish(onLine));
    reading.dropped = splitter.droppedLines();
    return reading;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView stream(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    const Reading whole = read(stream, std::max<qsizetype>(stream.size(), 1));
    FUZZ_CHECK(read(stream, 1 + data[0] % 7) == whole);
    FUZZ_CHECK(read(stream, 1 + data[0]) == whole);
    return 0;
}
