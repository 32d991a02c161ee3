#include "platform/wayland/swayconfigbindings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcSwayIpc)

namespace SwayConfigBindings {
namespace {

// Nobody writes a command this long; such text is not worth expanding.
constexpr qsizetype kMaxLine = 1 << 20;
constexpr qsizetype kMaxValue = 64 * 1024;
constexpr qsizetype kMaxVariableName = 128;
// Look-ups of variable names per line; a real line needs a few dozen.
constexpr int kMaxNameProbes = 1 << 20;
constexpr int kMaxVariables = 1024;
constexpr int kMaxBlockDepth = 16;
constexpr qsizetype kMaxCombinationParts = 32;
constexpr int kMaxIncludeDepth = 10;
constexpr int kMaxIncludes = 256;
constexpr qsizetype kMaxIncludedText = 64 << 20;
constexpr int kMaxIncludeFiles = 64;
constexpr qint64 kMaxIncludeFile = 1 << 20;

// Calls `visit` with each line, continued lines joined; a line past kMaxLine comes out empty.
template<typename Visit>
void forEachLogicalLine(const QString &text, const Visit &visit)
{
    QString pending;
    bool tooLong = false;
    for (QStringView line : QStringView(text).tokenize(u'\n', Qt::KeepEmptyParts)) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const bool continued = line.endsWith(u'\\');
        if (continued)
            line.chop(1);
        tooLong = tooLong || pending.size() + line.size() > kMaxLine;
        if (tooLong)
            pending.clear();
        else
            pending += line;
        if (continued)
            continue;
        visit(std::exchange(pending, {}));
        tooLong = false;
    }
    if (!pending.isEmpty())
        visit(pending);
}

bool opensBlock(const QString &line)
{
    return line.endsWith(u'{') && (line.size() == 1 || line[line.size() - 2].isSpace());
}

// Words as sway splits a command, each with its quotes still on.
QStringList tokenize(QStringView line)
{
    QStringList tokens;
    QString current;
    QChar quote;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quote.isNull() && c.isSpace()) {
            if (!current.isEmpty())
                tokens.append(std::exchange(current, {}));
            continue;
        }
        current += c;
        if (quote.isNull() && (c == u'"' || c == u'\''))
            quote = c;
        else if (quote == u'"' && c == u'\\' && i + 1 < line.size())
            current += line[++i];
        else if (c == quote)
            quote = QChar();
    }
    if (!current.isEmpty())
        tokens.append(current);
    return tokens;
}

QString unquoted(const QString &word)
{
    QString out;
    QChar quote;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        if (quote.isNull() && (c == u'"' || c == u'\''))
            quote = c;
        else if (c == quote)
            quote = QChar();
        else if (quote == u'"' && c == u'\\' && i + 1 < word.size())
            out += word[++i];
        else
            out += c;
    }
    return out;
}

// A leading `mode [--flags] <name>` taken off `tokens`; its name, or empty.
QString takeMode(QStringList &tokens)
{
    QString mode;
    while (!tokens.isEmpty() && tokens.first().compare(u"mode", Qt::CaseInsensitive) == 0) {
        qsizetype name = 1;
        while (name < tokens.size() && tokens[name].startsWith(u"--"))
            ++name;
        if (name >= tokens.size())
            break;
        mode = unquoted(tokens[name]);
        tokens.remove(0, name + 1);
    }
    return mode;
}

const QStringList &modifierOrder()
{
    static const QStringList order{u"Shift"_qs, u"Lock"_qs, u"Ctrl"_qs, u"Mod1"_qs,
                                   u"Mod2"_qs,  u"Mod3"_qs, u"Mod4"_qs, u"Mod5"_qs};
    return order;
}

