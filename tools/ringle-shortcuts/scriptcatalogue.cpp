#include "scriptcatalogue.h"

#include <QUuid>
#include <algorithm>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// Fixed for good: identifiers already stored in wheel slots depend on it.
const QUuid identifierNamespace(QStringLiteral("{e6feb5b6-2199-49c5-902e-fa2b5627e202}"));

bool isSkipped(const std::string &fileName)
{
    return fileName.empty() || fileName.front() == '.' || fileName.back() == '~';
}

QString withoutControlCharacters(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return text.trimmed();
}

bool sortsBefore(const QString &a, const QString &b, const QString &tieA, const QString &tieB)
{
    const int order = a.compare(b, Qt::CaseInsensitive);
    if (order != 0)
        return order < 0;
    return tieA < tieB;
}
} // namespace

fs::path ScriptCatalogue::defaultRoot()
{
    fs::path config(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString());
    if (!config.is_absolute())
        config = fs::path(qEnvironmentVariable("HOME").toStdString()) / ".config";
    return config / "Ringle" / "Shortcuts";
}

ScriptCatalogue::ScriptCatalogue(const fs::path &root)
{
    addScripts(root, QString(), std::string());
    std::error_code error;
    for (fs::directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        const std::string fileName = it->path().filename().string();
        std::error_code typeError;
        if (isSkipped(fileName) || !it->is_directory(typeError))
            continue;
        const QString folder = withoutControlCharacters(QString::fromUtf8(fileName));
        if (folder.isEmpty() || m_folders.contains(folder))
            continue;
        m_folders.append(folder);
        addScripts(it->path(), folder, fileName + '/');
    }
    std::sort(m_folders.begin(), m_folders.end(),
              [](const QString &a, const QString &b) { return sortsBefore(a, b, a, b); });
    std::sort(m_scripts.begin(), m_scripts.end(),
              [](const Script &a, const Script &b) { return sortsBefore(a.name, b.name, a.id, b.id); });
}

void ScriptCatalogue::addScripts(const fs::path &dir, const QString &folder, const std::string &prefix)
{
    std::error_code error;
    for (fs::directory_iterator it(dir, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        const std::string fileName = it->path().filename().string();
        std::error_code typeError;
        if (isSkipped(fileName) || !it->is_regular_file(typeError) || ::access(it->path().c_str(), X_OK) != 0)
            continue;
        const QString id = identifierFor(prefix + fileName);
        const QString name = displayName(fileName);
        // A name of control characters only would make a listing line without a name.
        m_scripts.push_back(Script{name.isEmpty() ? id : name, id, folder, it->path()});
    }
}

const Script *ScriptCatalogue::find(const QString &idOrName) const
{
    for (const Script &script : m_scripts) {
        if (script.id.compare(idOrName, Qt::CaseInsensitive) == 0)
            return &script;
    }
    for (const Script &script : m_scripts) {
        if (script.name == idOrName)
            return &script;
    }
    return nullptr;
}

QString ScriptCatalogue::identifierFor(const std::string &relativePath)
{
    return QUuid::createUuidV5(identifierNamespace, QByteArray::fromStdString(relativePath))
        .toString(QUuid::WithoutBraces)
        .toUpper();
}

QString ScriptCatalogue::displayName(const std::string &fileName)
{
    QString name = QString::fromUtf8(fileName);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0 && name.size() - dot - 1 >= 1 && name.size() - dot - 1 <= 5) {
        const QStringView extension = QStringView(name).mid(dot + 1);
        if (std::all_of(extension.begin(), extension.end(),
                        [](QChar c) { return c.isDigit() || (c.isLetter() && c.unicode() < 128); }))
            name.truncate(dot);
    }
    return withoutControlCharacters(name);
}
