#pragma once

#include "wheel/configcontents.h"

#include <QStringList>

// What an import of a checked file (ConfigDocument::decode) does to the user's configuration.
namespace ConfigImportPlan {

enum class Mode {
    // The file's sets, combinations and prompts are added to the user's own.
    merge,
    // The file's lists take the place of the user's.
    replace,
};

struct Plan {
    Mode mode = Mode::merge;
    // What comes from the file, as it will be stored (new ids where the user's clashed).
    ConfigContents added;
    // What the three stores hold afterwards.
    ConfigContents result;
    // How many sets, rings, combinations and prompts got a new id.
    int renamed = 0;
    // Apps and websites the file binds to a set that are already bound to one of the user's sets,
    // where they stay.
    QStringList keptBindings;
};

// Throws ConfigTransferError when the mode cannot take the file: a slot that names a record found
// neither in the file nor (merging) among the user's, more sets than Ringle keeps, no sets to
// replace the user's with.
Plan plan(const ConfigContents &file, const ConfigContents &current, Mode mode);

} // namespace ConfigImportPlan
