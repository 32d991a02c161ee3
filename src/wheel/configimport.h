#pragma once

#include "wheel/configimportplan.h"

#include <QString>
#include <optional>

// An import from its file to the stores, the same for `ringle config import` and the settings window:
// everything is read and checked first, the user's configuration is backed up, then written.
namespace ConfigImport {
using ConfigImportPlan::Mode;
using ConfigImportPlan::Plan;

// One mode's plan, or why that mode cannot take the file.
struct Choice {
    std::optional<Plan> plan;
    QString refusal;
};

struct Prepared {
    ConfigContents file;
    ConfigContents current;
    Choice merge;
    Choice replace;

    const Choice &choice(Mode mode) const { return mode == Mode::merge ? merge : replace; }
    // Why the mode cannot take the file; without a mode, why neither can (the merge's reason, which
    // names the user's configuration too).
    std::optional<QString> refusal(std::optional<Mode> mode) const;
};

// Both modes for a file ConfigDocument::decode accepted.
Prepared prepare(const ConfigContents &file, const ConfigContents &current);

// Keeps a backup of what the stores hold beside the settings file, then stores the mode's result,
// planned again if the configuration changed since it was prepared. Answers the backup's path.
// Throws ConfigTransferError, having changed nothing.
QString apply(const Prepared &prepared, Mode mode, const ConfigStores &stores, const QString &settingsFile);
} // namespace ConfigImport
