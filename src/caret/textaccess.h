#pragma once

#include <QLatin1StringView>

// Whether the focused text can be edited. `unknown` is treated as editable by callers.
enum class TextAccess { editable, readOnly, unknown };

inline QLatin1StringView textAccessName(TextAccess access)
{
    switch (access) {
    case TextAccess::editable:
        return QLatin1StringView("editable");
    case TextAccess::readOnly:
        return QLatin1StringView("readOnly");
    case TextAccess::unknown:
        break;
    }
    return QLatin1StringView("unknown");
}