QString normalisedModifier(const QString &name)
{
    static const QHash<QString, QString> aliases{{u"control"_qs, u"Ctrl"_qs}, {u"alt"_qs, u"Mod1"_qs},
                                                 {u"super"_qs, u"Mod4"_qs}};
    const QString lower = name.toLower();
    const auto known = std::find_if(modifierOrder().begin(), modifierOrder().end(),
                                    [&](const QString &modifier) { return modifier.toLower() == lower; });
    return known != modifierOrder().end() ? *known : aliases.value(lower, name);
}

std::optional<Binding> parseBinding(const QStringList &tokens, const QString &mode)
{
    Binding binding;
    binding.mode = mode.isEmpty() ? u"default"_qs : mode;
    binding.byCode = tokens.first().compare(u"bindcode", Qt::CaseInsensitive) == 0;
    bool mouseRegion = false;
    qsizetype at = 1;
    for (; at < tokens.size() && tokens[at].startsWith(u"--"); ++at) {
        const QString flag = unquoted(tokens[at]);
        binding.release = binding.release || flag == u"--release";
        binding.wholeWindow = binding.wholeWindow || flag == u"--whole-window";
        mouseRegion = mouseRegion || flag == u"--whole-window" || flag == u"--border"
            || flag == u"--exclude-titlebar";
    }
    if (at + 1 >= tokens.size())
        return std::nullopt; // sway wants a combination and a command
    QStringList parts = unquoted(tokens[at]).split(u'+');
    binding.key = parts.takeLast();
    if (binding.key.isEmpty() || parts.size() > kMaxCombinationParts)
        return std::nullopt;
    static const QRegularExpression group(u"^group[1-4]$"_qs, QRegularExpression::CaseInsensitiveOption);
    QStringList unknown;
    for (const QString &part : std::as_const(parts)) {
        if (part.isEmpty() || group.match(part).hasMatch())
            continue;
        const QString modifier = normalisedModifier(part);
        QStringList &list = modifierOrder().contains(modifier) ? binding.modifiers : unknown;
        if (!list.contains(modifier))
            list.append(modifier);
    }
    std::sort(binding.modifiers.begin(), binding.modifiers.end(), [](const QString &a, const QString &b) {
        return modifierOrder().indexOf(a) < modifierOrder().indexOf(b);
    });
    binding.modifiers += unknown;
    static const QRegularExpression button(u"^(button[0-9]+|BTN_.*)$"_qs,
                                           QRegularExpression::CaseInsensitiveOption);
    binding.mouse = button.match(binding.key).hasMatch() || (binding.byCode && mouseRegion);
    binding.command = tokens.mid(at + 1).join(u' ');
    return binding;
}

class Parser final {
public:
    explicit Parser(const IncludeReader &readInclude)
        : m_readInclude(readInclude)
    {
    }

    void parseText(const QString &text, int depth);
    QList<Binding> m_bindings;

private:
    struct Blocks {
        QList<QStringList> open; // the words each open block puts before its lines
        int ignored = 0;         // opened past kMaxBlockDepth, or unreadable
    };

    void parseLine(QString line, bool opens, Blocks &blocks, int depth);
    std::optional<QString> expanded(QStringView text) const;
    void setVariable(const QString &line);
    void runCommand(QStringList tokens, bool topLevel, int depth);
    void include(const QString &pattern, int depth);

    const IncludeReader &m_readInclude;
    QHash<QString, QString> m_variables; // by name with its '$'
    QSet<size_t> m_nameHashes;           // looked up before a name is copied out of the line
    QList<qsizetype> m_nameLengths;      // longest first
    QSet<QString> m_included;
    qsizetype m_includedText = 0;
    bool m_warnedAboutIncludes = false;
};

