#pragma once

#include "ai/languagehypothesis.h"

#include <QStringList>

// Runs CLD2 on plain text. `boostedCodes` are CLD2 language codes to favour, strongest first.
namespace Cld2Identifier {
LanguageEvidence identify(const QString &text, const QStringList &boostedCodes);
} // namespace Cld2Identifier
