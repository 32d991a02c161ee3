// Time of one WordDiff::compare on generated prose: a proofread-like edit of about 5% of the words
// at 1 000 and 20 000 characters, the same for Chinese, and texts that share little or nothing,
// where the search has to give up at its limit.
#include "ai/worddiff.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

const QStringList &vocabulary()
{
    static const QStringList words = QStringLiteral(
        "the of and to in is was that for it with as his on be at by had are but from or have an they which one you "
        "were her all she there would their we him been has when who will more no if out so said what up its about "
        "into than them can only other new some could time these two may then do first any my now such like our over "
        "man me even most made after also did many before must through back years where much your way well down "
        "should because each just those people how too little state good very make world still own see men work long "
        "get here between both life being under never day same another know while last might us great old year off "
        "come since against go came right used take three meeting report budget review project deadline customer")
                                          .split(QLatin1Char(' '));
    return words;
}

QString word(QRandomGenerator &random)
{
    return vocabulary()[random.bounded(int(vocabulary().size()))];
}

// Sentences of 6 to 20 words, now and then a comma, paragraphs of 2 to 6 sentences.
QStringList prose(QRandomGenerator &random, qsizetype characters)
{
    QStringList tokens;
    qsizetype length = 0;
    while (length < characters) {
        const int sentences = 2 + random.bounded(5);
        for (int s = 0; s < sentences; ++s) {
            const int words = 6 + random.bounded(15);
            for (int w = 0; w < words; ++w) {
                QString next = word(random);
                if (w == 0)
                    next[0] = next[0].toUpper();
                if (w + 1 < words && random.bounded(10) == 0)
                    next += QLatin1Char(',');
                if (w + 1 == words)
                    next += random.bounded(8) == 0 ? QLatin1Char('?') : QLatin1Char('.');
                tokens.append(next);
                length += next.size() + 1;
            }
        }
        tokens.last() += QLatin1Char('\n');
    }
    return tokens;
}

QString joined(const QStringList &tokens)
{
    QString text;
    for (const QString &token : tokens)
        text += token.endsWith(QLatin1Char('\n')) ? token : token + QLatin1Char(' ');
    return text;
}

// About one word in twenty replaced, dropped, doubled by a new one or given a comma.
QStringList edited(QRandomGenerator &random, const QStringList &tokens)
{
    QStringList result;
    for (const QString &token : tokens) {
        if (random.bounded(20) != 0) {
            result.append(token);
            continue;
        }
        switch (random.bounded(4)) {
        case 0:
            result.append(word(random) + (token.endsWith(QLatin1Char('\n')) ? QStringLiteral(".\n") : QString()));
            break;
        case 1:
            if (token.endsWith(QLatin1Char('\n')))
                result.append(token);
            break;
        case 2:
            result.append(word(random));
            result.append(token);
            break;
        default:
            result.append(token.endsWith(QLatin1Char('\n')) ? token : token + QLatin1Char(','));
        }
    }
    return result;
}

void measure(QTextStream &out, const QString &name, const QString &before, const QString &after, int runs)
{
    std::vector<double> times;
    qsizetype changes = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QList<WordChange> result = WordDiff::compare(before, after);
        times.push_back(timer.nsecsElapsed() / 1e6);
        changes = result.size();
    }
    std::sort(times.begin(), times.end());
    out << name << " (" << before.size() << " → " << after.size() << " characters, " << changes
        << " stretches): median " << QString::number(times[times.size() / 2], 'f', 3) << " ms, p90 "
        << QString::number(times[times.size() * 9 / 10], 'f', 3) << " ms, worst "
        << QString::number(times.back(), 'f', 3) << " ms over " << runs << "\n";
    out.flush();
}

// Chinese sentences, no spaces: the word boundaries come from ICU's dictionary, the slow path.
QString chinese(QRandomGenerator &random, qsizetype characters)
{
    static const QStringList sentences = QString::fromUtf8(
        "我们明天上午十点在会议室讨论项目的进度。|请在星期五之前把更新后的报告发给我。|客户希望我们能够提前完成这项工作。|"
        "这个问题比我们想象的要复杂得多。|他昨天晚上很晚才回家，所以今天有点累。|如果有任何问题，请随时联系我。|"
        "新的预算已经得到了管理层的批准。|我觉得这个方案还需要进一步的修改。")
                                             .split(QLatin1Char('|'));
    QString text;
    while (text.size() < characters)
        text += sentences[random.bounded(int(sentences.size()))];
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QRandomGenerator random(2024);
    for (const qsizetype characters : {1000, 20000}) {
        const QStringList original = prose(random, characters);
        const QString before = joined(original);
        measure(out, QStringLiteral("proofread, 5% of words"), before, joined(edited(random, original)),
                characters < 5000 ? 2000 : 200);
    }
    for (const qsizetype characters : {2000, 20000}) {
        const QString before = chinese(random, characters);
        QString after = before;
        for (QChar &c : after) {
            if (random.bounded(20) == 0)
                c = QChar(0x4e00 + random.bounded(0x5000));
        }
        measure(out, QStringLiteral("Chinese, 5% of characters"), before, after, characters < 5000 ? 1000 : 100);
    }
    const QStringList original = prose(random, 20000);
    const QString before = joined(original);
    measure(out, QStringLiteral("unrelated prose"), before, joined(prose(random, 20000)), 50);
    QStringList shuffled = original;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    measure(out, QStringLiteral("same words shuffled"), before, joined(shuffled), 50);
    measure(out, QStringLiteral("no word in common"), QStringLiteral("alpha ").repeated(3300),
            QStringLiteral("beta ").repeated(4000), 50);
    return 0;
}