std::optional<QString> Parser::expanded(QStringView text) const
{
    QString out;
    qsizetype at = 0;
    int probes = 0;
    while (at < text.size()) {
        const qsizetype dollar = text.indexOf(u'$', at);
        out += text.mid(at, dollar < 0 ? -1 : dollar - at);
        if (dollar < 0)
            break;
        at = dollar + 1;
        if (at < text.size() && text[at] == u'$') { // "$$name" is left for sway to expand at run time
            out += u'$';
            ++at;
            continue;
        }
        const auto length = std::find_if(m_nameLengths.begin(), m_nameLengths.end(), [&](qsizetype length) {
            return dollar + length <= text.size() && ++probes <= kMaxNameProbes
                && m_nameHashes.contains(qHash(text.mid(dollar, length)))
                && m_variables.contains(text.mid(dollar, length).toString());
        });
        if (probes > kMaxNameProbes)
            return std::nullopt;
        if (length == m_nameLengths.end()) {
            out += u'$';
        } else {
            out += m_variables.value(text.mid(dollar, *length).toString());
            at = dollar + *length;
        }
        if (out.size() > kMaxLine)
            return std::nullopt;
    }
    return out;
}

void Parser::setVariable(const QString &line)
{
    static const QRegularExpression set(u"^set\\s+(\\S+)\\s+(.+)$"_qs,
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = set.match(line);
    if (!match.hasMatch())
        return;
    const QString name = match.captured(1);
    const std::optional<QString> value = expanded(match.capturedView(2).trimmed());
    const bool room = m_variables.size() < kMaxVariables || m_variables.contains(name);
    if (!name.startsWith(u'$') || name.size() < 2 || name.size() > kMaxVariableName || !value
        || value->size() > kMaxValue || !room) {
        qCDebug(lcSwayIpc) << "Ignoring the variable" << name.left(40) << "of sway's configuration";
        return;
    }
    m_variables.insert(name, *value);
    m_nameHashes.insert(qHash(QStringView(name)));
    if (!m_nameLengths.contains(name.size())) {
        m_nameLengths.append(name.size());
        std::sort(m_nameLengths.begin(), m_nameLengths.end(), std::greater<>());
    }
}

void Parser::runCommand(QStringList tokens, bool topLevel, int depth)
{
    const QString mode = takeMode(tokens);
    if (tokens.isEmpty())
        return;
    const QString command = unquoted(tokens.first()).toLower();
    if (command == u"bindsym" || command == u"bindcode") {
        if (std::optional<Binding> binding = parseBinding(tokens, mode))
            m_bindings.append(*binding);
    } else if (command == u"include" && topLevel && tokens.size() > 1) {
        include(tokens.size() == 2 ? unquoted(tokens[1]) : tokens.mid(1).join(u' '), depth);
    }
}

void Parser::include(const QString &pattern, int depth)
{
    // sway reads each file once, which also ends a file that includes itself.
    if (!m_readInclude || m_included.contains(pattern))
        return;
    if (depth >= kMaxIncludeDepth || m_included.size() >= kMaxIncludes || m_includedText > kMaxIncludedText) {
        if (!std::exchange(m_warnedAboutIncludes, true))
            qCWarning(lcSwayIpc) << "Not following include" << pattern
                                 << "of sway's configuration: too many, or too deep";
        return;
    }
    m_included.insert(pattern);
    if (const std::optional<QString> text = m_readInclude(pattern)) {
        m_includedText += text->size();
        parseText(*text, depth + 1);
    }
}

void Parser::parseText(const QString &text, int depth)
{
    Blocks blocks;
    // A line waits for the next, which may be the brace that makes it the start of a block.
    std::optional<QString> held;
    forEachLogicalLine(text, [&](const QString &logical) {
        const QString line = logical.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            return;
        if (held) {
            const QString previous = *std::exchange(held, std::nullopt);
            parseLine(previous, line == u"{", blocks, depth);
            if (line == u"{")
                return;
        }
        if (line == u"}" || opensBlock(line))
            parseLine(line, false, blocks, depth);
        else
            held = line;
    });
    if (held)
        parseLine(*held, false, blocks, depth);
}

void Parser::parseLine(QString line, bool opens, Blocks &blocks, int depth)
{
    if (line == u"}") {
        if (blocks.ignored > 0)
            --blocks.ignored;
        else if (!blocks.open.isEmpty())
            blocks.open.removeLast();
        return;
    }
    if (opensBlock(line)) {
        opens = true;
        line.chop(1);
        line = line.trimmed();
    }
    if (blocks.ignored > 0 || (opens && blocks.open.size() >= kMaxBlockDepth)) {
        blocks.ignored += opens ? 1 : 0;
        return;
    }

    QStringList prefix;
    for (const QStringList &block : std::as_const(blocks.open))
        prefix += block;
    const bool topLevel = prefix.isEmpty();
    QStringList rest = prefix;
    takeMode(rest);
    if (!opens && rest.isEmpty() && line.startsWith(u"set", Qt::CaseInsensitive)) {
        setVariable(line);
        return;
    }
    const std::optional<QString> words = expanded(line);
    if (!words) {
        qCDebug(lcSwayIpc) << "Skipping a line of sway's configuration that expands past its limits";
        blocks.ignored += opens ? 1 : 0;
        return;
    }
    if (opens)
        blocks.open.append(tokenize(*words));
    else
        runCommand(prefix + tokenize(*words), topLevel, depth);
}

QString expandedEnvironment(const QString &text)
{
    static const QRegularExpression variable(
        u"\\$(?:\\{([A-Za-z_][A-Za-z0-9_]*)\\}|([A-Za-z_][A-Za-z0-9_]*))"_qs);
    QString out;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : variable.globalMatch(text)) {
        out += QStringView(text).mid(at, match.capturedStart() - at);
        const QString name = match.hasCaptured(1) ? match.captured(1) : match.captured(2);
        out += qEnvironmentVariable(name.toLocal8Bit().constData());
        at = match.capturedEnd();
    }
    out += QStringView(text).mid(at);
    return out;
}

