// The typed settings file as another writer may have left it. Every value read is one the file can
// hold again; a file that is not wholly readable is kept aside byte for byte before anything is
// written; what is written reads back the same.
#include "fuzzsupport.h"

#include "platform/defaultsvaluecodec.h"
#include "platform/jsonfiledefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // In memory where there is such a folder: every write syncs the file.
    static const QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                          ? QStringLiteral("/dev/shm/ringle-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/ringle-fuzz-XXXXXX"));
    const QByteArray input = fuzzBytes(data, size);
    const QString path = folder.filePath(QStringLiteral("defaults.json"));
    writeFile(path, input);

    JsonFileDefaults defaults(path);
    for (const QString &key : defaults.keys()) {
        const std::optional<UserDefaults::Value> value = defaults.value(key);
        FUZZ_CHECK(value && DefaultsValueCodec::decode(DefaultsValueCodec::encode(*value)) == value);
    }
    if (!defaults.setAsidePath().isEmpty())
        FUZZ_CHECK(readFile(defaults.setAsidePath()) == input);

    defaults.setValue(QStringLiteral("fuzzWritten"), UserDefaults::Value(true));
    FUZZ_CHECK(defaults.lastWriteSucceeded());
    const JsonFileDefaults reread(path);
    FUZZ_CHECK(reread.setAsidePath().isEmpty() && reread.keys() == defaults.keys());
    for (const QString &key : reread.keys())
        FUZZ_CHECK(reread.value(key) == defaults.value(key));

    QDir dir(folder.path());
    for (const QString &name : dir.entryList(QDir::Files))
        dir.remove(name);
    return 0;
}
