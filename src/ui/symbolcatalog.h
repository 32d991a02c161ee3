#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A titled group of symbol names offered by the symbol picker.
struct SymbolGroup {
    QString title;
    QStringList symbols;

    bool operator==(const SymbolGroup &) const = default;
};

// The symbols the picker offers, in twelve fixed groups, and the search over them.
namespace SymbolCatalog {
const QList<SymbolGroup> &groups();
// The groups whose title holds every word of the query (whole), and of the others the symbols whose
// names hold every word; case is ignored, words are split at spaces. No words: every group.
QList<SymbolGroup> search(const QString &query);
QList<SymbolGroup> search(const QList<SymbolGroup> &groups, const QString &query);
} // namespace SymbolCatalog