std::optional<QString> readSmallFile(const QString &path)
{
    // Non-blocking, so a FIFO named in the configuration cannot stall the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kMaxIncludeFile) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    const QByteArray data = file.read(kMaxIncludeFile + 1);
    if (data.size() > kMaxIncludeFile)
        return std::nullopt;
    return QString::fromUtf8(data);
}

} // namespace

QList<Binding> parse(const QString &configText, const IncludeReader &readInclude)
{
    Parser parser(readInclude);
    parser.parseText(configText, 0);
    return parser.m_bindings;
}

std::optional<QString> readIncludeFromDisk(const QString &pattern, const QString &configDir)
{
    QString path = pattern.trimmed();
    if (path == u"~" || path.startsWith(u"~/"))
        path = QDir::homePath() + path.mid(1);
    path = expandedEnvironment(path);
    if (path.isEmpty())
        return std::nullopt;
    if (QDir::isRelativePath(path))
        path = QDir(configDir).filePath(path);

    QStringList files;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.contains(u'*') || name.contains(u'?') || name.contains(u'[')) {
        const QDir dir = info.dir();
        for (const QString &entry : dir.entryList({name}, QDir::Files, QDir::Name))
            files.append(dir.filePath(entry));
    } else {
        files.append(path);
    }

    QString text;
    bool found = false;
    for (const QString &file : files.mid(0, kMaxIncludeFiles)) {
        if (const std::optional<QString> content = readSmallFile(file)) {
            text += *content + u'\n';
            found = true;
        }
    }
    return found ? std::optional(text) : std::nullopt;
}

QString mainConfigPath()
{
    const QString home = QDir::homePath();
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = home + u"/.config"_qs;
    // sway's order (sway(1)); it falls back on i3's files too.
    const QString candidates[] = {home + u"/.sway/config"_qs,      configHome + u"/sway/config"_qs,
                                  home + u"/.i3/config"_qs,        configHome + u"/i3/config"_qs,
                                  u"/etc/sway/config"_qs, u"/etc/i3/config"_qs};
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile() && QFileInfo(candidate).isReadable())
            return candidate;
    }
    return {};
}

} // namespace SwayConfigBindings
