#include "wheel/configtransfertexts.h"

#include "wheel/wheeltab.h"

#include <QCoreApplication>

namespace ConfigTransferTexts {
namespace {
// With a count, the translation has a form for each of its language's plural cases.
QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("ConfigTransferTexts", text, disambiguation, n);
}

// The singular is its own text so that English reads right without a translation file.
QString sets(qsizetype n)
{
    return n == 1 ? tr("%n set", nullptr, 1) : tr("%n sets", nullptr, int(n));
}
QString combos(qsizetype n)
{
    return n == 1 ? tr("%n key combination", nullptr, 1) : tr("%n key combinations", nullptr, int(n));
}
QString prompts(qsizetype n)
{
    return n == 1 ? tr("%n prompt", nullptr, 1) : tr("%n prompts", nullptr, int(n));
}

constexpr qsizetype namesShown = 10;

QString listed(const QStringList &all)
{
    QStringList shown = all.mid(0, namesShown);
    const qsizetype more = all.size() - shown.size();
    if (more > 0)
        shown.append(more == 1 ? tr("and 1 more") : tr("and %n more", nullptr, int(more)));
    return shown.join(QStringLiteral(", "));
}

QString comboName(const CustomKeyCombo &record)
{
    const QString title = WheelText::trimmedSpacesAndTabs(record.combo.title);
    return title.isEmpty() ? record.combo.shortcutText() : title;
}
} // namespace

QString counts(const ConfigContents &contents)
{
    return tr("%1, %2 and %3").arg(sets(contents.sets.size()), combos(contents.combos.size()),
                                   prompts(contents.prompts.size()));
}

QString question(const ConfigContents &file)
{
    return tr("Import %1?").arg(counts(file));
}

QStringList names(const ConfigContents &file)
{
    QStringList lines;
    QStringList texts;
    for (const WheelSet &set : file.sets)
        texts.append(set.displayTitle());
    if (!texts.isEmpty())
        lines.append(tr("Sets: %1.").arg(listed(texts)));
    texts.clear();
    for (const CustomKeyCombo &record : file.combos)
        texts.append(comboName(record));
    if (!texts.isEmpty())
        lines.append(tr("Key combinations: %1.").arg(listed(texts)));
    texts.clear();
    for (const CustomPrompt &prompt : file.prompts)
        texts.append(prompt.title());
    if (!texts.isEmpty())
        lines.append(tr("Prompts: %1.").arg(listed(texts)));
    return lines;
}

QStringList effects(const ConfigImport::Prepared &prepared, const QString &mergeName, const QString &replaceName)
{
    QStringList lines;
    const QString yours = counts(prepared.current);
    if (const std::optional<ConfigImport::Plan> &merge = prepared.merge.plan) {
        QString line = tr("%1 adds them to your %2.").arg(mergeName, yours);
        if (merge->renamed == 1)
            line += QLatin1Char(' ') + tr("One of them gets a new id because your configuration already uses its id.");
        else if (merge->renamed > 1)
            line += QLatin1Char(' ') + tr("%n of them get new ids because your configuration already uses their ids.", nullptr, merge->renamed);
        if (!merge->keptBindings.isEmpty())
            line += QLatin1Char(' ') + tr("These apps and websites stay with the sets of yours they belong to: %1.")
                                           .arg(listed(merge->keptBindings));
        lines.append(line);
    } else {
        lines.append(tr("%1 is not possible: %2").arg(mergeName, prepared.merge.refusal));
    }
    if (prepared.replace.plan)
        lines.append(tr("%1 puts them in place of your %2.").arg(replaceName, yours));
    else
        lines.append(tr("%1 is not possible: %2").arg(replaceName, prepared.replace.refusal));
    return lines;
}

QString done(const ConfigImport::Prepared &prepared, ConfigImport::Mode mode, const QString &backup)
{
    const QString what = counts(prepared.file);
    const QString imported = mode == ConfigImport::Mode::merge
                                 ? tr("Added %1 to your configuration.").arg(what)
                                 : tr("Replaced your configuration with %1.").arg(what);
    return imported + QLatin1Char(' ') + tr("Your previous configuration is kept in %1.").arg(backup);
}

QString exported(const ConfigContents &contents, const QString &path)
{
    return tr("Exported %1 to %2.").arg(counts(contents), path);
}

QString exportFailed(const QString &path, const QString &reason)
{
    return tr("Could not write %1: %2.").arg(path, reason);
}
} // namespace ConfigTransferTexts
