#include "platform/linux/desktopentry.h"

#include <QHash>

namespace DesktopEntryParser {
namespace {
bool isTrue(const QString &value)
{
    return value.trimmed() == u"true" || value.trimmed() == u"1";
}

// Splits the (already unescaped) Exec value into words by its quoting rules: double quotes group,
// and inside them a backslash escapes ", `, $ and \. Outside quotes a backslash escapes the next
// character, which some entries rely on although the rules ask for quotes.
std::optional<QStringList> splitWords(const QString &exec, QList<bool> *quoted)
{
    QStringList words;
    QString word;
    bool inWord = false, inQuotes = false, wordQuoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar ch = exec.at(i);
        if (inQuotes) {
            if (ch == u'"') {
                inQuotes = false;
            } else if (ch == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec.at(i + 1))) {
                word += exec.at(++i);
            } else {
                word += ch;
            }
            continue;
        }
        if (ch == u' ' || ch == u'\t' || ch == u'\n') {
            if (inWord) {
                words.append(word);
                quoted->append(wordQuoted);
            }
            word.clear();
            inWord = wordQuoted = false;
            continue;
        }
        inWord = true;
        if (ch == u'"') {
            inQuotes = wordQuoted = true;
        } else if (ch == u'\\' && i + 1 < exec.size()) {
            word += exec.at(++i);
        } else {
            word += ch;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (inWord) {
        words.append(word);
        quoted->append(wordQuoted);
    }
    return words;
}
} // namespace

QString unescapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar ch = value.at(i);
        if (ch != u'\\' || i + 1 == value.size()) {
            out += ch;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's': out += u' '; break;
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case '\\': out += u'\\'; break;
        default: // not an escape of the value level; the Exec rules may still need it
            out += ch;
            out += next;
        }
    }
    return out;
}

QStringList localeCandidates(const QString &localeName)
{
    QString name = localeName;
    QString modifier;
    if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
        modifier = name.mid(at);
        name.truncate(at);
    }
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
        name.truncate(dot);
    QString lang = name, country;
    if (const qsizetype us = name.indexOf(u'_'); us >= 0) {
        lang = name.left(us);
        country = name.mid(us);
    }
    QStringList result;
    auto add = [&](const QString &s) {
        if (!s.isEmpty() && !result.contains(s))
            result.append(s);
    };
    if (lang.isEmpty() || lang == u"C" || lang == u"POSIX")
        return result;
    if (!country.isEmpty() && !modifier.isEmpty())
        add(lang + country + modifier);
    if (!country.isEmpty())
        add(lang + country);
    if (!modifier.isEmpty())
        add(lang + modifier);
    add(lang);
    return result;
}

std::optional<DesktopEntry> parse(const QByteArray &contents, const QStringList &locales)
{
    if (contents.size() > maxFileSize || contents.contains('\0'))
        return std::nullopt;
    const QString text = QString::fromUtf8(contents);
    QHash<QString, QString> values; // the first occurrence of a key wins
    bool inEntryGroup = false, sawEntryGroup = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[')) {
            // Only the first [Desktop Entry] group counts; actions and later groups do not.
            inEntryGroup = trimmed == u"[Desktop Entry]" && !sawEntryGroup;
            sawEntryGroup = sawEntryGroup || inEntryGroup;
            continue;
        }
        if (!inEntryGroup)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        if (!values.contains(key))
            values.insert(key, line.mid(eq + 1).trimmed().toString());
    }
    if (!sawEntryGroup)
        return std::nullopt;

    auto localized = [&](const QString &key) {
        for (const QString &locale : locales) {
            const auto it = values.constFind(key + u'[' + locale + u']');
            if (it != values.cend())
                return unescapeValue(*it);
        }
        return unescapeValue(values.value(key));
    };
    DesktopEntry entry;
    entry.type = unescapeValue(values.value(u"Type"_qs));
    entry.name = localized(u"Name"_qs);
    entry.icon = localized(u"Icon"_qs);
    // The Exec rules have escapes of their own; the value level is resolved when it is split.
    entry.exec = values.value(u"Exec"_qs);
    entry.tryExec = unescapeValue(values.value(u"TryExec"_qs));
    entry.workingDirectory = unescapeValue(values.value(u"Path"_qs));
    entry.startupWmClass = unescapeValue(values.value(u"StartupWMClass"_qs));
    entry.noDisplay = isTrue(values.value(u"NoDisplay"_qs));
    entry.hidden = isTrue(values.value(u"Hidden"_qs));
    entry.terminal = isTrue(values.value(u"Terminal"_qs));
    return entry;
}

std::optional<QStringList> execArguments(const DesktopEntry &entry)
{
    QList<bool> quoted;
    const std::optional<QStringList> words = splitWords(unescapeValue(entry.exec), &quoted);
    if (!words)
        return std::nullopt;
    QStringList args;
    for (qsizetype w = 0; w < words->size(); ++w) {
        const QString &word = words->at(w);
        // Codes that stand alone expand to whole arguments or to nothing.
        if (!quoted.at(w) && word.size() == 2 && word.at(0) == u'%') {
            switch (word.at(1).unicode()) {
            case 'f': case 'F': case 'u': case 'U': case 'd': case 'D': case 'n': case 'N': case 'v': case 'm':
                continue;
            case 'i':
                if (!entry.icon.isEmpty())
                    args << u"--icon"_qs << entry.icon;
                continue;
            default:
                break;
            }
        }
        QString expanded;
        for (qsizetype i = 0; i < word.size(); ++i) {
            const QChar ch = word.at(i);
            if (ch != u'%' || i + 1 == word.size()) {
                expanded += ch;
                continue;
            }
            switch (word.at(++i).unicode()) {
            case '%': expanded += u'%'; break;
            case 'c': expanded += entry.name; break;
            case 'k': expanded += entry.path; break;
            default: break; // file, address and unknown codes: no files are passed
            }
        }
        if (!expanded.isEmpty() || quoted.at(w))
            args.append(expanded);
    }
    if (args.isEmpty() || args.first().isEmpty())
        return std::nullopt;
    return args;
}

QString idForRelativePath(const QString &relativePath)
{
    QString id = relativePath;
    if (id.endsWith(u".desktop"))
        id.chop(8);
    id.replace(u'/', u'-');
    return id;
}
} // namespace DesktopEntryParser
