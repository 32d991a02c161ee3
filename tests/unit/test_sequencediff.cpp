#include "ai/sequencediff.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {

std::vector<int> randomSequence(QRandomGenerator &random, int maxLength, int alphabet)
{
    std::vector<int> items(size_t(random.bounded(maxLength + 1)));
    for (int &item : items)
        item = random.bounded(alphabet);
    return items;
}

// Length of the longest common subsequence, by the quadratic table.
qsizetype lcsLength(const std::vector<int> &a, const std::vector<int> &b)
{
    std::vector<std::vector<qsizetype>> table(a.size() + 1, std::vector<qsizetype>(b.size() + 1, 0));
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j)
            table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1 : std::max(table[i - 1][j], table[i][j - 1]);
    }
    return table[a.size()][b.size()];
}

std::vector<int> keptItems(const std::vector<int> &items, const std::vector<bool> &kept)
{
    std::vector<int> result;
    for (size_t i = 0; i < items.size(); ++i) {
        if (kept[i])
            result.push_back(items[i]);
    }
    return result;
}

} // namespace

// The edit script is a common subsequence of both sides, and a longest one while the search may run.
class TestSequenceDiff final : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shortest_data()
    {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("alphabet");
        QTest::newRow("two symbols") << 30 << 2;
        QTest::newRow("few symbols") << 60 << 4;
        QTest::newRow("many symbols") << 80 << 40;
        QTest::newRow("short") << 3 << 3;
    }
    void shortest()
    {
        QFETCH(int, maxLength);
        QFETCH(int, alphabet);
        QRandomGenerator random(quint32(maxLength * 100 + alphabet));
        for (int run = 0; run < 300; ++run) {
            const std::vector<int> a = randomSequence(random, maxLength, alphabet);
            const std::vector<int> b = randomSequence(random, maxLength, alphabet);
            const SequenceDiff::Alignment alignment = SequenceDiff::align(a, b, 1'000'000);
            QCOMPARE(alignment.keptBefore.size(), a.size());
            QCOMPARE(alignment.keptAfter.size(), b.size());
            const std::vector<int> common = keptItems(a, alignment.keptBefore);
            QCOMPARE(keptItems(b, alignment.keptAfter), common);
            QCOMPARE(qsizetype(common.size()), lcsLength(a, b));
        }
    }

    void editedCopy()
    {
        // Mostly shared, as a proofread is: the script must still be the shortest.
        QRandomGenerator random(7);
        const std::vector<int> a = randomSequence(random, 2000, 500);
        std::vector<int> b;
        for (const int item : a) {
            const int roll = random.bounded(100);
            if (roll < 3)
                continue;
            if (roll < 6)
                b.push_back(random.bounded(500));
            b.push_back(item);
        }
        const SequenceDiff::Alignment alignment = SequenceDiff::align(a, b, 1'000'000);
        const std::vector<int> common = keptItems(a, alignment.keptBefore);
        QCOMPARE(keptItems(b, alignment.keptAfter), common);
        QCOMPARE(qsizetype(common.size()), lcsLength(a, b));
    }

    void limited_data()
    {
        QTest::addColumn<qint64>("workLimit");
        QTest::newRow("none") << qint64(0);
        QTest::newRow("little") << qint64(50);
        QTest::newRow("some") << qint64(2000);
    }
    void limited()
    {
        QFETCH(qint64, workLimit);
        QRandomGenerator random(11);
        for (int run = 0; run < 100; ++run) {
            std::vector<int> a = randomSequence(random, 200, 3);
            std::vector<int> b = randomSequence(random, 200, 3);
            // Shared ends are matched whatever the limit.
            a.insert(a.begin(), {7, 8});
            b.insert(b.begin(), {7, 8});
            a.push_back(9);
            b.push_back(9);
            const SequenceDiff::Alignment alignment = SequenceDiff::align(a, b, workLimit);
            const std::vector<int> common = keptItems(a, alignment.keptBefore);
            QCOMPARE(keptItems(b, alignment.keptAfter), common);
            QVERIFY(qsizetype(common.size()) <= lcsLength(a, b));
            QVERIFY(alignment.keptBefore[0] && alignment.keptBefore[1] && alignment.keptBefore.back());
            QVERIFY(alignment.keptAfter[0] && alignment.keptAfter[1] && alignment.keptAfter.back());
            if (workLimit == 0) {
                // Nothing beyond the shared ends is searched.
                const auto prefixAndSuffix = [](const std::vector<int> &x, const std::vector<int> &y) {
                    size_t prefix = 0;
                    while (prefix < x.size() && prefix < y.size() && x[prefix] == y[prefix])
                        ++prefix;
                    size_t suffix = 0;
                    while (suffix < x.size() - prefix && suffix < y.size() - prefix
                           && x[x.size() - 1 - suffix] == y[y.size() - 1 - suffix])
                        ++suffix;
                    return prefix + suffix;
                };
                QCOMPARE(common.size(), prefixAndSuffix(a, b));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSequenceDiff)
#include "test_sequencediff.moc"
