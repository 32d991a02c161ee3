#include "wheel/configimport.h"

#include "wheel/configbackup.h"
#include "wheel/configdocument.h"
#include "wheel/configtransfererror.h"

namespace ConfigImport {
namespace {
Choice choose(const ConfigContents &file, const ConfigContents &current, Mode mode)
{
    try {
        return {ConfigImportPlan::plan(file, current, mode), {}};
    } catch (const ConfigTransferError &refusal) {
        return {std::nullopt, refusal.message()};
    }
}
} // namespace

Prepared prepare(const ConfigContents &file, const ConfigContents &current)
{
    Prepared prepared;
    prepared.file = file;
    prepared.current = current;
    prepared.merge = choose(prepared.file, current, Mode::merge);
    prepared.replace = choose(prepared.file, current, Mode::replace);
    return prepared;
}

std::optional<QString> Prepared::refusal(std::optional<Mode> mode) const
{
    if (mode ? choice(*mode).plan.has_value() : merge.plan || replace.plan)
        return std::nullopt;
    return mode ? choice(*mode).refusal : merge.refusal;
}

QString apply(const Prepared &prepared, Mode mode, const ConfigStores &stores, const QString &settingsFile)
{
    const ConfigContents current = stores.current();
    const Choice &planned = prepared.choice(mode);
    // Changed meanwhile (another writer, while the summary was shown): a merge must keep that too.
    const Plan plan = current == prepared.current && planned.plan
                          ? *planned.plan
                          : ConfigImportPlan::plan(prepared.file, current, mode);
    const QString backup = ConfigBackup::keep(settingsFile, ConfigDocument::encode(current));
    stores.replaceAll(plan.result);
    return backup;
}
} // namespace ConfigImport
