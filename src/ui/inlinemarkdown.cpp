#include "ui/inlinemarkdown.h"

#include <QHash>

namespace {

class Parser {
public:
    explicit Parser(const QString &text)
        : m_text(text)
    {
    }

    // Converts up to the closing `delimiter` (none: the end). False when it never comes.
    bool parse(QString &out, const QString &delimiter = QString())
    {
        while (m_pos < m_text.size()) {
            if (!delimiter.isEmpty() && closes(delimiter)) {
                m_pos += delimiter.size();
                return true;
            }
            const QChar c = m_text.at(m_pos);
            if (c == QLatin1Char('\\') && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1).isPunct()) {
                out += QString(m_text.at(m_pos + 1)).toHtmlEscaped();
                m_pos += 2;
            } else if (c == QLatin1Char('`')) {
                if (!code(out))
                    return false;
            } else if (c == QLatin1Char('[')) {
                if (!link(out))
                    return false;
            } else if (const QString opener = openingDelimiter(); !opener.isEmpty()) {
                if (!span(out, opener))
                    return false;
            } else {
                out += QString(c).toHtmlEscaped();
                ++m_pos;
            }
        }
        return delimiter.isEmpty();
    }

private:
    QChar at(qsizetype i) const { return i >= 0 && i < m_text.size() ? m_text.at(i) : QChar(QLatin1Char(' ')); }

    // An emphasis delimiter that can open here: followed by a non-space; "_" not inside a word.
    QString openingDelimiter() const
    {
        static const QString candidates[] = {QStringLiteral("**"), QStringLiteral("__"), QStringLiteral("~~"),
                                             QStringLiteral("*"), QStringLiteral("_")};
        for (const QString &d : candidates) {
            if (!QStringView(m_text).mid(m_pos).startsWith(d))
                continue;
            if (at(m_pos + d.size()).isSpace() || at(m_pos + d.size()) == d.at(0))
                return QString();
            if (d.at(0) == QLatin1Char('_') && at(m_pos - 1).isLetterOrNumber())
                return QString();
            return d;
        }
        return QString();
    }

    bool closes(const QString &d) const
    {
        return QStringView(m_text).mid(m_pos).startsWith(d) && !at(m_pos - 1).isSpace()
            && at(m_pos + d.size()) != d.at(0) && (d.at(0) != QLatin1Char('_') || !at(m_pos + d.size()).isLetterOrNumber());
    }

    bool span(QString &out, const QString &d)
    {
        static const QHash<QString, QString> tags{{QStringLiteral("**"), QStringLiteral("b")},
                                                  {QStringLiteral("__"), QStringLiteral("b")},
                                                  {QStringLiteral("~~"), QStringLiteral("s")},
                                                  {QStringLiteral("*"), QStringLiteral("i")},
                                                  {QStringLiteral("_"), QStringLiteral("i")}};
        m_pos += d.size();
        QString inner;
        if (!parse(inner, d))
            return false;
        const QString tag = tags.value(d);
        out += QLatin1Char('<') + tag + QLatin1Char('>') + inner + QStringLiteral("</") + tag + QLatin1Char('>');
        return true;
    }

    bool code(QString &out)
    {
        qsizetype run = 0;
        while (at(m_pos + run) == QLatin1Char('`') && m_pos + run < m_text.size())
            ++run;
        const QString fence(run, QLatin1Char('`'));
        const qsizetype end = m_text.indexOf(fence, m_pos + run);
        if (end < 0)
            return false;
        out += QStringLiteral("<code>") + m_text.mid(m_pos + run, end - m_pos - run).toHtmlEscaped() + QStringLiteral("</code>");
        m_pos = end + run;
        return true;
    }

    bool link(QString &out)
    {
        const qsizetype close = m_text.indexOf(QLatin1Char(']'), m_pos + 1);
        if (close < 0 || at(close + 1) != QLatin1Char('(')) {
            out += QStringLiteral("[");
            ++m_pos;
            return true;
        }
        const qsizetype end = m_text.indexOf(QLatin1Char(')'), close + 2);
        if (end < 0)
            return false;
        Parser label(m_text.mid(m_pos + 1, close - m_pos - 1));
        QString inner;
        if (!label.parse(inner))
            return false;
        const QString address = m_text.mid(close + 2, end - close - 2).trimmed();
        out += QStringLiteral("<a href=\"") + address.toHtmlEscaped() + QStringLiteral("\">") + inner + QStringLiteral("</a>");
        m_pos = end + 1;
        return true;
    }

    const QString m_text;
    qsizetype m_pos = 0;
};

} // namespace

namespace InlineMarkdown {
std::optional<QString> toHtml(const QString &markdown)
{
    QString html;
    Parser parser(markdown);
    if (!parser.parse(html))
        return std::nullopt;
    return QStringLiteral("<span style=\"white-space: pre-wrap\">") + html + QStringLiteral("</span>");
}
} // namespace InlineMarkdown
