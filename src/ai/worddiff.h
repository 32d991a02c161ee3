#pragma once

#include <QList>
#include <QString>

// One stretch of a comparison: text both sides share, text only the first has, or only the second.
struct WordChange {
    enum class Kind { same, removed, added };
    Kind kind;
    QString text;
    friend bool operator==(const WordChange &, const WordChange &) = default;
};

// What a proofread or a rewrite changed, word by word: words, runs of white space and punctuation
// marks are compared whole. Same-kind stretches are merged, and in a changed stretch everything
// removed comes before everything added; a moved word is a removal and an addition.
namespace WordDiff {
QList<WordChange> compare(const QString &before, const QString &after);
bool hasChanges(const QList<WordChange> &changes);
// Each side rebuilt exactly: the same and removed text, or the same and added text, in order.
QString before(const QList<WordChange> &changes);
QString after(const QList<WordChange> &changes);
} // namespace WordDiff
